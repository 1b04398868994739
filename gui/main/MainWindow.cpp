// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/main/MainWindow.h"

#include "core/common/NumberText.h"
#include "core/reports/GradeExplanation.h"
#include "core/scales/ScaleStore.h"
#include "gui/document/ClassHistory.h"
#include "gui/document/RecoveryKeeper.h"
#include "gui/help/HelpCenter.h"
#include "gui/mail/KeyringMailPasswords.h"
#include "gui/main/AttendanceCommands.h"
#include "gui/main/EditingCommands.h"
#include "gui/main/GradingRulesCommands.h"
#include "gui/main/ReportCommands.h"
#include "gui/main/ScoreCommands.h"
#include "gui/main/SeatingCommands.h"
#include "gui/main/TableCommands.h"
#include "gui/pages/AttendancePage.h"
#include "gui/pages/GradesPage.h"
#include "gui/pages/SeatingPage.h"
#include "gui/seating/SeatingView.h"
#include "gui/shared/HelpTopics.h"
#include "gui/shared/Icons.h"
#include "gui/shared/Translations.h"
#include "gui/shared/UserDialogs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace markwell {
namespace {

// How long a passing notice stays in the status bar.
constexpr int kNoticeMilliseconds = 6000;

const QString kGeometryKey = QStringLiteral("MainWindow/geometry");

// The window's first size: roomy enough for a class of two dozen students
// and a dozen assignments with their Total, Average and Grade in view, on a
// screen that has the room; the classic 696 x 480 on a small one.
QSize firstSize(const QWidget* window) {
    const QSize classic(696, 480);
    const QSize roomy(1180, 760);
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return classic;
    const QSize room = screen->availableGeometry().size();
    if (room.width() >= roomy.width() + 40 && room.height() >= roomy.height() + 40) return roomy;
    return room.width() >= 1000 ? QSize(room.width() - 40, std::min(room.height() - 40, roomy.height()))
                                : classic.boundedTo(room);
}

}  // namespace

MainWindow::MainWindow(UserDialogs& dialogs, SettingsStore& settings, ScaleStore& scales, PasswordProtection& passwords,
                       HelpCenter* help, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), settings_(settings), scales_(scales), passwords_(passwords), help_(help),
      mailPasswords_(std::make_unique<KeyringMailPasswords>()) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowIcon(applicationIcon());
    setHelpTopic(this, HelpTopic::Grades);

    open_ = std::make_unique<OpenClass>();
    connect(&open_->recoveryKeeper(), &RecoveryKeeper::copyFailed, this,
            [this](const QString& text) { statusBar()->showMessage(text, kNoticeMilliseconds); });

    pages_ = new QTabWidget;
    pages_->setObjectName(QStringLiteral("pages"));
    pages_->setAccessibleName(tr("Pages"));
    pages_->setTabPosition(QTabWidget::South);
    pages_->setDocumentMode(true);
    gradesPage_ = new GradesPage;
    attendancePage_ = new AttendancePage;
    seatingPage_ = new SeatingPage;
    pages_->addTab(gradesPage_, tr("Grades"));
    pages_->addTab(attendancePage_, tr("Attendance"));
    pages_->addTab(seatingPage_, tr("Seating"));
    setCentralWidget(pages_);
    connect(pages_, &QTabWidget::currentChanged, this, &MainWindow::pageChanged);

    // The Average cell explains itself, worked out only for the cell under the pointer.
    gradesPage_->view()->setToolTipProvider([this](int row, int col) {
        return numbersInTextWithPoint(averageToolTip(document().classRecord, gradesTable().sheet, row, col),
                                      windowDecimalPoint());
    });
    gradesPage_->setDroppedTest([this](int row, int col) {
        const std::vector<DroppedCell>& dropped = gradesTable().dropCellIndex;
        return std::any_of(dropped.begin(), dropped.end(),
                           [row, col](const DroppedCell& cell) { return cell.row == row && cell.col == col; });
    });
    connect(gradesPage_, &GradesPage::typingRefused, this,
            [this](const QString& hint) { statusBar()->showMessage(hint, kNoticeMilliseconds); });

    statusLabel_ = new QLabel;
    statusLabel_->setObjectName(QStringLiteral("statusLine"));
    statusLabel_->setAlignment(Qt::AlignCenter);
    statusBar()->addWidget(statusLabel_, 1);

    actions_ = MainActions::create(this);
    createCommandContext();
    connectActions();
    createCommands();
    followDocumentCommands();
    followHistory();
    createMenus();
    createToolBars();
    createGradesContextMenu();
    acceptGradeFileDrops();

    restoreWindowPlace();
    activate();
}

