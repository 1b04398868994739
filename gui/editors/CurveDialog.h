// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"
#include "core/editing/Curve.h"
#include "core/sheet/Sheet.h"

#include <QDialog>

#include <cstddef>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace markwell {

class SheetView;

// "Curve": one assignment's scores moved by one rule (add points, scale to
// the highest score, set the mean, map two scores), rounded and capped as
// chosen. Every choice shows at once what OK would do: each student's old
// and new score, and the mean, median and letter counts before and after.
// A curve that cannot be worked out says why and OK waits. Changes nothing
// itself: the caller makes the change from assignment() and rule().
class CurveDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on assignment `assignment` (from 0).
    CurveDialog(const ClassRecord& cls, std::size_t assignment, QWidget* parent = nullptr);
    ~CurveDialog() override;

    std::size_t assignment() const;
    CurveRule rule() const;

    QComboBox* assignmentChoice() const { return assignments_; }
    QRadioButton* kindButton(CurveKind kind) const;
    QDoubleSpinBox* pointsBox() const { return points_; }
    QDoubleSpinBox* meanBox() const { return mean_; }
    // The map's boxes: low, high, new low, new high.
    QDoubleSpinBox* mapBox(int index) const;
    QComboBox* roundingChoice() const { return rounding_; }
    QCheckBox* capBox() const { return cap_; }
    QPushButton* okButton() const { return ok_; }
    QString message() const;
    const Sheet& scoresSheet() const { return scores_; }
    const Sheet& effectSheet() const { return effect_; }

private:
    QWidget* makeCurveChoices();
    QWidget* makeOptions();
    // The possible points of the chosen assignment, beside the kinds that use them.
    void assignmentChosen();
    void showPreview();

    const ClassRecord& cls_;
    Sheet scores_;
    Sheet effect_;
    QComboBox* assignments_ = nullptr;
    QRadioButton* add_ = nullptr;
    QRadioButton* top_ = nullptr;
    QRadioButton* meanKind_ = nullptr;
    QRadioButton* map_ = nullptr;
    QDoubleSpinBox* points_ = nullptr;
    QDoubleSpinBox* mean_ = nullptr;
    QDoubleSpinBox* mapBoxes_[4] = {};
    QLabel* possible_ = nullptr;
    QComboBox* rounding_ = nullptr;
    QCheckBox* cap_ = nullptr;
    SheetView* scoresView_ = nullptr;
    SheetView* effectView_ = nullptr;
    QLabel* message_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace markwell
