// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "app/cli/ClassFiles.h"
#include "app/cli/Commands.h"
#include "core/mail/MailAddress.h"

namespace markwell::cli {
namespace {

// mailto FILE NAME: the address File > E-mail... opens for the first student
// of that name.
int runMailto(const CommandArguments& args, const Console& console) {
    const QString path = args.positional[0];
    const std::optional<ClassRecord> cls = args.theClass.gradeFile();
    if (!cls) return kExitFailed;
    const std::optional<int> student = chosenStudent(*cls, args.positional[1], path, console);
    if (!student) return kExitFailed;
    console.printLine(
        QString::fromLatin1(gradesMailtoUrl(cls->students[static_cast<std::size_t>(*student)].student_email)));
    return kExitOk;
}

constexpr Command kMailto{.name = "mailto",
                          .usage = "mailto FILE.grs NAME",
                          .summary = "Print the mailto: address File > E-mail... opens for a student.",
                          .run = runMailto,
                          .arguments = kGradeFileAndName,
                          .readsClass = true,
                          .place = 280};
const CommandRegistration kMailtoListed{kMailto};

}  // namespace

}  // namespace markwell::cli
