// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "app/cli/CommandArguments.h"

#include "app/cli/ClassFiles.h"

#include "core/common/Cp1252.h"

namespace markwell::cli {

std::optional<ClassRecord> ClassToRead::gradeFile() const {
    Q_ASSERT(console_);
    return openClassFile(path_, *console_);
}

std::optional<Document> ClassToRead::wholeClass(bool warnDamaged) const {
    Q_ASSERT(console_);
    return openClassDocument(path_, *console_, warnDamaged);
}

int CommandArguments::countOf(const QStringList& names) const {
    int count = 0;
    for (const QString& name : names) count += isSet(name) ? 1 : 0;
    return count;
}

std::optional<AssignmentChoice> assignmentChoiceOf(const CommandArguments& args, const Console& console) {
    const bool byTitle = args.isSet(kAssignmentOption);
    if (byTitle == args.isSet(kIndexOption)) {
        console.usage(
            QStringLiteral("%1: name the assignment with either --assignment TITLE or --index K").arg(args.command));
        return std::nullopt;
    }
    if (byTitle) return AssignmentChoice{args.value(kAssignmentOption), std::nullopt};
    bool isNumber = false;
    const int number = args.value(kIndexOption).toInt(&isNumber);
    if (!isNumber) {
        console.usage(QStringLiteral("%1: --index takes a number (1 is the first assignment)").arg(args.command));
        return std::nullopt;
    }
    return AssignmentChoice{QString(), number};
}

std::optional<int> chosenStudent(const ClassRecord& cls, const QString& name, const QString& path,
                                 const Console& console) {
    for (std::size_t i = 0; i < cls.students.size(); ++i) {
        if (cp1252::toUnicode(cls.students[i].name) == name) return static_cast<int>(i);
    }
    console.error(QStringLiteral("%1: no student is named \"%2\"").arg(path, name));
    return std::nullopt;
}

}  // namespace markwell::cli