MainWindow::~MainWindow() {
    // The pages outlive this window's members: the grades view lets go of the
    // table first, so that a cell still being typed into closes without
    // reporting its value to a class that is gone.
    gradesPage_->showTable(nullptr);
}

void MainWindow::setMailPasswords(std::unique_ptr<MailPasswords> passwords) {
    mailPasswords_ = std::move(passwords);
}

void MainWindow::offerRecovery(std::optional<RecoveryAnswer> answer) {
    if (std::optional<Document> recovered = offerRecoveryCopies(dialogs_, this, scales_, answer)) {
        commands_->takeRecoveredClass(std::move(*recovered));
    }
}

void MainWindow::activate() {
    if (activated_) return;
    if (Result<void> created = scales_.createDefaultScale(); !created) dialogs_.warn(this, created.message());
    commands_->resetToNewClass();
    activated_ = true;
    attendancePage_->showToday();
}

void MainWindow::restoreWindowPlace() {
    const QByteArray geometry = QSettings().value(kGeometryKey).toByteArray();
    if (!geometry.isEmpty() && restoreGeometry(geometry)) return;
    resize(firstSize(this));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void MainWindow::rememberWindowPlace() const {
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    gradesPage_->view()->setFocus();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow()) return;
    // After the activation is over: the question may take the focus itself.
    QTimer::singleShot(0, commands_.get(), &DocumentCommands::reviewChangesOnDisk);
}

void MainWindow::openAtStart(const QString& path) {
    commands_->openFile(path, false);
}

void MainWindow::resetToNewClass() {
    commands_->resetToNewClass();
}

void MainWindow::createCommandContext() {
    context_ = std::make_unique<CommandContext>(CommandContext{
        .open = *open_,
        .dialogs = dialogs_,
        .window = this,
        .actions = actions_,
        .stores = {scales_, settings_, passwords_},
        .pages = {gradesPage_, attendancePage_, seatingPage_, [this] { return page_; }},
        .finishTyping = [this] { finishTyping(); },
        .notice = [this](const QString& text) { statusBar()->showMessage(text, kNoticeMilliseconds); },
        .mailPasswords = [this]() -> MailPasswords& { return *mailPasswords_; },
    });
}

void MainWindow::followDocumentCommands() {
    connect(commands_.get(), &DocumentCommands::documentReplaced, this, [this] {
        if (page_ != Page::Grades) showPage(Page::Grades);
        // The seats are another class's now: none of them is current.
        seatingCommands_->forgetCurrentSeat();
        attendanceShown_ = false;
        untitledName_.clear();
        rebuildGrades();
    });
    connect(commands_.get(), &DocumentCommands::fileNameChanged, this, &MainWindow::updateStatusBar);
    connect(commands_.get(), &DocumentCommands::saved, this, [this] {
        refreshAttendanceClass();
        applyCommandStates();
    });
    connect(commands_.get(), &DocumentCommands::notice, this,
            [this](const QString& text) { statusBar()->showMessage(text, kNoticeMilliseconds); });
}

void MainWindow::showChange(const ChangeScope& scope) {
    if (!scope.touchesGrades()) return;
    if (!scope.cell) rebuildGrades();
    else if (scope.part == ChangeScope::Part::RowPoints) showTypedPoints(scope.cell->row, scope.cell->col);
    else rebuildGradesKeepingPlace(scope.cell->row, scope.cell->col);
}

void MainWindow::rebuildGrades() {
    open_->workOutGrades();
    gradesPage_->showTable(&open_->grades().sheet);
    refreshAttendanceClass();
    seatingPage_->view()->showChart();
    updateStatusBar();
    updateToolBar();
}

void MainWindow::rebuildGradesKeepingPlace(int row, int col) {
    open_->workOutGrades();
    gradesPage_->showTableKeepingPlace(&open_->grades().sheet, row, col);
    refreshAttendanceClass();
    seatingPage_->view()->showChart();
    updateToolBar();
}

