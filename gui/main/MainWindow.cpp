#include "main/MainWindow.h"

#include "dialogs/UserDialogs.h"
#include "help/HelpCenter.h"
#include "help/HelpTopics.h"
#include "pages/AttendancePage.h"
#include "pages/GradesPage.h"
#include "pages/SeatingPage.h"
#include "scales/ScaleStore.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>

namespace markwell {
namespace {

// How long a passing notice stays in the status bar.
constexpr int kNoticeMilliseconds = 6000;

// The window's first size: the classic 696 x 480, or roomier on a screen
// that has the room, so that a class shows without scrolling at once.
QSize firstSize(const QWidget* window) {
    const QSize classic(696, 480);
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return classic;
    const QSize room = screen->availableGeometry().size();
    if (room.width() >= 1200 && room.height() >= 800) return QSize(980, 680);
    return classic.boundedTo(room);
}

}  // namespace

MainWindow::MainWindow(UserDialogs& dialogs, ScaleStore& scales, HelpCenter* help, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), scales_(scales), help_(help) {
    setObjectName(QStringLiteral("FRM_Main"));
    setWindowTitle(QStringLiteral("Computerized Markwell"));
    setWindowIcon(applicationIcon());
    setHelpTopic(this, HelpTopic::Grades);

    commands_ = std::make_unique<DocumentCommands>(document_, dialogs_, scales_, this,
                                                   [this]() -> const Sheet& { return grades_.sheet; });
    connect(commands_.get(), &DocumentCommands::documentReplaced, this, [this] {
        if (page_ != Page::Grades) showPage(Page::Grades);
        UpdateMarkwell();
    });
    connect(commands_.get(), &DocumentCommands::fileNameChanged, this, &MainWindow::UpdateStatusBar);
    connect(commands_.get(), &DocumentCommands::saved, this, [this] {
        refreshAttendanceClass();
        applyCommandStates();
    });
    connect(commands_.get(), &DocumentCommands::notice, this,
            [this](const QString& text) { statusBar()->showMessage(text, kNoticeMilliseconds); });

    pages_ = new QTabWidget;
    pages_->setObjectName(QStringLiteral("PC_Main"));
    pages_->setTabPosition(QTabWidget::South);
    pages_->setDocumentMode(true);
    gradesPage_ = new GradesPage;
    attendancePage_ = new AttendancePage;
    seatingPage_ = new SeatingPage;
    pages_->addTab(gradesPage_, QStringLiteral("Grades"));
    pages_->addTab(attendancePage_, QStringLiteral("Attendance"));
    pages_->addTab(seatingPage_, QStringLiteral("Seating"));
    setCentralWidget(pages_);
    connect(pages_, &QTabWidget::currentChanged, this, &MainWindow::PC_MainChange);

    gradesPage_->setPointsHandler([this](int row, int col, const QString& text) { return storeTypedPoints(row, col, text); });
    connect(attendancePage_, &AttendancePage::marksChanged, this, &MainWindow::setDirty);

    statusLabel_ = new QLabel;
    statusLabel_->setObjectName(QStringLiteral("SB_Main"));
    statusLabel_->setAlignment(Qt::AlignCenter);
    statusBar()->addWidget(statusLabel_, 1);

    createActions();
    createMenus();
    createToolBar();

    resize(firstSize(this));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    FormActivate();
}

MainWindow::~MainWindow() {
    // The pages outlive this window's members: the grades view lets go of the
    // table first, so that a cell still being typed into closes without
    // reporting its value to a class that is gone.
    gradesPage_->showTable(nullptr);
}

void MainWindow::FormActivate() {
    if (IsActivated) return;
    if (Result<void> created = scales_.CreateDefaultScale(); !created) dialogs_.warn(this, created.message());
    commands_->resetToNewClass();
    IsActivated = true;
    attendancePage_->showToday();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    gradesPage_->view()->setFocus();
}

void MainWindow::openAtStart(const QString& path) {
    commands_->openFile(path, false);
}

Page MainWindow::currentPage() const {
    return page_;
}

void MainWindow::InitApp() {
    commands_->resetToNewClass();
}

void MainWindow::UpdateMarkwell() {
    grades_ = buildGradesTable(document_.classRecord);
    gradesPage_->showTable(&grades_.sheet);
    refreshAttendanceClass();
    UpdateStatusBar();
    UpdateToolBar();
}

void MainWindow::refreshAttendanceClass() {
    std::vector<std::string> names;
    names.reserve(document_.classRecord.students.size());
    for (const StudentInfo& student : document_.classRecord.students) names.push_back(student.name);
    attendancePage_->setClass(std::move(names), &document_.attendance, document_.attendanceDamage);
}

void MainWindow::UpdateStatusBar() {
    statusLabel_->setText(QStringLiteral("Markwell File: ") +
                          (document_.isTitled() ? document_.markwellFile : QStringLiteral("< None >")));
}

QString MainWindow::statusText() const {
    return statusLabel_->text();
}

void MainWindow::UpdateToolBar() {
    applyCommandStates();
}

void MainWindow::setDirty() {
    commands_->markChanged();
}

void MainWindow::replaceClass(ClassRecord changed) {
    document_.classRecord = std::move(changed);
    setDirty();
    UpdateMarkwell();
}

bool MainWindow::showPage(Page page) {
    pages_->setCurrentIndex(static_cast<int>(page));
    return page_ == page;
}

void MainWindow::PC_MainChange(int index) {
    const Page wanted = static_cast<Page>(index);
    if (wanted == page_) return;
    const CommandStates states = commandStates({wanted, static_cast<int>(document_.classRecord.students.size()),
                                                static_cast<int>(document_.classRecord.assignments.size()),
                                                document_.isTitled()});
    if (wanted != Page::Grades && !states.otherPagesOpen) {
        const QSignalBlocker block(pages_);
        pages_->setCurrentIndex(static_cast<int>(page_));
        statusBar()->showMessage(QStringLiteral("Save the class and add students to open the %1 page.")
                                     .arg(pages_->tabText(index)),
                                 kNoticeMilliseconds);
        return;
    }
    page_ = wanted;
    switch (page_) {
    case Page::Grades: setHelpTopic(this, HelpTopic::Grades); break;
    case Page::Attendance:
        setHelpTopic(this, HelpTopic::Attendance);
        attendancePage_->showToday();
        break;
    case Page::Seating: setHelpTopic(this, HelpTopic::Seating); break;
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
    event->accept();
    // A help window left open would keep the program running without its window.
    if (help_) help_->closeWindow();
}

}  // namespace markwell
