// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QObject>

namespace markwell {

struct CommandContext;

// Scores to and from the school's learning system: File > Import Scores...
// takes a gradebook CSV through its preview as one step of the class's
// history; File > Export > For Canvas... writes the scores in the layout
// Canvas imports.
class ScoreCommands : public QObject {
    Q_OBJECT
public:
    explicit ScoreCommands(const CommandContext& context);

public slots:
    void importScores();
    void exportForCanvas();

private:
    const CommandContext& context_;
};

}  // namespace markwell