void MainWindow::showTypedPoints(int row, int col) {
    // Only the student's row changes: it is redone in place, as a rebuild would.
    if (const std::optional<RowUpdate> update = open_->workOutGradesRow(row)) {
        gradesPage_->showChangedRow(row, update->resizedCols);
    } else {
        // The view moves on from here as the key that ended the edit says.
        gradesPage_->showTableKeepingPlace(&open_->grades().sheet, row, col);
    }
    updateToolBar();
}

void MainWindow::refreshAttendanceClass() {
    std::vector<std::string> names;
    names.reserve(document().classRecord.students.size());
    for (const StudentInfo& student : document().classRecord.students) names.push_back(student.name);
    attendancePage_->setClass(std::move(names), &document().attendance, document().attendanceDamage);
}

void MainWindow::updateStatusBar() {
    statusLabel_->setText(tr("Markwell File: ") + (document().isTitled() ? document().markwellFile : tr("< None >")));
    updateWindowTitle();
}

void MainWindow::updateWindowTitle() {
    const QString untitled = untitledName_.isEmpty() ? tr("Untitled") : untitledName_;
    const QString name = document().isTitled() ? QFileInfo(document().markwellFile).fileName() : untitled;
    // "[*]" is where the window shows that the class has unsaved changes.
    setWindowTitle(tr("%1[*] — Computerized Markwell").arg(name));
    setWindowModified(history().isModified());
}

QString MainWindow::statusText() const {
    return statusLabel_->text();
}

void MainWindow::updateToolBar() {
    applyCommandStates();
}

bool MainWindow::showPage(Page page) {
    pages_->setCurrentIndex(static_cast<int>(page));
    return page_ == page;
}

void MainWindow::showNextPage() {
    stepPage(1);
}

void MainWindow::showPreviousPage() {
    stepPage(-1);
}

void MainWindow::stepPage(int direction) {
    const int count = pages_->count();
    // Closed pages are passed over, as the tabs refuse them.
    for (int step = 1; step < count; ++step) {
        const auto page = static_cast<Page>((static_cast<int>(page_) + direction * step + count) % count);
        if (pages_->isTabEnabled(static_cast<int>(page))) {
            showPage(page);
            return;
        }
    }
}

CommandStates MainWindow::commandStatesOn(Page page) const {
    const ClassRecord& cls = document().classRecord;
    return commandStates(
        {page, static_cast<int>(cls.students.size()), static_cast<int>(cls.assignments.size()), document().isTitled()});
}

void MainWindow::pageChanged(int index) {
    const Page wanted = static_cast<Page>(index);
    if (wanted == page_) return;
    const CommandStates states = commandStatesOn(wanted);
    if (wanted != Page::Grades && !states.otherPagesOpen) {
        const QSignalBlocker block(pages_);
        pages_->setCurrentIndex(static_cast<int>(page_));
        statusBar()->showMessage(tr("Save the class and add students to open the %1 page.").arg(pages_->tabText(index)),
                                 kNoticeMilliseconds);
        return;
    }
    // The frame of handles is the Seating page's alone.
    if (page_ == Page::Seating) seatingPage_->view()->clearCurrent();
    page_ = wanted;
    switch (page_) {
    case Page::Grades: setHelpTopic(this, HelpTopic::Grades); break;
    case Page::Attendance:
        setHelpTopic(this, HelpTopic::Attendance);
        if (!std::exchange(attendanceShown_, true)) attendancePage_->showToday();
        break;
    case Page::Seating:
        setHelpTopic(this, HelpTopic::Seating);
        // Ready for the arrow keys and Delete.
        seatingPage_->view()->setFocus();
        break;
    }
    applyCommandStates();
}

void MainWindow::finishTyping() {
    gradesPage_->view()->endEdit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    finishTyping();
    if (!commands_->maySetAside()) {
        event->ignore();
        return;
    }
    rememberWindowPlace();
    event->accept();
    // Saved or let go of: nothing is left to recover.
    open_->recoveryKeeper().discardCopy();
    // A help window left open would keep the program running without its window.
    if (help_) help_->closeWindow();
}

}  // namespace markwell
