// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QString>

#include <vector>

namespace markwell {

// A print header such as "&L" + path + "&R&D" or "&C&B&U&12Title", split
// into its three sections. Within a section "&B" and "&U" switch bold and
// underline on for the text that follows, "&" + digits sets the point size,
// "&D" stands for the date and "&&" for one "&".
struct HeaderRun {
    QString text;
    bool bold = false;
    bool underline = false;
    int pointSize = 0;  // 0 = the printout's normal size

    bool operator==(const HeaderRun&) const = default;
};

struct PrintHeaderParts {
    std::vector<HeaderRun> left;
    std::vector<HeaderRun> center;
    std::vector<HeaderRun> right;
};

PrintHeaderParts parsePrintHeader(const QString& header, const QString& dateText);

// The plain text of a section (its runs joined).
QString plainText(const std::vector<HeaderRun>& runs);

}  // namespace markwell
