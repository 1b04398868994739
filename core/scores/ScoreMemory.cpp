// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/scores/ScoreMemory.h"

#include "core/common/Cp1252.h"
#include "core/scores/ScoreColumns.h"

#include <array>

namespace markwell {
namespace {

const QString kScoreImport = QStringLiteral("Score Import");
const QString kColumns = QStringLiteral("Columns");
const QString kMatch = QStringLiteral("Match");
const QString kMissingAsZero = QStringLiteral("Missing as zero");
const QString kAddStudents = QStringLiteral("Add students");
const QString kIgnore = QStringLiteral("ignore");
const QString kAssignmentPrefix = QStringLiteral("assignment:");
const QString kNewPrefix = QStringLiteral("new:");
// Headings of every file of a layout pile up over the years; past this many
// the old ones are forgotten.
constexpr qsizetype kMostRememberedColumns = 2000;

struct RoleWord {
    ColumnRole role;
    const char* word;
};
constexpr std::array kRoleWords = {
    RoleWord{ColumnRole::Name, "name"},          RoleWord{ColumnRole::FirstName, "first name"},
    RoleWord{ColumnRole::LastName, "last name"}, RoleWord{ColumnRole::StudentId, "id"},
    RoleWord{ColumnRole::Email, "email"},        RoleWord{ColumnRole::Login, "login"},
};

QString wordOf(const ColumnUse& use, const ClassRecord& cls) {
    if (use.role == ColumnRole::Score) {
        if (!use.assignment) return kNewPrefix + use.newType;
        return kAssignmentPrefix + cp1252::toUnicode(cls.assignments[*use.assignment].title);
    }
    for (const RoleWord& r : kRoleWords) {
        if (r.role == use.role) return QLatin1String(r.word);
    }
    return kIgnore;
}

std::optional<ColumnUse> useOf(const QString& word, const ScoreColumn& column, const AssignmentTitles& titles) {
    if (word == kIgnore) return ColumnUse{};
    if (word.startsWith(kNewPrefix)) return newAssignmentUse(column, word.mid(kNewPrefix.size()));
    if (word.startsWith(kAssignmentPrefix)) {
        const std::optional<std::size_t> assignment = titles.find(word.mid(kAssignmentPrefix.size()));
        if (!assignment) return std::nullopt;
        return ColumnUse{ColumnRole::Score, assignment, {}, {}, {}};
    }
    for (const RoleWord& r : kRoleWords) {
        if (word == QLatin1String(r.word)) return ColumnUse{r.role, std::nullopt, {}, {}, {}};
    }
    return std::nullopt;
}

}  // namespace

void rememberScoreMapping(SettingsStore& settings, const ScoreTable& table, const ScoreMapping& mapping,
                          const ClassRecord& cls) {
    const SettingsGroup group{kScoreImport, layoutKey(table.layout)};
    const SettingsGroup columns = group + QStringList{kColumns};
    settings.writeString(group, kMatch, matchByWord(mapping.matchBy));
    settings.writeBool(group, kMissingAsZero, mapping.missingAsZero);
    settings.writeBool(group, kAddStudents, mapping.addStudents);
    if (settings.valueNames(columns).size() > kMostRememberedColumns) settings.removeGroup(columns);
    for (std::size_t c = 0; c < table.columns.size() && c < mapping.columns.size(); ++c) {
        const QString heading = plainHeading(table.columns[c].heading);
        if (!heading.isEmpty()) settings.writeString(columns, heading, wordOf(mapping.columns[c], cls));
    }
}

void recallScoreMapping(const SettingsStore& settings, const ScoreTable& table, const ClassRecord& cls,
                        ScoreMapping& mapping) {
    const SettingsGroup group{kScoreImport, layoutKey(table.layout)};
    const SettingsGroup columns = group + QStringList{kColumns};
    if (const std::optional<QString> match = settings.readString(group, kMatch)) {
        mapping.matchBy = matchByFromWord(*match).value_or(mapping.matchBy);
    }
    mapping.missingAsZero = settings.readBool(group, kMissingAsZero).value_or(mapping.missingAsZero);
    mapping.addStudents = settings.readBool(group, kAddStudents).value_or(mapping.addStudents);
    const AssignmentTitles titles(cls);
    for (std::size_t c = 0; c < table.columns.size() && c < mapping.columns.size(); ++c) {
        const QString heading = plainHeading(table.columns[c].heading);
        if (heading.isEmpty()) continue;
        const std::optional<QString> word = settings.readString(columns, heading);
        if (!word) continue;
        if (std::optional<ColumnUse> use = useOf(*word, table.columns[c], titles)) mapping.columns[c] = *use;
    }
}

}  // namespace markwell
