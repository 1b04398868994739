// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/reports/ReportContents.h"

#include <QCoreApplication>
#include <QStringList>

#include <array>

namespace markwell {
namespace {

struct ReportContentsText {
    Q_DECLARE_TR_FUNCTIONS(ReportContents)
};

struct Part {
    const char* name;
    bool ReportContents::*chosen;
};
constexpr std::array kParts = {
    Part{"overall", &ReportContents::overall}, Part{"type", &ReportContents::byType},
    Part{"why", &ReportContents::why},         Part{"attendance", &ReportContents::attendance},
    Part{"comment", &ReportContents::comment},
};

QString partNames() {
    QStringList names;
    for (const Part& part : kParts) names << QLatin1String(part.name);
    return names.join(QStringLiteral(", "));
}

}  // namespace

Result<ReportContents> contentsFromList(const QString& list, ReportContents base) {
    ReportContents contents = std::move(base);
    for (const Part& part : kParts) contents.*part.chosen = false;
    if (list.trimmed().isEmpty()) return contents;  // the student's name, grade and the note alone
    QStringList seen;
    for (const QString& item : list.split(QLatin1Char(','))) {
        const QString name = item.trimmed().toLower();
        const auto part = std::find_if(kParts.begin(), kParts.end(),
                                       [&name](const Part& p) { return name == QLatin1String(p.name); });
        if (part == kParts.end()) {
            return fail(
                ReportContentsText::tr("\"%1\" is not a part of a report (%2).").arg(item.trimmed(), partNames()));
        }
        if (seen.contains(name)) return fail(ReportContentsText::tr("\"%1\" is named twice.").arg(name));
        seen << name;
        contents.*part->chosen = true;
    }
    return contents;
}

QString contentsList(const ReportContents& contents) {
    QStringList names;
    for (const Part& part : kParts) {
        if (contents.*part.chosen) names << QLatin1String(part.name);
    }
    return names.join(QLatin1Char(','));
}

}  // namespace markwell
