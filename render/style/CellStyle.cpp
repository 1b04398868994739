// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "render/style/CellStyle.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace markwell {
namespace {

enum class FaceKind { Sans, Serif, Fixed, Unknown };

// Faces of the other desktop that class files name, by the kind of family
// that stands in for them.
FaceKind kindOfKnownFace(const QString& face) {
    static const QHash<QString, FaceKind> known = {
        {QStringLiteral("ms sans serif"), FaceKind::Sans},
        {QStringLiteral("microsoft sans serif"), FaceKind::Sans},
        {QStringLiteral("ms shell dlg"), FaceKind::Sans},
        {QStringLiteral("ms shell dlg 2"), FaceKind::Sans},
        {QStringLiteral("arial"), FaceKind::Sans},
        {QStringLiteral("helvetica"), FaceKind::Sans},
        {QStringLiteral("tahoma"), FaceKind::Sans},
        {QStringLiteral("verdana"), FaceKind::Sans},
        {QStringLiteral("segoe ui"), FaceKind::Sans},
        {QStringLiteral("trebuchet ms"), FaceKind::Sans},
        {QStringLiteral("calibri"), FaceKind::Sans},
        {QStringLiteral("small fonts"), FaceKind::Sans},
        {QStringLiteral("system"), FaceKind::Sans},
        {QStringLiteral("ms serif"), FaceKind::Serif},
        {QStringLiteral("times new roman"), FaceKind::Serif},
        {QStringLiteral("times"), FaceKind::Serif},
        {QStringLiteral("georgia"), FaceKind::Serif},
        {QStringLiteral("cambria"), FaceKind::Serif},
        {QStringLiteral("book antiqua"), FaceKind::Serif},
        {QStringLiteral("courier new"), FaceKind::Fixed},
        {QStringLiteral("courier"), FaceKind::Fixed},
        {QStringLiteral("lucida console"), FaceKind::Fixed},
        {QStringLiteral("consolas"), FaceKind::Fixed},
        {QStringLiteral("fixedsys"), FaceKind::Fixed},
        {QStringLiteral("terminal"), FaceKind::Fixed},
    };
    return known.value(face.trimmed().toLower(), FaceKind::Unknown);
}

// The desktop's own family for a kind of face.
QString genericFamily(FaceKind kind) {
    QFont probe;
    switch (kind) {
    case FaceKind::Serif:
        probe.setFamily(QStringLiteral("serif"));
        probe.setStyleHint(QFont::Serif);
        break;
    case FaceKind::Fixed:
        probe.setFamily(QStringLiteral("monospace"));
        probe.setStyleHint(QFont::TypeWriter);
        break;
    case FaceKind::Sans:
    case FaceKind::Unknown: return QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family();
    }
    return QFontInfo(probe).family();
}

}  // namespace

QColor toQColor(PlatformColour colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

PlatformColour toPlatformColour(const QColor& colour) {
    return static_cast<PlatformColour>(colour.red() | (colour.green() << 8) | (colour.blue() << 16));
}

QString availableFamily(const QString& face) {
    // Looking a family up in the font database is slow; a table uses a few.
    static QHash<QString, QString> cache;
    const auto found = cache.constFind(face);
    if (found != cache.constEnd()) return *found;
    QString family;
    if (face.trimmed().isEmpty()) {
        family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    } else if (QFontDatabase::hasFamily(face)) {
        family = face;
    } else {
        // The desktop's font matching knows metric-compatible stand-ins for
        // the common faces (Arial, Courier New, Times New Roman). A face it
        // does not know falls to the default sans-serif, which is right for
        // "MS Sans Serif" but not for a serif or fixed-pitch face.
        family = QFontInfo(QFont(face)).family();
        const FaceKind kind = kindOfKnownFace(face);
        if ((kind == FaceKind::Serif || kind == FaceKind::Fixed) && family == genericFamily(FaceKind::Sans)) {
            family = genericFamily(kind);
        }
    }
    cache.insert(face, family);
    return family;
}

QFont toQFont(const CellFont& font) {
    QFont f(availableFamily(font.name));
    f.setPointSizeF(font.size > 0 ? font.size : 10.0);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeOut);
    return f;
}

