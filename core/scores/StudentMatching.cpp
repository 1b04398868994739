// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/scores/StudentMatching.h"

#include "core/common/Cp1252.h"

#include <array>

namespace markwell {
namespace {

constexpr std::array<const char*, 4> kMatchWords = {"auto", "id", "email", "name"};

QString folded(const QString& text) {
    return text.simplified().toCaseFolded();
}

QString withoutAccents(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString plain;
    plain.reserve(decomposed.size());
    for (QChar ch : decomposed) {
        if (ch.category() != QChar::Mark_NonSpacing) plain += ch;
    }
    return plain;
}

void addKey(QHash<QString, std::vector<std::size_t>>& index, const QString& key, std::size_t student) {
    if (!key.isEmpty()) index[key].push_back(student);
}

}  // namespace

QString matchByWord(MatchBy by) {
    return QLatin1String(kMatchWords[static_cast<std::size_t>(by)]);
}

std::optional<MatchBy> matchByFromWord(const QString& word) {
    for (std::size_t i = 0; i < kMatchWords.size(); ++i) {
        if (word == QLatin1String(kMatchWords[i])) return static_cast<MatchBy>(i);
    }
    return std::nullopt;
}

QString nameKey(const QString& name) {
    QString text = name;
    if (const qsizetype comma = text.indexOf(QLatin1Char(',')); comma >= 0) {
        text = text.mid(comma + 1) + QLatin1Char(' ') + text.left(comma);
    }
    return folded(withoutAccents(text));
}

StudentIndex::StudentIndex(const ClassRecord& cls) {
    ids_.reserve(cls.students.size());
    for (std::size_t i = 0; i < cls.students.size(); ++i) {
        const StudentInfo& s = cls.students[i];
        ids_.push_back(folded(cp1252::toUnicode(s.id)));
        addKey(byId_, ids_.back(), i);
        addKey(byEmail_, folded(cp1252::toUnicode(s.student_email)), i);
        addKey(byName_, nameKey(cp1252::toUnicode(s.name)), i);
    }
}

RowMatch StudentIndex::lookUp(const QHash<QString, std::vector<std::size_t>>& index, const QString& key, MatchBy by,
                              const QString& rowId) const {
    RowMatch found;
    found.by = by;
    const auto it = index.constFind(key);
    if (key.isEmpty() || it == index.cend()) return found;
    for (std::size_t student : *it) {
        // Another student of the same name or address, known by another ID.
        if (!rowId.isEmpty() && !ids_[student].isEmpty() && ids_[student] != rowId) continue;
        found.students.push_back(student);
    }
    if (!found.students.empty()) {
        found.kind = found.students.size() == 1 ? RowMatch::Kind::Student : RowMatch::Kind::Ambiguous;
    }
    return found;
}

RowMatch StudentIndex::match(const RowIdentity& row, MatchBy by) const {
    const QString id = folded(row.id);
    const QString email = folded(row.email);
    const QString name = nameKey(row.name);
    switch (by) {
    case MatchBy::Id: return lookUp(byId_, id, MatchBy::Id, {});
    case MatchBy::Email: return lookUp(byEmail_, email, MatchBy::Email, {});
    case MatchBy::Name: return lookUp(byName_, name, MatchBy::Name, {});
    case MatchBy::Auto: break;
    }
    RowMatch found = lookUp(byId_, id, MatchBy::Id, {});
    if (found.kind == RowMatch::Kind::None) found = lookUp(byEmail_, email, MatchBy::Email, id);
    if (found.kind == RowMatch::Kind::None) found = lookUp(byName_, name, MatchBy::Name, id);
    return found;
}

}  // namespace markwell
