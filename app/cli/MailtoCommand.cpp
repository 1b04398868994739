#include "app/cli/ClassFiles.h"
#include "app/cli/Commands.h"
#include "app/cli/ReportArguments.h"
#include "core/mail/MailAddress.h"

namespace markwell::cli {

// mailto FILE NAME: the address File > E-mail... opens for the first student
// of that name.
int runMailto(const QStringList& args, const Console& console) {
    const Result<ReportArguments> parsed = parseReportArguments(QStringLiteral("mailto"), args, 2, {}, {});
    if (!parsed) return console.usage(parsed.message());
    const QString path = parsed->positional[0];
    const std::optional<ClassRecord> cls = openClassFile(path, console);
    if (!cls) return kExitFailed;
    const std::optional<int> student = chooseStudent(*cls, parsed->positional[1], path, console);
    if (!student) return kExitFailed;
    console.printLine(QString::fromLatin1(gradesMailtoUrl(cls->students[static_cast<std::size_t>(*student)].student_email)));
    return kExitOk;
}

}  // namespace markwell::cli
