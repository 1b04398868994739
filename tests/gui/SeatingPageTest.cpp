// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The Seating page: choosing, dragging and sizing seats with the mouse,
// nudging them with the keys, the seat commands and their dialog, Delete on
// the chart alone, printing the chart, and every change counted as one.

#include "core/seating/SeatingEditor.h"
#include "gui/document/ClassHistory.h"
#include "gui/main/SeatingCommands.h"
#include "gui/pages/AttendancePage.h"
#include "gui/pages/SeatingPage.h"
#include "gui/seating/ModifySeatDialog.h"
#include "gui/seating/SeatItem.h"
#include "gui/seating/SeatingView.h"
#include "gui/seating/SelectionFrame.h"
#include "gui/sheetview/SheetView.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/ModalDialogs.h"
#include "tests/gui/support/ShownText.h"
#include "tests/support/PdfText.h"

#include <QComboBox>
#include <QGraphicsScene>
#include <QPushButton>
#include <QUndoStack>

#include <set>

using namespace markwell;
using namespace markwell::testing;
using Kind = ScriptedDialogs::Kind;
using Answer = UserDialogs::Answer;

namespace {

// The small class with one more seat, a copy of Ann's, for `name` at (2000, 1500).
ClassRecord withFarSeat(const char* name) {
    ClassRecord cls = smallClass();
    SeatingInfo far = cls.Seats[0];
    far.name = name;
    far.left = 2000;
    far.Top = 1500;
    cls.Seats.push_back(far);
    return cls;
}

// The window shown on the Seating page of a saved class (Ann's seat is
// 79 x 30 at (40, 50), the teacher's at (303, 313)).
struct SeatingHarness : WindowHarness {
    explicit SeatingHarness(const ClassRecord& cls = smallClass()) {
        window->resize(1000, 800);
        active = showActive(*window);
        open(write(QStringLiteral("room.grs"), cls));
        window->showPage(Page::Seating);
        view()->setFocus();
    }
    bool active = false;  // the keys reach the chart only in the active window
    SeatingView* view() const { return window->seatingPage()->view(); }
    QWidget* viewport() const { return view()->viewport(); }

    // Where a point of the chart is on the screen.
    QPoint at(int x, int y) const { return view()->mapFromScene(QPointF(x, y)); }
    QRect seat(std::size_t index) const { return seatRect(cls().Seats.at(index)); }

    void click(QPoint where) const {
        QTest::mousePress(viewport(), Qt::LeftButton, {}, where);
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, where);
    }

    // Presses at `from`, moves in steps to `to` and lets go there.
    void drag(QPoint from, QPoint to) const {
        QTest::mousePress(viewport(), Qt::LeftButton, {}, from);
        for (int step = 1; step <= 4; ++step) QTest::mouseMove(viewport(), from + (to - from) * step / 4);
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, to);
    }
};

// What the chart shows of every seat agrees with the class, and the current
// seat, if any, is one of its seats with the frame around it.
void checkChartShowsClass(const SeatingHarness& h) {
    const ClassRecord& cls = h.cls();
    QCOMPARE(h.view()->itemOf(SeatId::teacher())->shownRect(), seatRect(cls.teacherSeat));
    for (std::size_t i = 0; i < cls.Seats.size(); ++i) {
        QCOMPARE(h.view()->itemOf(SeatId::student(i))->shownRect(), seatRect(cls.Seats[i]));
    }
    QVERIFY(!h.view()->itemOf(SeatId::student(cls.Seats.size())));
    const std::optional<SeatId> current = h.window->seatingCommands().editor().current();
    QVERIFY(!current || seatAt(cls, *current));
    QCOMPARE(h.view()->frame().isVisible(), current.has_value());
}

}  // namespace

