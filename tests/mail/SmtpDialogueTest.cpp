// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// What one transaction's talk with the server means, from the lines both
// ways: what a real server in the sending tests does not say (replies of
// several lines, a refusal of the message itself, what follows a refusal).

#include "mail/smtp/SmtpDialogue.h"

#include <gtest/gtest.h>

#include <vector>

using namespace markwell;
using Stage = SmtpDialogue::Stage;

namespace {

// ">" lines are ours, "<" lines the server's.
SmtpDialogue talk(const std::vector<const char*>& lines) {
    SmtpDialogue dialogue;
    for (const char* line : lines) {
        const QByteArray text(line + 2);
        if (line[0] == '>') {
            dialogue.commandSent(text);
        } else {
            dialogue.replyLineReceived(text);
        }
    }
    return dialogue;
}

}  // namespace

TEST(SmtpDialogue, TellsWhereTheFirstRefusalCameAndWhetherTheMessageWent) {
    struct Case {
        const char* what;
        std::vector<const char*> lines;
        int refusal;
        Stage stage;
        QString text;
        bool started;
    };
    const Case cases[] = {
        {"a reply of several lines",
         {"< 220 hi", "> EHLO me", "< 250-x", "< 250 OK", "> MAIL FROM:<t@x>", "< 250 OK", "> RCPT TO:<a@x>",
          "< 550-5.1.1 no such user", "< 550 5.1.1 see the help desk", "> QUIT", "< 221 Bye"},
         550,
         Stage::Envelope,
         "550-5.1.1 no such user 550 5.1.1 see the help desk",
         false},
        {"the message itself refused",
         {"> MAIL FROM:<t@x>", "< 250 OK", "> RCPT TO:<a@x>", "< 250 OK", "> DATA", "< 354 go ahead",
          "< 552 5.3.4 message too big"},
         552,
         Stage::Body,
         "552 5.3.4 message too big",
         true},
        {"the login refused",
         {"< 220 hi", "> EHLO me", "< 250 OK", "> AUTH PLAIN secret", "< 535 5.7.8 bad credentials"},
         535,
         Stage::Session,
         "535 5.7.8 bad credentials",
         false},
        {"taken, then the connection lost",
         {"> MAIL FROM:<t@x>", "< 250 OK", "> RCPT TO:<a@x>", "< 250 OK", "> DATA", "< 354 go ahead"},
         0,
         Stage::Session,
         QString(),
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SmtpDialogue d = talk(c.lines);
        EXPECT_EQ(d.refusal().code, c.refusal);
        EXPECT_EQ(d.refusal().text, c.text);
        if (c.refusal) {
            EXPECT_EQ(d.refusalStage(), c.stage);
        }
        EXPECT_EQ(d.messageStarted(), c.started);
    }
}
