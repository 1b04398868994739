// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Records.h"
#include "core/scales/ScaleChecks.h"
#include "core/scales/ScaleStore.h"

#include <QDialog>

#include <optional>

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace markwell {

class BoundDelegate;
class UserDialogs;

// Grade Scale: picks, edits, saves under a new name and deletes the scales
// of this computer's store, and chooses the class's scale. One scale is
// shown at a time: a row per letter (the letters as row headings, spaces
// kept), its Min % and Max % in two columns. Saving and deleting act on the
// store at once; OK saves the scale shown under its name and makes it the
// class's scale (chosenScale()). A stored scale is shared by every class that
// uses it, so OK asks before it changes one. Cancel, Escape and closing ask
// before they throw away bounds or a kind that were changed and not saved.
class GradeScaleDialog : public QDialog {
    Q_OBJECT
public:
    // `classScale` is the class's scale as it carries it: shown from the
    // store by its name, or as carried when the store lacks it.
    GradeScaleDialog(ScaleStore& store, const CurrentGradeScale& classScale, UserDialogs& dialogs,
                     QWidget* parent = nullptr);
    ~GradeScaleDialog() override;

    // The scale as OK saved it.
    const StoredScale& chosenScale() const { return chosen_; }
    // The scale shown, with what is being typed into a cell.
    StoredScale scaleShown() const;

    QComboBox* scaleList() const { return scaleList_; }
    QTableWidget* table() const { return table_; }
    QRadioButton* kindButton(ScaleKind kind) const;
    QPushButton* deleteButton() const { return delete_; }
    QPushButton* saveAsButton() const { return saveAs_; }

public slots:
    void accept() override;
    void reject() override;
    void deleteScale();
    void saveScaleAs();

private:
    void fillScaleList(const CurrentGradeScale& classScale);
    void showSelectedScale();
    void showScale(const StoredScale& scale);
    void layOutKind(ScaleKind kind);
    void showRanges(const std::vector<LetterRange>& ranges);
    // Stores the value being typed into a cell, if any.
    void finishTyping() const;
    // True when every bound can be saved; otherwise says why and selects the
    // cell at fault, ready for the correction.
    bool boundsPass();
    void selectCellAtFault(const RangeProblem& problem);
    // Asks for a name and saves the scale shown under it; the name, or none.
    std::optional<QString> saveShownUnderName();
    // Saves under the scale's own name; says why when it cannot.
    bool save(const StoredScale& scale);
    void selectName(const QString& name);
    bool isCarried(const QString& name) const;
    // Whether saving `scale` would change the kind or bounds of a stored scale.
    bool changesStoredScale(const StoredScale& scale) const;

    ScaleStore& store_;
    UserDialogs& dialogs_;
    // The class's scale when the store lacks it, shown under its own name.
    std::optional<StoredScale> carried_;
    StoredScale chosen_;
    ScaleKind kindShown_ = ScaleKind::Standard;
    // The scale as shown or saved last: what Cancel would lose is the difference.
    StoredScale unchanged_;
    // The cell typed into last: of the two bounds a check compares, the one to correct.
    std::optional<BoundCell> lastTyped_;

    QComboBox* scaleList_;
    QTableWidget* table_;
    BoundDelegate* delegate_;
    QButtonGroup* kinds_;
    QLabel* hint_;
    QPushButton* delete_;
    QPushButton* saveAs_;
};

}  // namespace markwell
