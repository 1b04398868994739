// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/sheet/PrintHeader.h"

namespace markwell {
namespace {

struct HeaderParser {
    PrintHeaderParts parts;
    std::vector<HeaderRun>* section = &parts.center;  // text before any code is centred
    HeaderRun style;

    void append(const QString& text) {
        if (text.isEmpty()) return;
        if (!section->empty()) {
            HeaderRun& last = section->back();
            if (last.bold == style.bold && last.underline == style.underline && last.pointSize == style.pointSize) {
                last.text += text;
                return;
            }
        }
        HeaderRun run = style;
        run.text = text;
        section->push_back(run);
    }

    void switchSection(std::vector<HeaderRun>* next) {
        section = next;
        style = HeaderRun{};
    }
};

}  // namespace

PrintHeaderParts parsePrintHeader(const QString& header, const QString& dateText) {
    HeaderParser p;
    for (qsizetype i = 0; i < header.size(); ++i) {
        const QChar ch = header[i];
        if (ch != QLatin1Char('&') || i + 1 >= header.size()) {
            p.append(QString(ch));
            continue;
        }
        const QChar code = header[++i].toUpper();
        if (code == QLatin1Char('L')) p.switchSection(&p.parts.left);
        else if (code == QLatin1Char('C')) p.switchSection(&p.parts.center);
        else if (code == QLatin1Char('R')) p.switchSection(&p.parts.right);
        else if (code == QLatin1Char('B')) p.style.bold = !p.style.bold;
        else if (code == QLatin1Char('U')) p.style.underline = !p.style.underline;
        else if (code == QLatin1Char('D')) p.append(dateText);
        else if (code == QLatin1Char('&')) p.append(QStringLiteral("&"));
        else if (code.isDigit()) {
            int size = 0;
            while (i < header.size() && header[i].isDigit()) {
                size = std::min(size * 10 + header[i].digitValue(), 999);
                ++i;
            }
            --i;
            p.style.pointSize = size;
        } else {
            p.append(QStringLiteral("&") + header[i]);  // unknown code: shown as written
        }
    }
    return p.parts;
}

QString plainText(const std::vector<HeaderRun>& runs) {
    QString text;
    for (const HeaderRun& run : runs) text += run.text;
    return text;
}

}  // namespace markwell
