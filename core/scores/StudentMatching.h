// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"

#include <QHash>
#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

namespace markwell {

// Finding the class's student a row of a score file is about: by the
// student's ID, by e-mail address, or by name. Each way is a lookup in an
// index made once, so a class of thousands matches as fast as a small one.

enum class MatchBy { Auto, Id, Email, Name };

// The words of markwell-cli's --match and of the settings: "auto", "id",
// "email", "name".
QString matchByWord(MatchBy by);
std::optional<MatchBy> matchByFromWord(const QString& word);

// A name as names are compared: "Last, First" turned to "First Last",
// blanks collapsed, accents and letter case ignored. "Núñez, Zoë" and
// "Zoë Núñez" give "zoe nunez".
QString nameKey(const QString& name);

// What a row says about its student.
struct RowIdentity {
    QString name;
    QString id;
    QString email;
};

struct RowMatch {
    enum class Kind { Student, None, Ambiguous };
    Kind kind = Kind::None;
    std::vector<std::size_t> students;  // the one found, or every candidate
    MatchBy by = MatchBy::Auto;         // how it was found
};

class StudentIndex {
public:
    explicit StudentIndex(const ClassRecord& cls);

    // Auto tries the ID, then the e-mail address, then the name, each only
    // when the row has it; a student found by e-mail or name whose own ID
    // differs from the row's is not that row's student.
    RowMatch match(const RowIdentity& row, MatchBy by) const;

private:
    RowMatch lookUp(const QHash<QString, std::vector<std::size_t>>& index, const QString& key, MatchBy by,
                    const QString& rowId) const;

    std::vector<QString> ids_;  // each student's, folded
    QHash<QString, std::vector<std::size_t>> byId_;
    QHash<QString, std::vector<std::size_t>> byEmail_;
    QHash<QString, std::vector<std::size_t>> byName_;
};

}  // namespace markwell
