// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/scores/ScoreColumns.h"

#include "core/editing/Validators.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace markwell {
namespace {

struct ScoreColumns {
    Q_DECLARE_TR_FUNCTIONS(ScoreColumns)
};

struct NamedRole {
    const char* heading;  // plain, as plainHeading gives it
    ColumnRole role;
};

// The headings of a student's details that every layout shares.
constexpr std::array kIdentityHeadings = {
    NamedRole{"student", ColumnRole::Name},
    NamedRole{"name", ColumnRole::Name},
    NamedRole{"names", ColumnRole::Name},
    NamedRole{"student name", ColumnRole::Name},
    NamedRole{"full name", ColumnRole::Name},
    NamedRole{"first name", ColumnRole::FirstName},
    NamedRole{"firstname", ColumnRole::FirstName},
    NamedRole{"given name", ColumnRole::FirstName},
    NamedRole{"last name", ColumnRole::LastName},
    NamedRole{"lastname", ColumnRole::LastName},
    NamedRole{"surname", ColumnRole::LastName},
    NamedRole{"family name", ColumnRole::LastName},
    NamedRole{"sis user id", ColumnRole::StudentId},
    NamedRole{"id number", ColumnRole::StudentId},
    NamedRole{"student id", ColumnRole::StudentId},
    NamedRole{"student number", ColumnRole::StudentId},
    NamedRole{"id", ColumnRole::StudentId},
    NamedRole{"email", ColumnRole::Email},
    NamedRole{"e-mail", ColumnRole::Email},
    NamedRole{"email address", ColumnRole::Email},
    NamedRole{"e-mail address", ColumnRole::Email},
    NamedRole{"student email", ColumnRole::Email},
    NamedRole{"student e-mail", ColumnRole::Email},
    NamedRole{"sis login id", ColumnRole::Login},
};

// Details of the student that are not scores and identify no one here.
constexpr std::array kDetailHeadings = {"section",    "integration id", "root account", "institution",
                                        "department", "username",       "phone"};

bool isOneOf(const QString& plain, const auto& list) {
    return std::any_of(std::begin(list), std::end(list), [&plain](const char* h) { return plain == QLatin1String(h); });
}

QStringList wordsOf(const QString& plain) {
    static const QRegularExpression separators(QStringLiteral("[^\\w%]+"));
    return plain.split(separators, Qt::SkipEmptyParts);
}

bool hasWord(const QStringList& words, std::initializer_list<const char*> any) {
    return std::any_of(any.begin(), any.end(), [&words](const char* w) { return words.contains(QLatin1String(w)); });
}

// Why a column of totals, grades or feedback is left alone, by the words of
// its heading; empty for a column that may hold scores.
QString ignoredByWords(const QString& plain) {
    const QStringList words = wordsOf(plain);
    if (plain.contains(QLatin1String("last downloaded"))) return ScoreColumns::tr("the date the file was downloaded");
    if (hasWord(words, {"override"})) return ScoreColumns::tr("an override of the final grade");
    if (hasWord(words, {"total", "totals"})) return ScoreColumns::tr("a total");
    if (hasWord(words, {"unposted", "score", "scores"}) || plain.endsWith(QLatin1String("current points")) ||
        plain.endsWith(QLatin1String("final points"))) {
        return ScoreColumns::tr("a score the learning system works out");
    }
    if (hasWord(words, {"grade", "grades", "letter"})) return ScoreColumns::tr("a grade, not points");
    if (hasWord(words, {"feedback", "comment", "comments", "notes"})) return ScoreColumns::tr("feedback, not a score");
    if (hasWord(words, {"percent", "percentage", "average", "avg", "%"})) {
        return ScoreColumns::tr("a percentage or an average, not points");
    }
    return {};
}

ScoreColumn ignored(ScoreColumn column, const QString& why) {
    column.role = ColumnRole::Ignored;
    column.ignoredBecause = why;
    return column;
}

ScoreColumn score(ScoreColumn column, const QString& title) {
    column.role = ColumnRole::Score;
    column.title = trimmedText(title).simplified();
    return column;
}

// Canvas names each assignment with its own number: "Unit test (12345)".
ScoreColumn canvasColumn(ScoreColumn column, const QString& plain) {
    static const QRegularExpression withId(QStringLiteral("^(.*\\S)\\s*\\(\\d+\\)$"));
    if (const QRegularExpressionMatch m = withId.match(column.heading.trimmed()); m.hasMatch()) {
        return score(std::move(column), m.captured(1));
    }
    if (plain == QLatin1String("id")) {
        return ignored(std::move(column), ScoreColumns::tr("Canvas's own number for the student, not the school's ID"));
    }
    if (const QString why = ignoredByWords(plain); !why.isEmpty()) return ignored(std::move(column), why);
    const QString title = column.heading;
    return score(std::move(column), title);
}

// Moodle gives each item in one column per display type: "Quiz: Unit test
// (Real)" holds the points; "(Percentage)", "(Letter)" and "(Feedback)" do not.
ScoreColumn moodleColumn(ScoreColumn column, const QString& plain) {
    if (plain.contains(QLatin1String("last downloaded"))) {
        return ignored(std::move(column), ScoreColumns::tr("the date the file was downloaded"));
    }
    static const QRegularExpression displayType(QStringLiteral("^(.*\\S)\\s*\\(([^()]*)\\)$"));
    const QRegularExpressionMatch m = displayType.match(column.heading.trimmed());
    if (!m.hasMatch()) {
        return ignored(std::move(column), ScoreColumns::tr("not a score: Moodle gives points in its (Real) columns"));
    }
    const QString type = m.captured(2).trimmed().toCaseFolded();
    if (type == QLatin1String("percentage")) return ignored(std::move(column), ScoreColumns::tr("a percentage"));
    if (type == QLatin1String("letter")) return ignored(std::move(column), ScoreColumns::tr("a letter grade"));
    if (type == QLatin1String("feedback")) return ignored(std::move(column), ScoreColumns::tr("feedback"));
    if (type != QLatin1String("real")) {
        return ignored(std::move(column), ScoreColumns::tr("not a score: Moodle gives points in its (Real) columns"));
    }
    const QString item = m.captured(1);
    const qsizetype colon = item.indexOf(QLatin1Char(':'));
    if (colon < 0) {
        // Items without a module are the course's and categories' totals.
        const QString why = ignoredByWords(plainHeading(item));
        return ignored(std::move(column), why.isEmpty() ? ScoreColumns::tr("a total") : why);
    }
    return score(std::move(column), item.mid(colon + 1));
}

}  // namespace

