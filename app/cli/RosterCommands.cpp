// new and import-students: a class made and filled with students without
// windows, as File > New and the student list make them.

#include "app/cli/ChangeLocks.h"
#include "app/cli/ClassFiles.h"
#include "app/cli/CommandSupport.h"
#include "app/cli/Commands.h"
#include "app/cli/EditSupport.h"

#include "core/common/Cp1252.h"
#include "core/data/Tables.h"
#include "core/editing/CsvImport.h"
#include "core/editing/StudentEditing.h"
#include "core/scales/ScaleStore.h"

#include <QCoreApplication>

namespace markwell::cli {
namespace {

struct RosterCommands {
    Q_DECLARE_TR_FUNCTIONS(RosterCommands)
};

}  // namespace

// new FILE.grs [--scale NAME] [--force]: the class File > New gives, saved
// with its (empty) attendance and seating files.
int runNew(const QStringList& args, const Console& console) {
    QCommandLineParser parser;
    parser.addOptions({
        {QStringLiteral("scale"), QStringLiteral("The grade scale, by its name."), QStringLiteral("NAME")},
        {QStringLiteral("force"), QStringLiteral("Replace an existing class.")},
    });
    if (!parseEditArguments(parser, QStringLiteral("new"), args, 1, console)) return kExitUsage;
    const QString path = parser.positionalArguments().front();
    if (!isGradeFileName(path) || !outputOf(parser).isEmpty()) {
        return console.usage(RosterCommands::tr("new: give the class's file, whose name ends in .grs, and no -o"));
    }
    const std::optional<ChangeLocks> locks = lockForChange({path}, console);
    if (!locks) return kExitFailed;
    if (!parser.isSet(QStringLiteral("force")) && classExistsAt(QStringLiteral("new"), path, console)) return kExitFailed;

    const std::unique_ptr<UserScales> scales = openUserScales(console);
    const ScaleStore& store = scales->store;
    const QString scaleName = parser.isSet(QStringLiteral("scale")) ? parser.value(QStringLiteral("scale"))
                                                                     : QString::fromLatin1(kDefaultScaleName);
    const std::optional<CurrentGradeScale> scale = store.scaleNamed(scaleName);
    if (!scale) {
        console.error(RosterCommands::tr("new: this computer has no grade scale named \"%1\"").arg(scaleName));
        return kExitFailed;
    }
    Document document;
    document.classRecord = newClassRecord(*scale);
    if (!saveClassDocument(document, path, console)) return kExitFailed;
    console.printLine(RosterCommands::tr("Created %1: a new class with the grade scale \"%2\".")
                          .arg(path, cp1252::toUnicode(scale->name)));
    return kExitOk;
}

// import-students FILE.grs IN.csv [-o OUT.grs]: every row of the file added
// as the student list's Add adds a student, or none at all.
int runImportStudents(const QStringList& args, const Console& console) {
    QCommandLineParser parser;
    if (!parseEditArguments(parser, QStringLiteral("import-students"), args, 2, console)) return kExitUsage;
    const QString path = parser.positionalArguments()[0];
    const QString csvPath = parser.positionalArguments()[1];

    const QString output = outputOf(parser).isEmpty() ? path : outputOf(parser);
    const std::optional<ChangeLocks> locks = lockForChange({path, output}, console);
    if (!locks) return kExitFailed;
    std::optional<Document> document = openClassDocument(path, console, true);
    if (!document) return kExitFailed;
    ClassRecord& cls = document->classRecord;
    Result<std::vector<StudentEntry>> students = readStudentCsvFile(csvPath, cls);
    if (!students) {
        for (const QString& line : students.message().split(QLatin1Char('\n'))) console.error(line);
        return kExitFailed;
    }
    const std::size_t imported = students->size();
    for (StudentEntry& entry : *students) appendStudent(cls, std::move(entry));
    if (!classOutputSparesInputs(output, {csvPath}, console)) return kExitFailed;
    if (!saveClassDocument(*document, output, console)) return kExitFailed;
    console.printLine(RosterCommands::tr("Imported %1 students into %2, which now has %3.")
                          .arg(QString::number(imported), output, QString::number(cls.students.size())));
    return kExitOk;
}

}  // namespace markwell::cli
