// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/main/CommandContext.h"

#include "gui/document/OpenClass.h"
#include "gui/shared/UserDialogs.h"

#include <QAction>

#include <utility>

namespace markwell {

void CommandContext::onTriggered(QAction* action, QObject* receiver, std::function<void()> command) const {
    QObject::connect(action, &QAction::triggered, receiver, [finish = finishTyping, command = std::move(command)] {
        finish();
        command();
    });
}

Result<void> CommandContext::apply(const Change& change, const ChangeScope& scope) const {
    Result<void> applied = open.apply(change, scope);
    if (!applied) dialogs.warn(window, applied.message());
    return applied;
}

}  // namespace markwell