QString plainHeading(const QString& heading) {
    return heading.simplified().toCaseFolded();
}

QString titleKey(const QString& title) {
    // As an assignment keeps its title: without blanks and control characters at its ends.
    return trimmedText(title).simplified().toCaseFolded();
}

std::optional<ColumnRole> identityRole(const QString& heading, ScoreLayout layout) {
    const QString plain = plainHeading(heading);
    // Canvas's "ID" is its own number; the school's is "SIS User ID".
    if (layout == ScoreLayout::Canvas && plain == QLatin1String("id")) return std::nullopt;
    for (const NamedRole& named : kIdentityHeadings) {
        if (plain == QLatin1String(named.heading)) return named.role;
    }
    return std::nullopt;
}

std::optional<ScoreLayout> headerLayout(const QStringList& cells) {
    QStringList plain;
    for (const QString& cell : cells) plain << plainHeading(cell);
    const auto has = [&plain](const char* heading) { return plain.contains(QLatin1String(heading)); };
    const bool anyIdentity = std::any_of(cells.cbegin(), cells.cend(), [](const QString& cell) {
        return identityRole(cell, ScoreLayout::Spreadsheet).has_value();
    });
    if (!anyIdentity) return std::nullopt;
    if (has("student") && (has("sis user id") || has("sis login id") || (has("id") && has("section")))) {
        return ScoreLayout::Canvas;
    }
    const bool moodleColumns = std::any_of(plain.cbegin(), plain.cend(), [](const QString& h) {
        return h.endsWith(QLatin1String("(real)")) || h == QLatin1String("last downloaded from this course");
    });
    if (has("first name") && has("last name") && moodleColumns) return ScoreLayout::Moodle;
    if (has("first name") && has("last name") && has("email address")) return ScoreLayout::Classroom;
    return ScoreLayout::Spreadsheet;
}

ScoreColumn classifyColumn(const QString& heading, ScoreLayout layout) {
    ScoreColumn column;
    column.heading = heading;
    const QString plain = plainHeading(heading);
    if (plain.isEmpty()) return ignored(std::move(column), ScoreColumns::tr("the column has no heading"));
    if (const std::optional<ColumnRole> role = identityRole(heading, layout)) {
        column.role = *role;
        return column;
    }
    if (isOneOf(plain, kDetailHeadings)) {
        return ignored(std::move(column), ScoreColumns::tr("a detail of the student, not a score"));
    }
    switch (layout) {
    case ScoreLayout::Canvas: return canvasColumn(std::move(column), plain);
    case ScoreLayout::Moodle: return moodleColumn(std::move(column), plain);
    case ScoreLayout::Classroom:
    case ScoreLayout::Spreadsheet: break;
    }
    if (const QString why = ignoredByWords(plain); !why.isEmpty()) return ignored(std::move(column), why);
    return score(std::move(column), heading);
}

}  // namespace markwell