class SeatingPageTest : public QObject {
    Q_OBJECT
private slots:
    void showsEverySeatOfTheClass() {
        ClassRecord cls = withFarSeat("Bob Stone");
        SeatingInfo lost = cls.Seats[1];  // a file's seat beyond the chart's corner
        lost.left = -60;
        lost.Top = -20;
        cls.Seats.push_back(lost);
        SeatingHarness h(cls);
        QVERIFY(h.view()->itemOf(SeatId::teacher()));
        for (std::size_t i = 0; i < 3; ++i) QVERIFY(h.view()->itemOf(SeatId::student(i)));

        // The chart reaches every seat: the far one and the one beyond the corner.
        const QRectF scene = h.view()->sceneRect();
        QVERIFY(scene.contains(QRectF(2000, 1500, 79, 30)));
        QVERIFY(scene.contains(QRectF(-60, -20, 79, 30)));
        QCOMPARE(h.cls().Seats[2].left, -60);  // kept as the file had it
        QVERIFY(!h.view()->frame().isVisible());
    }

    void aDragDropsTheSeatCentredOnThePointerAndIsAChange() {
        SeatingHarness h;

        // A click chooses the seat; nothing changes.
        h.click(h.at(60, 60));
        QCOMPARE(h.window->seatingCommands().editor().current(), std::optional(SeatId::student(0)));
        QVERIFY(h.view()->frame().isVisible());
        QVERIFY(!h.window->document().modified);
        QVERIFY(h.window->actions().editSeat->isEnabled() && h.window->actions().deleteSeat->isEnabled());

        // An open hand over a seat, closed while it is held.
        QCOMPARE(h.view()->itemOf(SeatId::student(0))->cursor().shape(), Qt::OpenHandCursor);
        QTest::mousePress(h.viewport(), Qt::LeftButton, {}, h.at(45, 55));
        QCOMPARE(h.view()->itemOf(SeatId::student(0))->cursor().shape(), Qt::ClosedHandCursor);
        QTest::mouseRelease(h.viewport(), Qt::LeftButton, {}, h.at(45, 55));
        QCOMPARE(h.view()->itemOf(SeatId::student(0))->cursor().shape(), Qt::OpenHandCursor);
        QVERIFY(!h.window->document().modified);

        // Grabbed near its corner, dropped on the empty chart: centred on the pointer.
        h.drag(h.at(45, 55), h.at(300, 200));
        QCOMPARE(h.seat(0), QRect(261, 185, 79, 30));
        QVERIFY(h.window->document().modified);
        QVERIFY(h.window->isWindowModified());

        // The frame hugs the seat where it now is.
        QCOMPARE(h.view()->frame().boundingRect(), QRectF(258, 182, 86, 37));

        // Dropped on the teacher's seat, and on itself: centred on the pointer too.
        h.drag(h.at(300, 200), h.at(340, 320));
        QCOMPARE(h.seat(0), QRect(301, 305, 79, 30));
        h.drag(h.at(310, 310), h.at(330, 330));
        QCOMPARE(h.seat(0), QRect(291, 315, 79, 30));

        // Near the chart's corner it stops at the edge (and leaves the desk free).
        h.drag(h.at(330, 330), h.at(5, 5));
        QCOMPARE(h.seat(0), QRect(0, 0, 79, 30));

        // The teacher's desk moves as the seats do; a click beside the seats lets go.
        h.drag(h.at(340, 320), h.at(500, 500));
        QCOMPARE(seatRect(h.cls().teacherSeat), QRect(461, 485, 79, 30));
        QVERIFY(!h.window->actions().deleteSeat->isEnabled());
        h.click(h.at(800, 100));
        QVERIFY(!h.window->seatingCommands().editor().current());
        QVERIFY(!h.view()->frame().isVisible());
    }

