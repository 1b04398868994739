// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QObject>

namespace markwell {

struct CommandContext;

// The class's grading rules (grade scale, weights, drop rule), each a step of
// the class's history when its window ends with OK, and the program's
// options, which belong to the program and not to the class.
class GradingRulesCommands : public QObject {
    Q_OBJECT
public:
    explicit GradingRulesCommands(const CommandContext& context);

public slots:
    void editGradeScale();
    void editWeights();
    void editDropRule();
    void editOptions();

private:
    const CommandContext& context_;
};

}  // namespace markwell
