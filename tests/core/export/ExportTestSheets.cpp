// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "tests/core/export/ExportTestSheets.h"

#include <initializer_list>
#include <variant>

using namespace markwell;

QString repeated(const QString& unit, int count) {
    QString text;
    while (text.size() < count) text += unit;
    text.truncate(count);
    return text;
}

namespace {

// Writes a row from column 1: texts as texts, numbers as numbers.
void setRow(Sheet& s, int row, std::initializer_list<std::variant<const char*, double>> cells) {
    int col = 1;
    for (const auto& cell : cells) {
        if (const double* number = std::get_if<double>(&cell)) s.setNumber(row, col++, *number);
        else s.setText(row, col++, QString::fromUtf8(std::get<const char*>(cell)));
    }
}

}  // namespace

Sheet gradesTableSheet() {
    Sheet s;
    s.setMaxRow(7);
    s.setMaxCol(7);
    setRow(s, 1, {"Name", "Quiz 1", "Test, Unit 2", "Total", "Average", "Grade", "Hidden"});
    CellFont headingFont;
    headingFont.name = QStringLiteral("MS Sans Serif");
    headingFont.size = 8;
    headingFont.bold = true;
    headingFont.color = colour::kWhite;
    s.setFont(CellRange::rows(1, 1), headingFont);
    s.setFill(CellRange::rows(1, 1), {FillPattern::Solid, colour::kNavy, colour::kBlack});
    s.setAlignment(CellRange::rows(1, 1), {HAlign::Center, false, VAlign::Center});

    setRow(s, 2, {"Zoë O'Brien", 17.5, 88.0, 105.5, "87.46%", " B+", "x"});
    setRow(s, 3, {"Smith, \"Jo\"", "-", 100.0, 100.0, "100.00%", "A"});
    CellFont red;
    red.color = colour::kRed;
    s.setFont(CellRange::cell(3, 2), red);
    setRow(s, 4, {"Łukasz 王", 0.1, 1099511627776.0, 1.0 / 3.0, "7.81%", "F "});
    setRow(s, 5, {"Line\nBreak", -42.0, 1e-7, 123456789012.0, 536870912.0, -536870912.0});
    CellFont odd;
    odd.name = QStringLiteral("Times New Roman");
    odd.size = 12;
    odd.italic = true;
    odd.underline = true;
    odd.strikeOut = true;
    odd.color = kOddColour;
    s.setFont(CellRange::cell(5, 1), odd);

    s.setFill({6, 1, 6, 6}, {FillPattern::Solid, colour::kNavy, colour::kBlack});

    setRow(s, 7, {"Total", 17.6, 1099511627964.0});
    CellFont bold;
    bold.bold = true;
    s.setFont(CellRange::cell(7, 1), bold);

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
