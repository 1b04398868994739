// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "tests/core/export/ExportTestSheets.h"

#include <QStringList>

using namespace markwell;

QString repeated(const QString& unit, int count) {
    QString text;
    while (text.size() < count) text += unit;
    text.truncate(count);
    return text;
}

Sheet gradesTableSheet() {
    Sheet s;
    s.setMaxRow(7);
    s.setMaxCol(7);
    const QStringList heading = {QStringLiteral("Name"),  QStringLiteral("Quiz 1"),  QStringLiteral("Test, Unit 2"),
                                 QStringLiteral("Total"), QStringLiteral("Average"), QStringLiteral("Grade"),
                                 QStringLiteral("Hidden")};
    for (int c = 1; c <= 7; ++c) s.setText(1, c, heading[c - 1]);
    CellFont headingFont;
    headingFont.name = QStringLiteral("MS Sans Serif");
    headingFont.size = 8;
    headingFont.bold = true;
    headingFont.color = colour::kWhite;
    s.setFont(CellRange::rows(1, 1), headingFont);
    s.setFill(CellRange::rows(1, 1), {FillPattern::Solid, colour::kNavy, colour::kBlack});
    s.setAlignment(CellRange::rows(1, 1), {HAlign::Center, false, VAlign::Center});

    s.setText(2, 1, QStringLiteral("Zoë O'Brien"));
    s.setNumber(2, 2, 17.5);
    s.setNumber(2, 3, 88);
    s.setNumber(2, 4, 105.5);
    s.setText(2, 5, QStringLiteral("87.46%"));
    s.setText(2, 6, QStringLiteral(" B+"));
    s.setText(2, 7, QStringLiteral("x"));

    s.setText(3, 1, QStringLiteral("Smith, \"Jo\""));
    s.setText(3, 2, QStringLiteral("-"));
    CellFont red;
    red.color = colour::kRed;
    s.setFont(CellRange::cell(3, 2), red);
    s.setNumber(3, 3, 100);
    s.setNumber(3, 4, 100);
    s.setText(3, 5, QStringLiteral("100.00%"));
    s.setText(3, 6, QStringLiteral("A"));

    s.setText(4, 1, QStringLiteral("Łukasz 王"));
    s.setNumber(4, 2, 0.1);
    s.setNumber(4, 3, 1099511627776.0);
    s.setNumber(4, 4, 1.0 / 3.0);
    s.setText(4, 5, QStringLiteral("7.81%"));
    s.setText(4, 6, QStringLiteral("F "));

    s.setText(5, 1, QStringLiteral("Line\nBreak"));
    CellFont odd;
    odd.name = QStringLiteral("Times New Roman");
    odd.size = 12;
    odd.italic = true;
    odd.underline = true;
    odd.strikeOut = true;
    odd.color = kOddColour;
    s.setFont(CellRange::cell(5, 1), odd);
    s.setNumber(5, 2, -42);
    s.setNumber(5, 3, 1e-7);
    s.setNumber(5, 4, 123456789012.0);
    s.setNumber(5, 5, 536870912.0);
    s.setNumber(5, 6, -536870912.0);

    s.setFill({6, 1, 6, 6}, {FillPattern::Solid, colour::kNavy, colour::kBlack});

    s.setText(7, 1, QStringLiteral("Total"));
    CellFont bold;
    bold.bold = true;
    s.setFont(CellRange::cell(7, 1), bold);
    s.setNumber(7, 2, 17.6);
    s.setNumber(7, 3, 1099511627964.0);

    s.setNumberFormat(CellRange::cols(4, 4), QStringLiteral("0.0"));
    s.setColWidth(1, 24.5);
    s.setColWidth(6, 6);
    s.setColWidth(7, 0);
    s.setFixedCols(1);
    s.setShowGridLines(false);
    s.print().header = QStringLiteral("&L/home/teacher/Class 5.grs&C&B&U&12Grades&R&D");
    s.print().title = QStringLiteral("Grades of Class 5");
    s.print().gridLines = true;
    s.print().centerHorizontally = true;
    return s;
}
