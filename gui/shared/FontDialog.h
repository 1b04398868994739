// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "gui/shared/UserDialogs.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QPushButton;

namespace markwell {

// Font of the grades table: face, size, style and colour, with a sample.
class FontDialog : public QDialog {
    Q_OBJECT
public:
    explicit FontDialog(const UserDialogs::FontChoice& initial, QWidget* parent = nullptr);

    UserDialogs::FontChoice choice() const;

private:
    void updateSample();
    void chooseColour();

    QString initialFamily_;
    bool familyChanged_ = false;
    QColor colour_;
    QFontComboBox* family_;
    QComboBox* size_;
    QCheckBox* bold_;
    QCheckBox* italic_;
    QCheckBox* underline_;
    QCheckBox* strikeOut_;
    QPushButton* colourButton_;
    QLabel* sample_;
};

}  // namespace markwell
