// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Records.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QSpinBox;

namespace markwell {

class UserDialogs;

// Weighted Grades: the share of each assignment type in the average, and
// whether the average is weighted at all. OK needs shares that make 100.
class WeightsDialog : public QDialog {
    Q_OBJECT
public:
    WeightsDialog(const WeightedGrades& current, UserDialogs& dialogs, QWidget* parent = nullptr);

    // The weights and the switch as the dialog holds them.
    WeightedGrades weights() const;

    QSpinBox* weightBox(int typeIndex) const { return weightBoxes_[static_cast<std::size_t>(typeIndex)]; }
    QCheckBox* useBox() const { return use_; }

public slots:
    void accept() override;

private:
    void showTotal();

    UserDialogs& dialogs_;
    std::array<QSpinBox*, 6> weightBoxes_{};
    QCheckBox* use_;
    QLabel* total_;
};

}  // namespace markwell