QString bodyFace(const Sheet& sheet) {
    return sheet.format(std::min(2, std::max(sheet.maxRow(), 1)), 1).font.name;
}

double characterUnitWidth(const QString& face, const QPaintDevice* device) {
    QFont unitFont(availableFamily(face));
    unitFont.setPointSizeF(10.0);
    const QFontMetricsF metrics = device ? QFontMetricsF(unitFont, device) : QFontMetricsF(unitFont);
    return metrics.horizontalAdvance(QLatin1Char('0'));
}

std::vector<double> columnWidthsOn(const Sheet& sheet, double padding, const QPaintDevice* device) {
    std::vector<int> cols(static_cast<std::size_t>(std::max(sheet.maxCol(), 0)));
    std::iota(cols.begin(), cols.end(), 1);
    return columnWidthsOn(sheet, padding, device, cols);
}

std::vector<double> columnWidthsOn(const Sheet& sheet, double padding, const QPaintDevice* device,
                                   const std::vector<int>& cols) {
    constexpr int kMeasured = 3;
    struct Longest {
        std::array<std::pair<qsizetype, int>, kMeasured> rows{};  // (length, row), longest first
    };
    std::vector<Longest> longest(cols.size());
    for (int row = 1; row <= sheet.maxRow(); ++row) {
        for (std::size_t i = 0; i < cols.size(); ++i) {
            if (sheet.kind(row, cols[i]) != CellKind::Text) continue;
            const qsizetype length = sheet.text(row, cols[i]).size();
            auto& top = longest[i].rows;
            if (length <= top.back().first) continue;
            top.back() = {length, row};
            std::sort(top.begin(), top.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
        }
    }

    const double unit = characterUnitWidth(bodyFace(sheet), device);
    std::vector<std::pair<CellFont, QFontMetricsF>> metrics;
    const auto metricsOf = [&](const CellFont& font) -> const QFontMetricsF& {
        for (const auto& [known, m] : metrics) {
            if (known == font) return m;
        }
        const QFont qfont = toQFont(font);
        metrics.emplace_back(font, device ? QFontMetricsF(qfont, device) : QFontMetricsF(qfont));
        return metrics.back().second;
    };

    std::vector<double> widths;
    widths.reserve(cols.size());
    for (std::size_t i = 0; i < cols.size(); ++i) {
        const double units = sheet.colWidth(cols[i]);
        double width = units * unit;
        if (units > 0) {
            for (const auto& [length, row] : longest[i].rows) {
                if (length == 0) break;
                const double needed =
                    metricsOf(sheet.format(row, cols[i]).font).horizontalAdvance(sheet.text(row, cols[i]));
                width = std::max(width, needed + padding);
            }
        }
        widths.push_back(width);
    }
    return widths;
}

Qt::Alignment toQtAlignment(const CellAlignment& alignment, CellKind kind) {
    Qt::Alignment result;
    switch (alignment.horizontal) {
    case HAlign::Left: result = Qt::AlignLeft; break;
    case HAlign::Center: result = Qt::AlignHCenter; break;
    case HAlign::Right: result = Qt::AlignRight; break;
    case HAlign::General: result = kind == CellKind::Number ? Qt::AlignRight : Qt::AlignLeft; break;
    }
    switch (alignment.vertical) {
    // Rows are as tall as their type plus a little room, so "bottom" text is
    // drawn centred like the rest of its row rather than a few pixels lower.
    case VAlign::Bottom: result |= Qt::AlignVCenter; break;
    case VAlign::Center: result |= Qt::AlignVCenter; break;
    case VAlign::Top: result |= Qt::AlignTop; break;
    }
    return result;
}

}  // namespace markwell
