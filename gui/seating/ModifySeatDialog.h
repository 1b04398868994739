// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Records.h"

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QPushButton;

namespace markwell {

class SeatExample;
class UserDialogs;

// "Modify Seating Chart": the caption (a student's name), the font and the
// fill colour of a seat, with an example seat drawn as the chart draws it.
// The dialog works on a copy; seat() hands it back after OK.
//
// Editing a seat whose caption is no student's name (renamed, gone, or from
// a file) offers that caption first and keeps it unless another is chosen,
// so that OK after a change of colour renames nothing. The caption
// "Teacher" is refused with the reason: the seating file keeps it for the
// teacher's desk.
class ModifySeatDialog : public QDialog {
    Q_OBJECT
public:
    // `students` in class order; `seat` is the seat to edit, or none to add one.
    ModifySeatDialog(const std::vector<StudentInfo>& students, const std::optional<SeatingInfo>& seat,
                     UserDialogs& dialogs, QWidget* parent = nullptr);
    ~ModifySeatDialog() override;

    // The seat as chosen: caption, font and fill (its place and size as given).
    const SeatingInfo& seat() const { return seat_; }

    void accept() override;

private:
    void takeName(int index);
    void chooseFont();
    void chooseFillColour();

    UserDialogs& dialogs_;
    SeatingInfo seat_;
    std::vector<std::string> captions_;  // the bytes of each name offered
    QComboBox* names_;
    QPushButton* fontButton_;
    QPushButton* fillButton_;
    SeatExample* example_;
};

}  // namespace markwell
