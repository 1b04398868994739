# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
"""A mail server's behaviour for the tests, run by aiosmtpd:

    python3 -m aiosmtpd -n -l 127.0.0.1:PORT -c smtp_handler.Handler FOLDER [RULE...]

Every message taken is written to FOLDER as N.eml, with N.json beside it:
the envelope, the connection it came on, and the message as Python's own
mail parser reads it (decoded headers, text, attachment name), and the
attachment as N.pdf. Each RULE is WORD=VALUE:

    refuse=ADDRESS     550 to RCPT TO of that address
    defer=ADDRESS      451 to RCPT TO of that address, every time
    defer-once=ADDRESS 451 the first time only
    cut=ADDRESS        the connection closed, without a reply, after the
                       message data for that address
    close-after=N      421 and the connection closed at the MAIL FROM that
                       follows N messages on one connection
    auth=USER:PASSWORD the login the server takes (offered after TLS only)
    slow=SECONDS       each message answered after that long
    discard=1          messages counted but neither written nor read back
                       (for timing the sending side)
"""

import asyncio
import email
import email.policy
import json
import os

from aiosmtpd.smtp import AuthResult, LoginPassword


class Handler:
    def __init__(self, folder, rules):
        self.folder = folder
        self.refuse = set()
        self.defer = set()
        self.defer_once = set()
        self.cut = set()
        self.close_after = None
        self.login = None
        self.slow = 0.0
        self.discard = False
        self.count = 0
        self.per_connection = {}
        for rule in rules:
            word, _, value = rule.partition("=")
            if word == "refuse":
                self.refuse.add(value)
            elif word == "defer":
                self.defer.add(value)
            elif word == "defer-once":
                self.defer_once.add(value)
            elif word == "cut":
                self.cut.add(value)
            elif word == "close-after":
                self.close_after = int(value)
            elif word == "auth":
                user, _, password = value.partition(":")
                self.login = (user.encode(), password.encode())
            elif word == "slow":
                self.slow = float(value)
            elif word == "discard":
                self.discard = value == "1"
            else:
                raise SystemExit(f"unknown rule {rule}")

    @classmethod
    def from_cli(cls, parser, *args):
        if not args:
            parser.error("the handler needs a folder")
        return cls(args[0], args[1:])

    def authenticate(self, server, session, envelope, mechanism, auth_data):
        ok = isinstance(auth_data, LoginPassword) and (auth_data.login, auth_data.password) == self.login
        if ok:
            return AuthResult(success=True)
        return AuthResult(success=False, handled=False, message="535 5.7.8 Authentication credentials invalid")

    async def handle_EHLO(self, server, session, envelope, hostname, responses):
        session.host_name = hostname
        if self.login:
            server._authenticator = self.authenticate
            server._auth_required = True
            # aiosmtpd offers AUTH after STARTTLS only; a connection that is
            # TLS from its first byte (SMTPS) is just as safe.
            smtps = server.transport.get_extra_info("sslcontext") is not None and not server._tls_protocol
            if smtps:
                server._auth_require_tls = False
                responses.insert(-1, "250-AUTH LOGIN PLAIN")
        return responses

    async def handle_MAIL(self, server, session, envelope, address, options):
        taken = self.per_connection.get(session.peer, 0)
        if self.close_after is not None and taken >= self.close_after:
            asyncio.get_running_loop().call_soon(server.transport.close)
            return "421 4.7.0 Too many messages on one connection, closing"
        envelope.mail_from = address
        envelope.mail_options.extend(options)
        return "250 OK"

    async def handle_RCPT(self, server, session, envelope, address, options):
        if address in self.refuse:
            return "550 5.1.1 <%s>: Recipient address rejected: User unknown" % address
        if address in self.defer:
            return "451 4.3.0 <%s>: Try again later" % address
        if address in self.defer_once:
            self.defer_once.discard(address)
            return "451 4.3.0 <%s>: Greylisted, try again later" % address
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        if self.slow:
            await asyncio.sleep(self.slow)
        if any(address in self.cut for address in envelope.rcpt_tos):
            server.transport.abort()
            return "250 never said"
        self.per_connection[session.peer] = self.per_connection.get(session.peer, 0) + 1
        self.count += 1
        if not self.discard:
            self.write(self.count, session, envelope)
        return "250 2.0.0 Ok: queued as %d" % self.count

    def write(self, number, session, envelope):
        base = os.path.join(self.folder, str(number))
        with open(base + ".eml", "wb") as f:
            f.write(envelope.original_content)
        message = email.message_from_bytes(envelope.original_content, policy=email.policy.default)
        body = message.get_body(preferencelist=("plain",))
        attachments = list(message.iter_attachments())
        record = {
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "peer": list(session.peer),
            "authenticated": bool(session.authenticated),
            "from": str(message["From"]),
            "to": [str(a) for a in message["To"].addresses],
            "to_addresses": [a.addr_spec for a in message["To"].addresses],
            "to_names": [a.display_name for a in message["To"].addresses],
            "subject": str(message["Subject"]),
            "message_id": str(message["Message-ID"]),
            "date": str(message["Date"]),
            "body": body.get_content().replace("\r\n", "\n") if body is not None else "",
            "attachments": [a.get_filename() for a in attachments],
            "attachment_types": [a.get_content_type() for a in attachments],
        }
        if attachments:
            with open(base + ".pdf", "wb") as f:
                f.write(attachments[0].get_content())
        # Written last and renamed into place: a test that sees it sees it whole.
        with open(base + ".json.part", "w", encoding="utf-8") as f:
            json.dump(record, f, ensure_ascii=False)
        os.rename(base + ".json.part", base + ".json")
