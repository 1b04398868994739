// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/document/EarlierVersions.h"
#include "core/sheet/Sheet.h"

#include <QDialog>

#include <optional>
#include <vector>

class QLabel;
class QPushButton;

namespace markwell {

class SheetView;

// Earlier Versions: the versions kept of the open class, newest first, with
// when each was saved and how many students and assignments it has. Open
// (or a double click on a row) ends the dialog with the version chosen;
// nothing is changed here, and the class on disk never is.
class EarlierVersionsDialog : public QDialog {
    Q_OBJECT
public:
    EarlierVersionsDialog(const QString& gradePath, std::vector<EarlierVersion> versions, QWidget* parent = nullptr);
    ~EarlierVersionsDialog() override;

    SheetView* view() const { return view_; }
    QPushButton* openButton() const { return open_; }
    // The version on the selected row (after Open: the one chosen).
    std::optional<EarlierVersion> chosenVersion() const;

private:
    void updateOpenButton();

    std::vector<EarlierVersion> versions_;
    Sheet table_;
    SheetView* view_;
    QPushButton* open_;
};

}  // namespace markwell
