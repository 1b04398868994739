// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "gui/mail/MailPasswords.h"

#include <QCoreApplication>

namespace markwell {

// The desktop's keyring (the Secret Service of GNOME, KDE and others)
// through QtKeychain, with no plain-file fallback: where no keyring
// answers, nothing is kept. Each call waits for the keyring's answer
// (at most kLongestWaitMs), the window still drawing meanwhile.
class KeyringMailPasswords : public MailPasswords {
    Q_DECLARE_TR_FUNCTIONS(KeyringMailPasswords)
public:
    static constexpr int kLongestWaitMs = 30000;

    Lookup read(const QString& account) override;
    Result<void> store(const QString& account, const QString& password) override;
    Result<void> forget(const QString& account) override;
};

}  // namespace markwell
