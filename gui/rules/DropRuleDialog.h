// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Records.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QRadioButton;

namespace markwell {

// Drop Scores: none, the lowest score overall, or the lowest score of each
// ticked assignment type.
class DropRuleDialog : public QDialog {
    Q_OBJECT
public:
    explicit DropRuleDialog(const DropLowScoreInfo& current, QWidget* parent = nullptr);

    // The rule as chosen; the type flags only with the by-type rule.
    DropLowScoreInfo rule() const;

    // The button of droprule::kNone, kLowestOverall or kLowestPerType.
    QRadioButton* ruleButton(std::int32_t dropType) const;
    QCheckBox* typeBox(int typeIndex) const { return typeBoxes_[static_cast<std::size_t>(typeIndex)]; }

private:
    // The type boxes count only for the by-type rule: cleared and disabled otherwise.
    void ruleChosen();

    QButtonGroup* rules_;
    std::array<QCheckBox*, 6> typeBoxes_{};
};

}  // namespace markwell
