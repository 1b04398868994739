// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The sheet view: what it shows of a sheet, how the selection reaches the
// sheet, frozen columns and scrolling, typing into cells, keys and copying.

#include "gui/sheetview/SheetView.h"
#include "render/style/CellStyle.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>

using namespace markwell;
using namespace markwell::testing;

namespace {

// A grades-like table: heading row in white bold on navy, names in column 1,
// numbers in columns 2.., the first column frozen.
Sheet makeTable(int rows, int cols) {
    Sheet s;
    s.setMaxRow(rows);
    s.setMaxCol(cols);
    s.setText(1, 1, QStringLiteral("Names"));
    for (int c = 2; c <= cols; ++c) s.setText(1, c, QStringLiteral("Quiz %1").arg(c - 1));
    for (int r = 2; r <= rows; ++r) {
        s.setText(r, 1, QStringLiteral("Student %1").arg(r - 1));
        for (int c = 2; c <= cols; ++c) s.setNumber(r, c, r * 100 + c);
    }
    s.setFont(CellRange::rows(1, 1),
              CellFont{.name = QStringLiteral("MS Sans Serif"), .size = 8, .bold = true, .color = colour::kWhite});
    s.setFill(CellRange::rows(1, 1), {FillPattern::Solid, colour::kNavy, 0});
    s.setAlignment(CellRange::rows(1, 1), {HAlign::Center, false, VAlign::Center});
    s.setFixedCols(1);
    return s;
}

// A 4 x 4 table on screen with typing allowed.
struct TypingView {
    Sheet sheet = makeTable(4, 4);
    SheetView view;
    bool exposed = false;

    TypingView() {
        view.setSheet(&sheet);
        view.resize(500, 300);
        exposed = showExposed(view);
        view.setInCellEditing(true);
        view.setFocus();
    }
};

QModelIndex at(const SheetView& view, int row, int col) {
    return view.model()->index(row - 1, col - 1);
}

}  // namespace

class SheetViewTest : public QObject {
    Q_OBJECT
private slots:
    void showsContentFormatsFontsAndWidthsAndIsEditableOnlyWhereAllowed() {
        Sheet s = makeTable(4, 4);
        s.setText(3, 2, QStringLiteral("-"));
        s.setFont(CellRange::cell(4, 3), CellFont{.color = colour::kRed});
        SheetView view;
        view.setSheet(&s);
        QAbstractItemModel* m = view.model();
        QCOMPARE(std::pair(m->rowCount(), m->columnCount()), std::pair(4, 4));
        QCOMPARE(at(view, 1, 1).data().toString(), QStringLiteral("Names"));
        QCOMPARE(at(view, 2, 2).data().toString(), QStringLiteral("202"));
        QCOMPARE(at(view, 3, 2).data().toString(), QStringLiteral("-"));

        // Navy is 0x800000 in the platform's BGR order: blue 128.
        QCOMPARE(at(view, 1, 2).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(0, 0, 128));
        QCOMPARE(at(view, 1, 2).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 255, 255));
        QCOMPARE(at(view, 4, 3).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
        QVERIFY(!at(view, 2, 2).data(Qt::BackgroundRole).isValid());
        const auto alignment = [&](int r, int c) {
            return Qt::Alignment(at(view, r, c).data(Qt::TextAlignmentRole).toInt()) & Qt::AlignHorizontal_Mask;
        };
        QCOMPARE(alignment(1, 2), Qt::AlignHCenter);
        QCOMPARE(alignment(2, 2), Qt::AlignRight);  // a number in "General"
        QCOMPARE(alignment(2, 1), Qt::AlignLeft);   // a text in "General"
        const QFont headingFont = at(view, 1, 1).data(Qt::FontRole).value<QFont>();
        QVERIFY(headingFont.bold());
        QCOMPARE(headingFont.pointSizeF(), 8.0);

        // The face of the other desktop is drawn with a face this one has.
        QVERIFY(QFontDatabase::hasFamily(QFontInfo(headingFont).family()));
        QCOMPARE(QFontInfo(headingFont).family(),
                 QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family());
        const QFontMetrics fixed(toQFont(CellFont{.name = QStringLiteral("Courier New")}));
        QCOMPARE(fixed.horizontalAdvance(QStringLiteral("iiii")), fixed.horizontalAdvance(QStringLiteral("WWWW")));

        // Typing is off until allowed, and then only where permitted.
        const auto editable = [&](int r, int c) {
            return view.model()->flags(at(view, r, c)).testFlag(Qt::ItemIsEditable);
        };
        QVERIFY(!editable(2, 2));
        view.setInCellEditing(true);
        QVERIFY(editable(2, 2));
        QVERIFY(!editable(2, 1));  // a frozen column is never typed into
        view.setEditPermission([](int row, int col) { return row >= 2 && col <= 3; });
        QVERIFY(editable(3, 3));
        QVERIFY(!editable(1, 2));
        QVERIFY(!editable(3, 4));
        view.setInCellEditing(false);
        QVERIFY(!editable(3, 3));

        // Widths follow the sheet's character units, grid lines its switch.
        s.setColWidth(2, 10);
        s.setColWidth(3, 20);
        s.setShowGridLines(false);
        view.reload();
        const double unit = characterUnitWidth(bodyFace(s), view.viewport());
        QVERIFY(unit > 3);
        QVERIFY(std::abs(view.columnWidth(1) - 10 * unit) <= 1.0);
        QVERIFY(std::abs(view.columnWidth(2) - 20 * unit) <= 1.0);
        QVERIFY(!view.showGrid());
        s.setShowGridLines(true);
        s.setColWidth(2, 8);
        view.reload();
        QVERIFY(view.showGrid());
        QVERIFY(view.frozenView()->showGrid());
        QVERIFY(std::abs(view.columnWidth(1) - 8 * unit) <= 1.0);

        // A text longer than its column's width in units widens the column to fit.
        const QString longName = QStringLiteral("Wilhelmina Montgomery-Wexford");
        s.setText(3, 1, longName);
        s.setColWidth(1, 4);
        view.reload();
        const QFont bodyFont = at(view, 3, 1).data(Qt::FontRole).value<QFont>();
        QVERIFY(view.columnWidth(0) >= QFontMetrics(bodyFont).horizontalAdvance(longName));
        QVERIFY(view.frozenView()->columnWidth(0) == view.columnWidth(0));
    }

