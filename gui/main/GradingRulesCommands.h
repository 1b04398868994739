// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QObject>

namespace markwell {

class Change;
class ClassHistory;
class MainWindow;
struct MainActions;
class PasswordProtection;
class ScaleStore;
class SettingsStore;
class UserDialogs;

// The class's grading rules (grade scale, weights, drop rule), each a step of
// the class's history when its window ends with OK, and the program's
// options, which belong to the program and not to the class.
class GradingRulesCommands : public QObject {
    Q_OBJECT
public:
    struct Stores {
        ScaleStore& scales;
        SettingsStore& settings;
        PasswordProtection& passwords;
    };
    GradingRulesCommands(MainWindow& window, ClassHistory& history, UserDialogs& dialogs, Stores stores,
                         const MainActions& actions);

public slots:
    void editGradeScale();
    void editWeights();
    void editDropRule();
    void editOptions();

private:
    // A refused change is shown and the class stays.
    void applyChange(const Change& change);

    MainWindow& window_;
    ClassHistory& history_;
    UserDialogs& dialogs_;
    Stores stores_;
};

}  // namespace markwell
