// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/printout/PrintCopy.h"

#include "core/common/Cp1252.h"

#include <QCoreApplication>
#include <QHash>

namespace markwell {
namespace {

struct PrintCopy {
    Q_DECLARE_TR_FUNCTIONS(PrintCopy)
};

QString escapedForHeader(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

Sheet preparedCopy(const Sheet& table, const QString& path, bool gridLines, const QString& centre = {}) {
    Sheet copy = table;
    copy.print().header = printHeaderFor(path, centre);
    copy.print().title = path;
    copy.print().gridLines = gridLines;
    return copy;
}

}  // namespace

QString printHeaderFor(const QString& path, const QString& centre) {
    QString header = QStringLiteral("&L") + escapedForHeader(path);
    if (!centre.isEmpty()) header += QStringLiteral("&C") + escapedForHeader(centre);
    return header + QStringLiteral("&R&D");
}

QString printHeaderWithTitle(const QString& path, const QString& title) {
    // The size before the switches: a title starting with a digit stays text.
    return QStringLiteral("&L") + escapedForHeader(path) + QStringLiteral("&C&12&B&U") + escapedForHeader(title) +
           QStringLiteral("&R&D");
}

Sheet gradesPrintCopy(const Sheet& grades, const std::vector<StudentInfo>& students, const QString& path,
                      bool withIds) {
    Sheet copy = preparedCopy(grades, path, grades.showGridLines());
    if (withIds) putIdsInPlaceOfNames(copy, copy.maxRow() - 2, {&students});
    copy.fitColumnWidths();
    // The empty separator row and the Total row below the students.
    if (copy.maxRow() >= 4) copy.print().closingRows = 2;
    return copy;
}

void putIdsInPlaceOfNames(Sheet& copy, int lastRow, std::initializer_list<const std::vector<StudentInfo>*> rosters) {
    // The first student of a name gives the ID, as the name's row is the first student's.
    QHash<QString, QString> idOfName;
    for (const std::vector<StudentInfo>* roster : rosters) {
        for (const StudentInfo& student : *roster) {
            const QString name = cp1252::toUnicode(student.name);
            if (idOfName.contains(name)) continue;
            const QString id = cp1252::toUnicode(student.id).trimmed();
            // A blank cell would read as a row left out of the printout.
            idOfName.insert(name, id.isEmpty() ? PrintCopy::tr("(no ID)") : id);
        }
    }
    copy.setText(1, 1, PrintCopy::tr("Student ID's"));
    for (int row = 2; row <= lastRow; ++row) {
        const auto found = idOfName.constFind(copy.text(row, 1));
        if (found != idOfName.constEnd()) copy.setText(row, 1, *found);
    }
}

Sheet attendancePrintCopy(const Sheet& attendance, const QString& attendPath, int month, int year,
                          const QLocale& locale) {
    Sheet copy = preparedCopy(attendance, attendPath, true, monthAndYearText(locale, month, year));
    copy.fitColumnWidths();
    copy.print().orientation = PrintSettings::Orientation::Landscape;
    copy.print().fitToPageWidth = true;
    return copy;
}

}  // namespace markwell