    void eachHandleSizesItsSeatWithoutAJump() {
        SeatingHarness h;
        h.click(h.at(60, 60));
        const SelectionFrame& frame = h.view()->frame();
        const auto handle = [&](SeatHandle which) { return h.view()->mapFromScene(frame.handleCentre(which)); };

        // Each handle shows the way it sizes.
        const std::pair<SeatHandle, Qt::CursorShape> pointers[] = {
            {SeatHandle::TopLeft, Qt::SizeFDiagCursor},  {SeatHandle::BottomRight, Qt::SizeFDiagCursor},
            {SeatHandle::TopRight, Qt::SizeBDiagCursor}, {SeatHandle::BottomLeft, Qt::SizeBDiagCursor},
            {SeatHandle::Left, Qt::SizeHorCursor},       {SeatHandle::Right, Qt::SizeHorCursor},
            {SeatHandle::Top, Qt::SizeVerCursor},        {SeatHandle::Bottom, Qt::SizeVerCursor},
        };
        for (const auto& [which, pointer] : pointers) {
            const QGraphicsItem* square = h.view()->scene()->itemAt(frame.handleCentre(which), QTransform());
            QVERIFY(square && square->parentItem() == &frame);
            QCOMPARE(square->cursor().shape(), pointer);
        }

        // The bottom right handle: the seat grows by exactly the pointer's travel.
        const QPoint corner = handle(SeatHandle::BottomRight);
        h.drag(corner, corner + QPoint(30, 20));
        QCOMPARE(h.seat(0), QRect(40, 50, 109, 50));
        QVERIFY(h.window->document().modified);

        // The top handle, far down: the seat stops at its least height.
        const QPoint top = handle(SeatHandle::Top);
        h.drag(top, top + QPoint(0, 300));
        QCOMPARE(h.seat(0), QRect(40, 90, 109, 10));
        QCOMPARE(frame.boundingRect(), QRectF(37, 87, 116, 17));
    }