    void selectionReachesTheSheetBothWaysAndIsCopiedAndReloaded() {
        Sheet s = makeTable(6, 5);
        SheetView view;
        view.setSheet(&s);
        QSignalSpy moved(&view, &SheetView::selectionMoved);

        // A person drags over B3:D5 starting at B3.
        view.selectionModel()->setCurrentIndex(at(view, 3, 2), QItemSelectionModel::NoUpdate);
        view.selectionModel()->select(QItemSelection(at(view, 3, 2), at(view, 5, 4)),
                                      QItemSelectionModel::ClearAndSelect);
        QCOMPARE(s.selection(), (CellRange{3, 2, 5, 4}));
        QCOMPARE(std::pair(s.activeRow(), s.activeCol()), std::pair(3, 2));
        QVERIFY(!moved.isEmpty());
        QCOMPARE(moved.last().at(0).value<CellRange>(), (CellRange{3, 2, 5, 4}));

        // A mouse click on a cell selects that cell alone.
        view.resize(600, 300);
        QVERIFY(showExposed(view));
        const QRect cell = view.visualRect(at(view, 4, 3));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(s.selection(), CellRange::cell(4, 3));
        QCOMPARE(std::pair(view.activeRow(), view.activeCol()), std::pair(4, 3));

        // A command selects; the view shows it and the sheet keeps it.
        view.selectRange(CellRange{2, 3, 2, 5});
        QCOMPARE(s.selection(), (CellRange{2, 3, 2, 5}));
        QVERIFY(view.selectionModel()->isSelected(at(view, 2, 4)));
        QVERIFY(!view.selectionModel()->isSelected(at(view, 4, 3)));
        view.setActiveCell(2, 4);
        QCOMPARE(s.activeCol(), 4);
        QCOMPARE(view.currentIndex(), at(view, 2, 4));

        // Copy puts tabs and HTML on the clipboard.
        view.selectRange(CellRange{1, 1, 2, 3});
        view.copySelection();
        const QMimeData* mime = QApplication::clipboard()->mimeData();
        QVERIFY(mime);
        QCOMPARE(mime->text(), QStringLiteral("Names\tQuiz 1\tQuiz 2\nStudent 1\t202\t203\n"));
        QVERIFY(mime->hasHtml());
        QVERIFY(mime->html().contains(QStringLiteral("<table")));
        QVERIFY(mime->html().contains(QStringLiteral("Student 1")));
        QVERIFY(!mime->html().contains(QStringLiteral("Student 2")));

        // Ctrl+C in the view does the same.
        view.selectRange(CellRange::cell(3, 2));
        view.setFocus();
        QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("302\n"));

