// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

// Stand-ins for the desktop's mail program and keyring: they record what
// they were given and answer as the test says.

#include "gui/mail/MailLauncher.h"
#include "gui/mail/MailPasswords.h"

#include <QMap>

#include <vector>

namespace markwell::testing {

class RecordingMailLauncher : public MailLauncher {
public:
    std::vector<MailDraft> drafts;
    void compose(const MailDraft& draft) override { drafts.push_back(draft); }
};

// A keyring that keeps passwords in memory, or that no keyring answers.
class ScriptedMailPasswords : public MailPasswords {
public:
    bool keyringAnswers = true;
    QMap<QString, QString> kept;
    int reads = 0;

    Lookup read(const QString& account) override {
        ++reads;
        if (!keyringAnswers) return {Status::NoKeyring, {}, QStringLiteral("no keyring here")};
        if (!kept.contains(account)) return {Status::NotFound, {}, {}};
        return {Status::Found, kept.value(account), {}};
    }
    Result<void> store(const QString& account, const QString& password) override {
        if (!keyringAnswers) return fail(QStringLiteral("The password could not be kept in the keyring."));
        kept.insert(account, password);
        return {};
    }
    Result<void> forget(const QString& account) override {
        kept.remove(account);
        return {};
    }
};

}  // namespace markwell::testing
