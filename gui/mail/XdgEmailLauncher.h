// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "gui/mail/MailLauncher.h"

#include <QStringList>

namespace markwell {

// The mail launcher of the desktop: "xdg-email" (Debian: xdg-utils) opens
// the user's mail program on a new message,
//
//   xdg-email [--subject SUBJECT] [--body BODY] [--attach FILE] [RECIPIENT]
//
// (an empty part of the draft is left out),
// started from its argument list (no shell ever reads the texts) and
// watched without blocking: a missing xdg-email, one that cannot start and
// one that ends with an error are each reported through failed(). A mail
// program still running when the launcher goes (the program closes) is left
// running, with the message the teacher is writing, and its process is freed
// once it ends.
class XdgEmailLauncher : public MailLauncher {
    Q_OBJECT
public:
    explicit XdgEmailLauncher(QObject* parent = nullptr);
    ~XdgEmailLauncher() override;

    void compose(const MailDraft& draft) override;

    // The arguments xdg-email is given for the draft.
    static QStringList arguments(const MailDraft& draft);
};

}  // namespace markwell
