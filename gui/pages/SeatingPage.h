// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QWidget>

namespace markwell {

class SeatingView;

// The Seating page: the class's seating chart, to arrange with the mouse
// and the keyboard (see SeatingView), and the seat commands of the window.
class SeatingPage : public QWidget {
    Q_OBJECT
public:
    explicit SeatingPage(QWidget* parent = nullptr);

    SeatingView* view() const { return view_; }

private:
    SeatingView* view_;
};

}  // namespace markwell
