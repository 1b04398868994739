#include "sheet/Sheet.h"

#include <QStringList>

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
    case HAlign::General: if (isNumber) style << QStringLiteral("text-align:right"); break;
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
    QString out = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">\n");
    for (int row = r.r1; row <= r.r2; ++row) {
        out += QStringLiteral("<tr>");
        for (int col = r.c1; col <= r.c2; ++col) {
            out += QStringLiteral("<td style=\"%1\">%2</td>")
                       .arg(cellStyle(format(row, col), kind(row, col) == CellKind::Number),
                            text(row, col).toHtmlEscaped());
        }
        out += QStringLiteral("</tr>\n");
    }
    out += QStringLiteral("</table>\n");
    return out;
}

}  // namespace markwell
