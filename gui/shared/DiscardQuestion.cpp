// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/shared/DiscardQuestion.h"

#include "gui/shared/UserDialogs.h"

#include <QCoreApplication>
#include <QWidget>

namespace markwell {
namespace {

struct DiscardQuestion {
    Q_DECLARE_TR_FUNCTIONS(DiscardQuestion)
};

}  // namespace

bool confirmDiscard(UserDialogs& dialogs, QWidget* dialog) {
    const QString question = DiscardQuestion::tr("Discard what you typed in \"%1\"?").arg(dialog->windowTitle());
    return dialogs.askChoice(dialog, question, {DiscardQuestion::tr("Discard"), DiscardQuestion::tr("Keep editing")}) ==
           0;
}

}  // namespace markwell
