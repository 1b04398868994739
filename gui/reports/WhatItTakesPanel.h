// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"

#include <QGroupBox>

#include <string>

class QComboBox;
class QLabel;

namespace markwell {

// "What would it take?": an assignment and a letter to choose, and in one
// sentence the fewest points the student needs on that assignment for that
// letter (or better), everything else as it stands. The answer follows
// either choice and the student at once. Reads the class, never changes it.
class WhatItTakesPanel : public QGroupBox {
    Q_OBJECT
public:
    // `cls` must outlive the panel.
    explicit WhatItTakesPanel(const ClassRecord& cls, QWidget* parent = nullptr);

    // The student the answer is for: their name as the class stores it.
    void setStudent(const std::string& name);

    QComboBox* assignmentList() const { return assignments_; }
    QComboBox* letterList() const { return letters_; }
    QString answerText() const;

private:
    void updateAnswer();

    const ClassRecord& cls_;
    std::string student_;
    QComboBox* assignments_ = nullptr;
    QComboBox* letters_ = nullptr;
    QLabel* answer_ = nullptr;
};

}  // namespace markwell
