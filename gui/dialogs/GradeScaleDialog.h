#pragma once

#include "data/Records.h"
#include "scales/ScaleStore.h"

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
// class's scale (chosenScale()).
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
    // True when every bound can be saved; otherwise says why and selects the cell.
    bool boundsPass();
    // Saves under the scale's own name; says why when it cannot.
    bool save(const StoredScale& scale);
    void selectName(const QString& name);
    bool isCarried(const QString& name) const;

    ScaleStore& store_;
    UserDialogs& dialogs_;
    // The class's scale when the store lacks it, shown under its own name.
    std::optional<StoredScale> carried_;
    StoredScale chosen_;
    ScaleKind kindShown_ = ScaleKind::Standard;

    QComboBox* scaleList_;
    QTableWidget* table_;
    BoundDelegate* delegate_;
    QButtonGroup* kinds_;
    QLabel* hint_;
    QPushButton* delete_;
    QPushButton* saveAs_;
};

}  // namespace markwell
