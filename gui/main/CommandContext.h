// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "gui/document/ChangeScope.h"
#include "gui/main/CommandRules.h"

#include <functional>

class QAction;
class QObject;
class QString;
class QWidget;

namespace markwell {

class AttendancePage;
class Change;
class DocumentCommands;
class GradesPage;
class MailPasswords;
struct MainActions;
class OpenClass;
class PasswordProtection;
class ScaleStore;
class SeatingPage;
class SettingsStore;
class UserDialogs;

// What every command object of the main window works with, given to each in
// the same way: the open class, the questions and messages, the window that
// is the parent of their dialogs, the actions, the stores of the program and
// the pages. The window redraws after a change (OpenClass::changed); the
// command objects only make changes.
struct CommandContext {
    struct Stores {
        ScaleStore& scales;
        SettingsStore& settings;
        PasswordProtection& passwords;
    };
    struct Pages {
        GradesPage* grades = nullptr;
        AttendancePage* attendance = nullptr;
        SeatingPage* seating = nullptr;
        std::function<Page()> shown;
    };

    OpenClass& open;
    UserDialogs& dialogs;
    QWidget* window;
    const MainActions& actions;
    Stores stores;
    Pages pages;
    // Ends the typing of a value into the grades table, storing (or refusing) it.
    std::function<void()> finishTyping;
    // A passing word on the status line.
    std::function<void(const QString&)> notice;
    // Where the mail server's password is kept; a test may put a store of its own there.
    std::function<MailPasswords&()> mailPasswords;
    // New, Open and Save, for the commands that open or save a class on the
    // way; set once they exist.
    DocumentCommands* documents = nullptr;

    // Runs `command` when `action` is triggered, after storing a value still
    // being typed: it is part of the class every command works on.
    void onTriggered(QAction* action, QObject* receiver, std::function<void()> command) const;
    // Makes the change through the open class; a refusal is shown over the window.
    Result<void> apply(const Change& change, const ChangeScope& scope = ChangeScope::everything()) const;
};

}  // namespace markwell
