// Writing the grades table of a 2,000-student, 200-assignment class as a
// spreadsheet file: 2,003 rows (heading, students, separator, totals) by 204
// columns (name, assignments, Total, Average, Grade).

#include "export/CsvWriter.h"
#include "export/XlsWriter.h"
#include "export/XlsxWriter.h"
#include "sheet/Sheet.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace markwell;

namespace {

constexpr int kStudents = 2000;
constexpr int kAssignments = 200;

Sheet classTable() {
    Sheet sheet;
    const int rows = kStudents + 3;
    const int cols = kAssignments + 4;
    sheet.setMaxRow(rows);
    sheet.setMaxCol(cols);
    sheet.setText(1, 1, QStringLiteral("Name"));
    for (int a = 1; a <= kAssignments; ++a) sheet.setText(1, a + 1, QStringLiteral("Assignment %1").arg(a));
    sheet.setText(1, cols - 2, QStringLiteral("Total"));
    sheet.setText(1, cols - 1, QStringLiteral("Average"));
    sheet.setText(1, cols, QStringLiteral("Grade"));
    for (int s = 1; s <= kStudents; ++s) {
        const int row = s + 1;
        sheet.setText(row, 1, QStringLiteral("Student %1, Firstname").arg(s));
        double total = 0;
        for (int a = 1; a <= kAssignments; ++a) {
            if ((s + a) % 37 == 0) {
                sheet.setText(row, a + 1, QStringLiteral("-"));
                continue;
            }
            const double points = ((s * 7 + a * 13) % 41) / 2.0;
            sheet.setNumber(row, a + 1, points);
            total += points;
        }
        sheet.setNumber(row, cols - 2, total);
        sheet.setText(row, cols - 1, QStringLiteral("%1%").arg(total / kAssignments * 5, 0, 'f', 2));
        sheet.setText(row, cols, QStringLiteral("B"));
    }
    sheet.setText(rows, 1, QStringLiteral("Total"));
    for (int a = 1; a <= kAssignments; ++a) sheet.setNumber(rows, a + 1, 20);

    CellFont heading;
    heading.name = QStringLiteral("MS Sans Serif");
    heading.size = 8;
    heading.bold = true;
    heading.color = colour::kWhite;
    sheet.setFont(CellRange::rows(1, 1), heading);
    sheet.setFill(CellRange::rows(1, 1), {FillPattern::Solid, colour::kNavy, colour::kBlack});
    sheet.setAlignment(CellRange::rows(1, 1), {HAlign::Center, false, VAlign::Center});
    CellFont red;
    red.color = colour::kRed;
    for (int s = 1; s <= kStudents; s += 3) sheet.setFont(CellRange::cell(s + 1, 2 + s % kAssignments), red);
    sheet.fitColumnWidths();
    sheet.setFixedCols(1);
    sheet.print().header = QStringLiteral("&L/home/teacher/big.grs&R&D");
    return sheet;
}

const Sheet& table() {
    static const Sheet sheet = classTable();
    return sheet;
}

template <Result<void> (*Write)(const Sheet&, const QString&)>
void writeTable(benchmark::State& state, const char* name) {
    const Sheet& sheet = table();
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromUtf8(name));
    for (auto _ : state) {
        const Result<void> written = Write(sheet, path);
        if (!written) state.SkipWithError(qPrintable(written.message()));
    }
    state.counters["cells"] = benchmark::Counter(static_cast<double>(sheet.maxRow()) * sheet.maxCol(),
                                                 benchmark::Counter::kIsIterationInvariantRate);
}

void BM_WriteXls(benchmark::State& state) { writeTable<writeXlsFile>(state, "class.xls"); }
void BM_WriteXlsx(benchmark::State& state) { writeTable<writeXlsxFile>(state, "class.xlsx"); }
void BM_WriteCsv(benchmark::State& state) { writeTable<writeCsvFile>(state, "class.csv"); }

}  // namespace

BENCHMARK(BM_WriteXls)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_WriteXlsx)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_WriteCsv)->Unit(benchmark::kMillisecond)->MinTime(2.0);
