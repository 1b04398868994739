#include "core/sheet/Sheet.h"

#include <QStringList>

#include <cstdint>
#include <unordered_map>

namespace markwell {
namespace {

QString flattened(QString text) {
    for (QChar& ch : text) {
        if (ch == QLatin1Char('\t') || ch == QLatin1Char('\n') || ch == QLatin1Char('\r')) ch = QLatin1Char(' ');
    }
    return text;
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
    const CellRange r = resolve(range);
    QString out;
    for (int row = r.r1; row <= r.r2; ++row) {
        for (int col = r.c1; col <= r.c2; ++col) {
            if (col > r.c1) out += QLatin1Char('\t');
            out += flattened(text(row, col));
        }
        out += QLatin1Char('\n');
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
