// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/sheet/Sheet.h"

#include "core/common/NumberText.h"

#include <QStringList>

#include <cstdint>
#include <unordered_map>

namespace markwell {
namespace {

// A tab or line break inside a text would start a new cell or row: it is
// written as a space. All three are single bytes in UTF-8.
void appendFlattened(QByteArray& out, QByteArrayView text) {
    const qsizetype start = out.size();
    out.append(text);
    for (auto it = out.begin() + start; it != out.end(); ++it) {
        if (*it == '\t' || *it == '\n' || *it == '\r') *it = ' ';
    }
}

QString htmlColour(PlatformColour c) {
    return QStringLiteral("#%1").arg(rgbOf(c), 6, 16, QLatin1Char('0'));
}

QString cellStyle(const CellFormat& f, bool isNumber) {
    QStringList style;
    style << QStringLiteral("font-family:'%1'").arg(f.font.name.toHtmlEscaped())
          << QStringLiteral("font-size:%1pt").arg(f.font.size)
          << QStringLiteral("color:%1").arg(htmlColour(f.font.color));
    if (f.font.bold) style << QStringLiteral("font-weight:bold");
    if (f.font.italic) style << QStringLiteral("font-style:italic");
    QStringList decorations;
    if (f.font.underline) decorations << QStringLiteral("underline");
    if (f.font.strikeOut) decorations << QStringLiteral("line-through");
    if (!decorations.isEmpty()) style << QStringLiteral("text-decoration:") + decorations.join(QLatin1Char(' '));
    if (f.fill.pattern == FillPattern::Solid) {
        style << QStringLiteral("background-color:%1").arg(htmlColour(f.fill.foreground));
    }
    switch (f.alignment.horizontal) {
    case HAlign::Left: style << QStringLiteral("text-align:left"); break;
    case HAlign::Center: style << QStringLiteral("text-align:center"); break;
    case HAlign::Right: style << QStringLiteral("text-align:right"); break;
    case HAlign::General:
        if (isNumber) style << QStringLiteral("text-align:right");
        break;
    }
    return style.join(QLatin1Char(';'));
}

}  // namespace

QString Sheet::toTsv(const CellRange& range) const {
    return QString::fromUtf8(toTsvUtf8(range));
}

// Written straight into one byte array: a table of 2,000 x 200 cells is
// printed without a text object per cell (numbers, most of a table, are
// written from their digits).
QByteArray Sheet::toTsvUtf8(const CellRange& range) const {
    const CellRange r = resolve(range);
    QByteArray out;
    if (r.r1 <= r.r2 && r.c1 <= r.c2) out.reserve(qsizetype(r.r2 - r.r1 + 1) * (r.c2 - r.c1 + 1) * 4);
    for (int row = r.r1; row <= r.r2; ++row) {
        for (int col = r.c1; col <= r.c2; ++col) {
            if (col > r.c1) out.append('\t');
            const Cell* cell = find(row, col);
            if (!cell) continue;
            if (cell->kind == CellKind::Number) {
                appendGeneralText(out, cell->number);
            } else if (cell->kind == CellKind::Text) {
                appendFlattened(out, textOf(*cell).toUtf8());
            }
        }
        out.append('\n');
    }
    return out;
}

QString Sheet::toHtml(const CellRange& range) const {
    const CellRange r = resolve(range);
    // A table shares a few formats among thousands of cells: build each
    // style text once.
    std::unordered_map<std::uintptr_t, QString> styles;
    auto styleOf = [&](int row, int col) -> const QString& {
        const CellFormat& f = format(row, col);
        const bool isNumber = kind(row, col) == CellKind::Number;
        const auto key = reinterpret_cast<std::uintptr_t>(&f) * 2 + (isNumber ? 1 : 0);
        auto it = styles.find(key);
        if (it == styles.end()) it = styles.emplace(key, cellStyle(f, isNumber)).first;
        return it->second;
    };
    QString out = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">\n");
    for (int row = r.r1; row <= r.r2; ++row) {
        out += QLatin1String("<tr>");
        for (int col = r.c1; col <= r.c2; ++col) {
            out += QLatin1String("<td style=\"");
            out += styleOf(row, col);
            out += QLatin1String("\">");
            out += text(row, col).toHtmlEscaped();
            out += QLatin1String("</td>");
        }
        out += QLatin1String("</tr>\n");
    }
    out += QLatin1String("</table>\n");
    return out;
}

}  // namespace markwell
