#include "printout/PrintCopy.h"

#include "common/Cp1252.h"

#include <QHash>

namespace markwell {
namespace {

Sheet preparedCopy(const Sheet& table, const QString& path, bool gridLines) {
    Sheet copy = table;
    copy.print().header = printHeaderFor(path);
    copy.print().title = path;
    copy.print().gridLines = gridLines;
    return copy;
}

}  // namespace

QString printHeaderFor(const QString& path, const QString& title) {
    const auto escaped = [](QString text) { return text.replace(QLatin1Char('&'), QStringLiteral("&&")); };
    QString header = QStringLiteral("&L") + escaped(path);
    if (!title.isEmpty()) header += QStringLiteral("&C&B&U&12") + escaped(title);
    return header + QStringLiteral("&R&D");
}

Sheet gradesPrintCopy(const Sheet& grades, const std::vector<StudentInfo>& students, const QString& path,
                      bool withIds) {
    Sheet copy = preparedCopy(grades, path, grades.showGridLines());
    if (withIds) {
        // The first student of a name gives the ID, as the name's row is the first student's.
        QHash<QString, QString> idOfName;
        for (const StudentInfo& student : students) {
            const QString name = cp1252::toUnicode(student.name);
            if (!idOfName.contains(name)) idOfName.insert(name, cp1252::toUnicode(student.id));
        }
        copy.setText(1, 1, QStringLiteral("Student ID's"));
        for (int row = 2; row <= copy.maxRow() - 2; ++row) {
            const auto found = idOfName.constFind(copy.text(row, 1));
            if (found != idOfName.constEnd()) copy.setText(row, 1, *found);
        }
    }
    copy.fitColumnWidths();
    return copy;
}

Sheet attendancePrintCopy(const Sheet& attendance, const QString& attendPath) {
    Sheet copy = preparedCopy(attendance, attendPath, true);
    copy.fitColumnWidths();
    return copy;
}

}  // namespace markwell