        // Reloaded, the view follows the sheet as rebuilt.
        s.clearRange(CellRange::all());
        s.setMaxRow(2);
        s.setMaxCol(2);
        s.setFixedCols(0);
        s.setText(2, 2, QStringLiteral("new"));
        s.setSelection(CellRange::cell(2, 2));
        view.reload();
        QCOMPARE(std::pair(view.model()->rowCount(), view.model()->columnCount()), std::pair(2, 2));
        QCOMPARE(at(view, 2, 2).data().toString(), QStringLiteral("new"));
        QCOMPARE(view.frozenColumnCount(), 0);
        QCOMPARE(view.currentIndex(), at(view, 2, 2));
        QCOMPARE(s.selection(), CellRange::cell(2, 2));
    }

    void frozenColumnsAndAFixedHeadingRowStayInViewAsTheRestScrolls() {
        Sheet s = makeTable(200, 60);
        SheetView view;
        view.setSheet(&s);
        view.resize(500, 300);
        QVERIFY(showExposed(view));
        QCOMPARE(view.frozenColumnCount(), 1);
        QVERIFY(view.frozenView()->isVisible());
        QVERIFY(!view.frozenView()->isColumnHidden(0));
        QVERIFY(view.frozenView()->isColumnHidden(1));
        QCOMPARE(view.leftCol(), 2);
        view.setLeftCol(40);
        QCOMPARE(view.leftCol(), 40);

        // The frozen names stay where they were while the rest scrolled.
        QCOMPARE(view.frozenView()->columnViewportPosition(0), 0);
        QVERIFY(view.horizontalScrollBar()->value() > 0);

        // Moving the active cell left past the frozen edge brings the column back into view.
        view.setActiveCell(5, 40);
        view.setFocus();
        QTest::keyClick(&view, Qt::Key_Left);
        QCOMPARE(view.activeCol(), 39);
        QVERIFY(view.leftCol() <= 39);

        // Home goes to the names and brings the first columns back beside them.
        QTest::keyClick(&view, Qt::Key_Home);
        QCOMPARE(view.activeCol(), 1);
        QCOMPARE(view.leftCol(), 2);
        QTest::keyClick(&view, Qt::Key_End);
        QCOMPARE(view.activeCol(), 60);
        QVERIFY(view.leftCol() > 40);

        // Vertical scrolling moves both parts together.
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
        QCOMPARE(view.frozenView()->verticalScrollBar()->value(), view.verticalScrollBar()->value());
        s.setFixedRows(1);
        view.reload();
        view.setLeftCol(2);

        // Row 1 is drawn as the headings of both parts, in its own navy and white.
        QVERIFY(view.isRowHidden(0) && view.frozenView()->isRowHidden(0));
        QVERIFY(view.horizontalHeader()->isVisible() && !view.verticalHeader()->isVisible());
        const QAbstractItemModel* m = view.model();
        QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Names"));
        QCOMPARE(m->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Quiz 3"));
        QCOMPARE(m->headerData(3, Qt::Horizontal, Qt::BackgroundRole).value<QBrush>().color(), QColor(0, 0, 128));
        QVERIFY(m->headerData(3, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
        const QImage heading = view.horizontalHeader()->grab().toImage();
        QCOMPARE(QColor(heading.pixel(heading.width() - 3, heading.height() / 2)), QColor(0, 0, 128));

        // Scrolled to the last student, the headings are still above the rows.
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
        QVERIFY(view.horizontalHeader()->isVisible());
        QVERIFY(view.rowAt(0) > 150);

        // Scrolled to the right, the corner over the frozen names still reads
        // "Names": their own heading covers the heading of the scrolled column.
        view.setLeftCol(8);
        QVERIFY(view.horizontalScrollBar()->value() > 0);
        const QHeaderView* namesHeading = view.frozenView()->horizontalHeader();
        const QWidget* atCorner = view.childAt(view.frozenView()->geometry().topLeft() + QPoint(8, 4));
        QVERIFY(atCorner == namesHeading || namesHeading->isAncestorOf(atCorner));
        view.setLeftCol(2);

        // Clicking a heading selects the whole column, heading row included, as the commands read it.
        const int x = view.horizontalHeader()->sectionViewportPosition(3) + 5;
        QTest::mouseClick(view.horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
        QCOMPARE(s.selection(), (CellRange{1, 4, 200, 4}));

        // Without a fixed row the grid's own letters and numbers come back.
        s.setFixedRows(0);
        view.reload();
        QVERIFY(!view.isRowHidden(0) && view.verticalHeader()->isVisible());
        QCOMPARE(m->headerData(3, Qt::Horizontal).toString(), QStringLiteral("D"));
        s.setFixedCols(0);
        view.reload();
        QVERIFY(!view.frozenView()->isVisible());
    }

    void keyFilterAndEndEditHandlerDecideWhatIsTyped() {
        TypingView typing;
        QVERIFY(typing.exposed);
        Sheet& s = typing.sheet;
        SheetView& view = typing.view;
        std::vector<bool> editingSeen;
        view.setKeyFilter([&](const QKeyEvent& key, bool editing) {
            editingSeen.push_back(editing);
            if (key.text() == QStringLiteral("x")) return SheetView::KeyDecision::discard();
            if (key.text() == QStringLiteral("t")) return SheetView::KeyDecision::replace(QStringLiteral("T"));
            return SheetView::KeyDecision::pass();
        });
        view.setActiveCell(2, 3);
        QTest::keyClicks(&view, QStringLiteral("x"));
        QVERIFY(!view.isEditing());  // a discarded key opens no editor
        QTest::keyClicks(&view, QStringLiteral("t"));
        QLineEdit* editor = cellEditor(view);
        QVERIFY(editor);
        QTest::keyClicks(editor, QStringLiteral("xt1"));
        QCOMPARE(editor->text(), QStringLiteral("TT1"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(s.text(2, 3), QStringLiteral("TT1"));
        QVERIFY(std::find(editingSeen.begin(), editingSeen.end(), true) != editingSeen.end());
        QVERIFY(std::find(editingSeen.begin(), editingSeen.end(), false) != editingSeen.end());

        // The end-edit handler commits, refuses or handles the text itself.
        struct Call {
            int row, col;
            QString text;
        };
        std::vector<Call> calls;
        SheetView::EndEdit outcome = SheetView::EndEdit::Commit;
        view.setEndEditHandler([&](int row, int col, const QString& text) {
            calls.push_back({row, col, text});
            return outcome;
        });
        QSignalSpy edited(&view, &SheetView::cellEdited);
        view.setActiveCell(2, 2);
        typeIntoCell(view, QStringLiteral("17.5"));
        QCOMPARE(calls.size(), std::size_t{1});
        QCOMPARE(std::tuple(calls[0].row, calls[0].col, calls[0].text), std::tuple(2, 2, QStringLiteral("17.5")));
        QCOMPARE(s.kind(2, 2), CellKind::Number);
        QCOMPARE(s.number(2, 2), 17.5);
        QCOMPARE(edited.size(), 1);
        QCOMPARE(std::pair(view.activeRow(), view.activeCol()), std::pair(3, 2));  // Enter went down a row
        outcome = SheetView::EndEdit::Refuse;
        view.setActiveCell(3, 3);
        typeIntoCell(view, QStringLiteral("9"));
        QCOMPARE(calls.size(), std::size_t{2});
        QCOMPARE(s.text(3, 3), QStringLiteral("303"));  // unchanged
        QCOMPARE(edited.size(), 1);
        QCOMPARE(std::pair(view.activeRow(), view.activeCol()), std::pair(3, 3));  // and the cursor stays on it
        // The handler changes the sheet itself, even rebuilding it, after the editor has closed.
        outcome = SheetView::EndEdit::Handled;
        view.setEndEditHandler([&](int row, int col, const QString& text) {
            calls.push_back({row, col, text});
            s.setText(row, col, QStringLiteral("stored ") + text);
            view.reload();
            return outcome;
        });
        view.setActiveCell(4, 2);
        typeIntoCell(view, QStringLiteral("8"));
        QCOMPARE(s.text(4, 2), QStringLiteral("stored 8"));
        QVERIFY(!view.isEditing());

        // Escape abandons the edit without asking the handler.
        const std::size_t before = calls.size();
        view.setActiveCell(4, 3);
        QTest::keyClicks(&view, QStringLiteral("5"));
        editor = cellEditor(view);
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_Escape);
        QCoreApplication::processEvents();
        QVERIFY(!view.isEditing());
        QCOMPARE(calls.size(), before);
        QCOMPARE(s.text(4, 3), QStringLiteral("403"));
    }
};

MARKWELL_GUI_TEST_MAIN(SheetViewTest)
#include "SheetViewTest.moc"