    void keysNudgeTheSeatAndTheClassOpenedAgainHasNoCurrentSeat() {
        SeatingHarness h;
        QVERIFY(h.active);
        h.click(h.at(60, 60));
        QTest::keyClick(h.view(), Qt::Key_Right);
        QCOMPARE(h.seat(0), QRect(41, 50, 79, 30));
        QVERIFY(h.window->document().modified);
        QTest::keyClick(h.view(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(h.view(), Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(h.seat(0), QRect(31, 60, 79, 30));
        QVERIFY(h.view()->frame().isVisible());

        // Saved with the class; opened again, the class has the seat chosen, but not chosen.
        MainWindow& w = *h.window;
        h.drag(h.at(60, 70), h.at(500, 400));
        w.saveClass();
        QVERIFY(!w.document().modified);
        h.open(w.document().markwellFile);
        QCOMPARE(h.seat(0), QRect(461, 385, 79, 30));
        QVERIFY(!w.seatingCommands().editor().current());
        QVERIFY(!w.actions().editSeat->isEnabled());
        w.showPage(Page::Seating);
        QVERIFY(!h.view()->frame().isVisible());
        h.dialogs.answer(Answer::Yes);
        w.seatingCommands().deleteSeat();
        QCOMPARE(h.dialogs.count(Kind::YesNo), 0);
        QCOMPARE(h.cls().Seats.size(), std::size_t(1));

        // Leaving the page lets go of the seat as well.
        h.click(h.at(500, 400));
        w.showPage(Page::Grades);
        QVERIFY(!w.seatingCommands().editor().current());
        h.dialogs.answers.clear();
    }

    void deleteOnTheChartAsksButNotOnOtherPages() {
        SeatingHarness h;
        MainWindow& w = *h.window;
        QVERIFY(h.active);
        h.click(h.at(60, 60));
        h.dialogs.answer(Answer::No);
        QTest::keyClick(h.view(), Qt::Key_Delete);
        QCOMPARE(h.dialogs.texts(Kind::YesNo), QStringList{"Are you sure you want to delete Ann Lee's seat?"});
        QCOMPARE(h.cls().Seats.size(), std::size_t(1));
        QVERIFY(h.view()->frame().isVisible());

        // Delete on the teacher's seat asks nothing.
        h.click(h.at(320, 320));
        QTest::keyClick(h.view(), Qt::Key_Delete);
        QCOMPARE(h.dialogs.count(Kind::YesNo), 1);

        // On the Grades page, Delete is not the seat's.
        h.click(h.at(60, 60));
        QVERIFY(w.showPage(Page::Grades));
        QTest::keyClick(w.focusWidget() ? w.focusWidget() : &w, Qt::Key_Delete);
        QCOMPARE(h.dialogs.count(Kind::YesNo), 1);
        QCOMPARE(h.cls().Seats.size(), std::size_t(1));
        QVERIFY(!w.document().modified);
        QVERIFY(w.showPage(Page::Seating));
        h.click(h.at(60, 60));
        h.dialogs.answer(Answer::Yes);
        QTest::keyClick(h.view(), Qt::Key_Delete);
        QVERIFY(h.cls().Seats.empty());
        QVERIFY(w.document().modified);
        QVERIFY(!h.view()->frame().isVisible());
        QVERIFY(!w.actions().deleteSeat->isEnabled());
        QCOMPARE(h.dialogs.unanswered, 0);

        // On the Attendance page Delete clears a mark, as it does there.
        h.dialogs.answer(Answer::No);
        h.open(h.write(QStringLiteral("marks.grs"), smallClass(), {attendanceRecord("Ann Lee", 3, 2024, "  T")}));
        QVERIFY(w.showPage(Page::Seating));
        h.click(h.at(60, 60));
        QVERIFY(w.showPage(Page::Attendance));
        AttendancePage* attendance = w.attendancePage();
        attendance->showMonth(3, 2024);
        attendance->view()->selectRange(CellRange::cell(2, 4));
        attendance->view()->setFocus();
        QCOMPARE(attendance->sheet().text(2, 4), QStringLiteral("T"));
        QTest::keyClick(attendance->view(), Qt::Key_Delete);
        QCOMPARE(attendance->sheet().text(2, 4), QString());
        QCOMPARE(h.cls().Seats.size(), std::size_t(1));
        QCOMPARE(h.dialogs.count(Kind::YesNo), 2);
    }

    void addOffersTheStudentsWithoutASeatAndPlacesSeatsSideBySide() {
        SeatingHarness h;

        // Ann has a seat: only Bob and Cleo are offered. A face the seating file
        // cannot hold is refused, never cut.
        for (const QString& face : {QStringLiteral("Noto Sans \u4E2D\u6587"), QString(100, QLatin1Char('F'))})
            h.dialogs.fonts.push_back(UserDialogs::FontChoice{.family = face});
        QStringList offered;
        QVERIFY(answered<ModifySeatDialog>(h.window->actions().addSeat, [&](ModifySeatDialog* dialog) {
            const auto* names = dialog->findChild<QComboBox*>(QStringLiteral("seatNames"));
            offered = itemTexts(names);
            QCOMPARE(names->currentIndex(), 0);
            auto* font = dialog->findChild<QPushButton*>(QStringLiteral("seatFont"));
            font->click();
            font->click();
            dialog->accept();
        }));
        QCOMPARE(offered, (QStringList{"Bob Stone", "Cleo Park"}));
        QCOMPARE(h.dialogs.count(Kind::Warn), 2);
        QCOMPARE(h.cls().Seats.size(), std::size_t(2));
        const SeatingInfo& bob = h.cls().Seats[1];
        QCOMPARE(bob.name, std::string("Bob Stone"));
        QCOMPARE(bob.font_name, std::string("MS Sans Serif"));
        QCOMPARE(seatRect(bob), QRect(10, 10, 100, 36));
        QCOMPARE(bob.color, colour::kTeal);
        QCOMPARE(h.view()->itemOf(SeatId::student(1))->toolTip(), QStringLiteral("Bob Stone"));
        QCOMPARE(h.window->seatingCommands().editor().current(), std::optional(SeatId::student(1)));
        QVERIFY(h.view()->frame().isVisible());
        QVERIFY(h.window->document().modified);

        // Cancel adds nothing.
        QVERIFY(answered<ModifySeatDialog>(h.window->actions().addSeat, [](ModifySeatDialog* d) { d->reject(); }));
        QCOMPARE(h.cls().Seats.size(), std::size_t(2));

        // The next seat goes beside the first, not on it; its font and colour as chosen.
        h.dialogs.fonts.push_back(
            UserDialogs::FontChoice{.family = QStringLiteral("Courier New"), .pointSize = 12, .bold = true});
        h.dialogs.colours.push_back(QColor(255, 128, 0));
        QVERIFY(answered<ModifySeatDialog>(h.window->actions().addSeat, [&](ModifySeatDialog* dialog) {
            offered = itemTexts(dialog->findChild<QComboBox*>(QStringLiteral("seatNames")));
            dialog->findChild<QPushButton*>(QStringLiteral("seatFont"))->click();
            dialog->findChild<QPushButton*>(QStringLiteral("seatFillColour"))->click();
            dialog->accept();
        }));
        QCOMPARE(offered, QStringList{"Cleo Park"});
        const SeatingInfo& cleo = h.cls().Seats.at(2);
        QCOMPARE(cleo.name, std::string("Cleo Park"));
        QCOMPARE(seatRect(cleo), QRect(110, 10, 100, 36));
        QCOMPARE(cleo.font_name, std::string("Courier New"));
        QCOMPARE(cleo.font_size, 12);
        QCOMPARE(cleo.font_style, fontstyle::kBold);
        QCOMPARE(cleo.color, 0x0080FF);

        // Everyone is seated: Add Seat says so and opens nothing.
        QVERIFY(!answered<ModifySeatDialog>(h.window->actions().addSeat, [](ModifySeatDialog* d) { d->reject(); }));
        QCOMPARE(h.dialogs.texts(Kind::Inform), QStringList{"Every student has a seat."});
        QCOMPARE(h.cls().Seats.size(), std::size_t(3));
    }

    void newSeatsFillTheVisibleRowThenGoBelow() {
        ClassRecord cls = smallClass();
        for (int i = 0; i < 12; ++i) {
            StudentInfo extra;
            extra.name = "Student " + std::to_string(i);
            cls.students.push_back(extra);
            cls.comments.push_back(CommentInfo{extra.name, ""});
        }
        SeatingHarness h(cls);
        const int perRow = (h.view()->visibleChartWidth() - 10) / 100;
        QVERIFY(perRow >= 3 && perRow <= 12);
        for (int i = 0; i <= perRow; ++i)
            QVERIFY(answered<ModifySeatDialog>(h.window->actions().addSeat, [](ModifySeatDialog* d) { d->accept(); }));
        QCOMPARE(h.cls().Seats.size(), std::size_t(perRow + 2));

        // The first row is full; the next seat starts the row below it, beside
        // Ann's seat, which lies across the places under the first two.
        QCOMPARE(h.seat(std::size_t(perRow)), QRect(10 + (perRow - 1) * 100, 10, 100, 36));
        QCOMPARE(h.seat(std::size_t(perRow + 1)), QRect(210, 46, 100, 36));
        std::set<std::pair<int, int>> places;
        for (const SeatingInfo& seat : h.cls().Seats) places.insert({seat.left, seat.Top});
        QCOMPARE(places.size(), h.cls().Seats.size());  // no seat on another
    }

    void editKeepsACaptionThatIsNoStudentsNameAndASeatCalledTeacherIsRefused() {
        ClassRecord cls = smallClass();
        cls.Seats[0].name = "Ann Leigh";  // the student was renamed since
        StudentInfo teacher;
        teacher.name = "Teacher";
        cls.students.push_back(teacher);
        cls.comments.push_back({"Teacher", ""});
        for (AssignmentInfo& a : cls.assignments) a.namegrade.push_back("Teacher~0");
        SeatingHarness h(cls);
        h.dialogs.colours.push_back(QColor(0, 0, 255));
        QString chosen;
        h.click(h.at(60, 60));
        QVERIFY(answered<ModifySeatDialog>(h.window->actions().editSeat, [&](ModifySeatDialog* dialog) {
            const auto* names = dialog->findChild<QComboBox*>(QStringLiteral("seatNames"));
            chosen = names->currentText();
            QCOMPARE(names->count(), 5);  // the four students and the caption
            dialog->findChild<QPushButton*>(QStringLiteral("seatFillColour"))->click();
            dialog->accept();
        }));
        QCOMPARE(chosen, QStringLiteral("Ann Leigh"));
        QCOMPARE(h.cls().Seats[0].name, std::string("Ann Leigh"));
        QCOMPARE(h.cls().Seats[0].color, 0xFF0000);
        QCOMPARE(h.seat(0), QRect(40, 50, 79, 30));

        // Its font is named as the file names it, though this desktop lacks it.
        QCOMPARE(h.cls().Seats[0].font_name, std::string("MS Sans Serif"));

        // A seat of a student in the class: that student is chosen, not the first.
        SeatingInfo cleo = h.cls().Seats[0];
        cleo.name = "Cleo Park";
        cleo.Top = 200;
        ClassRecord withCleo = h.cls();
        withCleo.Seats.push_back(cleo);
        changeClassTo(*h.window, withCleo);
        h.click(h.at(60, 210));
        QVERIFY(answered<ModifySeatDialog>(h.window->actions().editSeat, [&](ModifySeatDialog* dialog) {
            chosen = dialog->findChild<QComboBox*>(QStringLiteral("seatNames"))->currentText();
            dialog->accept();
        }));
        QCOMPARE(chosen, QStringLiteral("Cleo Park"));
        QCOMPARE(h.cls().Seats[1].name, std::string("Cleo Park"));

        // A double click on a seat edits it too; on the teacher's it does not.
        int shown = 0;
        whenModalShows<ModifySeatDialog>([&](ModifySeatDialog* dialog) {
            ++shown;
            QCOMPARE(dialog->findChild<QComboBox*>(QStringLiteral("seatNames"))->currentText(),
                     QStringLiteral("Ann Leigh"));
            dialog->reject();
        });
        QTest::mouseDClick(h.viewport(), Qt::LeftButton, {}, h.at(60, 60));
        QCOMPARE(shown, 1);
        QTest::mouseDClick(h.viewport(), Qt::LeftButton, {}, h.at(320, 320));
        QCOMPARE(shown, 1);
        QVERIFY(!h.window->actions().editSeat->isEnabled());

        // A seat for the student called Teacher would be taken for the teacher's desk.
        bool stayedOpen = false;
        QVERIFY(answered<ModifySeatDialog>(h.window->actions().addSeat, [&](ModifySeatDialog* dialog) {
            auto* names = dialog->findChild<QComboBox*>(QStringLiteral("seatNames"));
            names->setCurrentIndex(names->findText(QStringLiteral("Teacher")));
            dialog->accept();
            stayedOpen = dialog->isVisible();
            dialog->reject();
        }));
        QVERIFY(stayedOpen);
        QVERIFY(h.dialogs.onlyText(Kind::Warn).contains(QStringLiteral("teacher's desk")));
        QCOMPARE(h.cls().Seats.size(), std::size_t(2));
    }

    void theChartPrintsWholeFromAnyPage() {
        if (!havePdfToText()) QSKIP("pdftotext is not installed");
        SeatingHarness h(withFarSeat("Cleo Park"));
        MainWindow& w = *h.window;

        // From the Grades page, through File > Print > Seating.
        QVERIFY(w.showPage(Page::Grades));
        QVERIFY(w.actions().printSeating->isEnabled());
        const QString pdf = h.path(QStringLiteral("chart.pdf"));
        h.dialogs.printToPdf(pdf);
        w.actions().printSeating->trigger();
        const QString text = pdfText(pdf);
        for (const char* caption : {"Ann Lee", "Cleo Park", "Teacher"})
            QVERIFY2(text.contains(QLatin1String(caption)), caption);
        QVERIFY(text.contains(w.document().seatingFile));
        QCOMPARE(pdfPageCount(pdf), 1);

        // The preview on the Seating page.
        QVERIFY(w.showPage(Page::Seating));
        h.dialogs.previewPdf = h.path(QStringLiteral("preview.pdf"));
        w.previewPrint();
        QVERIFY(pdfText(h.dialogs.previewPdf).contains(QStringLiteral("Cleo Park")));

        // A printer that fails is reported.
        h.dialogs.printToPdf(h.path(QStringLiteral("no-such-folder/chart.pdf")));
        w.seatingCommands().printSeating();
        QVERIFY(h.dialogs.onlyText(Kind::Warn).startsWith(QStringLiteral("The seating chart could not be printed")));
        QVERIFY(!w.document().modified);

        // An untitled class has no chart to print.
        w.newClass();
        QVERIFY(!w.actions().printSeating->isEnabled());
    }

    void undoTakesBackAWholeDragAndTheNudgesOfOneSeatAtOnce() {
        SeatingHarness h;
        QVERIFY(h.active);
        QUndoStack& stack = h.window->history().stack();
        const ClassRecord start = h.cls();

        // A drag goes through four places on its way: one step.
        h.drag(h.at(60, 60), h.at(300, 200));
        QCOMPARE(stack.count(), 1);
        QCOMPARE(stack.undoText(), QStringLiteral("Move Seat"));
        const ClassRecord dragged = h.cls();

        // The dragged seat is still current, and its commands with it.
        QVERIFY(h.window->actions().editSeat->isEnabled());
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down}) QTest::keyClick(h.view(), key);
        QCOMPARE(h.seat(0), QRect(263, 186, 79, 30));
        QCOMPARE(stack.count(), 2);
        const ClassRecord nudged = h.cls();

        // A nudge of another seat is a step of its own.
        h.click(h.at(320, 320));
        QTest::keyClick(h.view(), Qt::Key_Up);
        QCOMPARE(stack.count(), 3);
        const ClassRecord end = h.cls();
        for (const ClassRecord& earlier : {nudged, dragged, start}) {
            stack.undo();
            QCOMPARE(h.cls(), earlier);
            checkChartShowsClass(h);
        }

        // Nothing current any more: the keys move no seat and make no step.
        QTest::keyClick(h.view(), Qt::Key_Left);
        QCOMPARE(h.cls(), start);
        QCOMPARE(stack.count(), 3);
        for (int i = 0; i < 3; ++i) stack.redo();
        QCOMPARE(h.cls(), end);
        checkChartShowsClass(h);
    }

    void eachSeatCommandIsOneStepAndTheChartShowsItsUndo() {
        SeatingHarness h;
        QUndoStack& stack = h.window->history().stack();
        const ClassRecord start = h.cls();

        // Bob's seat added, and current.
        QVERIFY(answered<ModifySeatDialog>(h.window->actions().addSeat, [](ModifySeatDialog* d) { d->accept(); }));
        QCOMPARE(h.cls().Seats.size(), std::size_t(2));
        h.dialogs.colours.push_back(QColor(255, 128, 0));
        QVERIFY(answered<ModifySeatDialog>(h.window->actions().editSeat, [](ModifySeatDialog* dialog) {
            dialog->findChild<QPushButton*>(QStringLiteral("seatFillColour"))->click();
            dialog->accept();
        }));
        const ClassRecord edited = h.cls();
        const QPoint corner = h.view()->mapFromScene(h.view()->frame().handleCentre(SeatHandle::BottomRight));
        h.drag(corner, corner + QPoint(30, 20));
        h.click(h.at(60, 75));  // Ann's, below Bob's grown seat
        h.dialogs.answer(Answer::Yes);
        h.window->actions().deleteSeat->trigger();
        QCOMPARE(h.cls().Seats.size(), std::size_t(1));
        QCOMPARE(stack.count(), 4);
        QStringList names;
        for (int i = 0; i < stack.count(); ++i) names << stack.text(i);
        QCOMPARE(names, (QStringList{"Add Seat", "Edit Seat", "Resize Seat", "Delete Seat"}));

        // Ann's seat comes back first in the list, where it was.
        stack.undo();
        QCOMPARE(h.cls().Seats.size(), std::size_t(2));
        QCOMPARE(h.cls().Seats[0], start.Seats[0]);
        checkChartShowsClass(h);
        stack.undo();
        QCOMPARE(h.cls(), edited);
        checkChartShowsClass(h);
        stack.undo();
        stack.undo();
        QCOMPARE(h.cls(), start);
        checkChartShowsClass(h);
        QVERIFY(!h.window->actions().editSeat->isEnabled());
        stack.redo();
        QCOMPARE(h.cls().Seats.size(), std::size_t(2));
        checkChartShowsClass(h);
    }
};

MARKWELL_GUI_TEST_MAIN(SeatingPageTest)
#include "SeatingPageTest.moc"
