// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/reports/WhatItTakesPanel.h"

#include "core/common/Cp1252.h"
#include "core/common/NumberText.h"
#include "core/grading/LetterGrade.h"
#include "core/reports/WhatItTakes.h"
#include "gui/editors/EditorSupport.h"
#include "gui/shared/Translations.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

namespace markwell {

WhatItTakesPanel::WhatItTakesPanel(const ClassRecord& cls, QWidget* parent)
    : QGroupBox(tr("What would it take?"), parent), cls_(cls) {
    setObjectName(QStringLiteral("whatItTakes"));

    assignments_ = new QComboBox;
    assignments_->setObjectName(QStringLiteral("assignmentList"));
    assignments_->setAccessibleName(tr("Assignment"));
    for (const AssignmentInfo& assignment : cls_.assignments)
        assignments_->addItem(cp1252::toUnicode(assignment.title));
    // The last assignment is most often the one still to come.
    assignments_->setCurrentIndex(assignments_->count() - 1);

    letters_ = new QComboBox;
    letters_->setObjectName(QStringLiteral("letterList"));
    letters_->setAccessibleName(tr("Letter"));
    for (const QString& letter : scaleLetterTexts(cls_.gradeScale)) letters_->addItem(letter.trimmed());

    answer_ = new QLabel;
    answer_->setObjectName(QStringLiteral("whatItTakesAnswer"));
    answer_->setAccessibleName(tr("What it would take"));
    answer_->setWordWrap(true);
    // Reachable with Tab and readable by a screen reader, like the lists.
    answer_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    answer_->setFocusPolicy(Qt::TabFocus);

    auto* form = new QFormLayout(this);
    form->addRow(tr("&Assignment"), assignments_);
    form->addRow(tr("&Letter"), letters_);
    form->addRow(answer_);

    connect(assignments_, &QComboBox::currentIndexChanged, this, &WhatItTakesPanel::updateAnswer);
    connect(letters_, &QComboBox::currentIndexChanged, this, &WhatItTakesPanel::updateAnswer);
    // The answer follows a choice at once: Enter in a list has nothing left
    // to confirm, and must not reach the window's Close button.
    for (QComboBox* list : {assignments_, letters_}) onEnterKey(list, [] {});
}

void WhatItTakesPanel::setStudent(const std::string& name) {
    student_ = name;
    updateAnswer();
}

QString WhatItTakesPanel::answerText() const {
    return answer_->text();
}

void WhatItTakesPanel::updateAnswer() {
    const int assignment = assignments_->currentIndex();
    if (assignment < 0) {
        answer_->setText(tr("The class has no assignments."));
        return;
    }
    if (letters_->currentIndex() < 0) {
        answer_->setText(tr("The grade scale has no letters."));
        return;
    }
    const Result<WhatItTakes> answer =
        whatItTakes(cls_, student_, static_cast<std::size_t>(assignment), letters_->currentText());
    answer_->setText(
        numbersInTextWithPoint(answer ? whatItTakesSentence(*answer) : answer.message(), windowDecimalPoint()));
}

}  // namespace markwell
