// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/reports/MyClassesWindow.h"

#include "core/printout/ReportStyle.h"
#include "gui/document/RecentFiles.h"
#include "gui/reports/ClassOverviewReader.h"
#include "gui/reports/ReportWindowParts.h"
#include "gui/shared/HelpTopics.h"
#include "gui/shared/UserDialogs.h"
#include "gui/sheetview/SheetView.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace markwell {
namespace {

const QString kSourceKey = QStringLiteral("MyClasses/source");
const QString kFolderKey = QStringLiteral("MyClasses/folder");
const QString kLetterKey = QStringLiteral("MyClasses/gradeAtMost");
const QString kRecentSource = QStringLiteral("recent");

QPushButton* windowButton(const QString& text, const char* objectName) {
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(objectName));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

MyClassesWindow::MyClassesWindow(const ScaleStore& scales, UserDialogs& dialogs, const QString& classFolder,
                                 QWidget* parent)
    : QDialog(parent), scales_(scales), dialogs_(dialogs), reader_(new ClassOverviewReader(this)) {
    setWindowTitle(tr("My Classes"));
    setObjectName(QStringLiteral("myClassesWindow"));
    setHelpTopic(this, HelpTopic::MyClasses);

    view_ = ReportWindowParts::readOnlyView(QStringLiteral("myClassesTable"));
    view_->setAccessibleName(tr("Classes"));
    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("readingProgress"));
    cancel_ = windowButton(tr("Ca&ncel"), "cancelReadingButton");
    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("myClassesStatus"));
    auto* reading = new QHBoxLayout;
    reading->addWidget(status_, 1);
    reading->addWidget(progress_);
    reading->addWidget(cancel_);

    QPushButton* print = nullptr;
    QDialogButtonBox* buttons = ReportWindowParts::closeAndPrintButtons(this, &print);
    open_ = buttons->addButton(tr("&Open"), QDialogButtonBox::ActionRole);
    open_->setObjectName(QStringLiteral("openClassButton"));
    open_->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeSourceChoice());
    layout->addWidget(view_, 1);
    layout->addLayout(reading);
    layout->addWidget(buttons);
    resize(900, 520);

    const QSettings settings;
    const QString folder = settings.value(kFolderKey).toString();
    folderPath_->setText(!folder.isEmpty() ? folder : !classFolder.isEmpty() ? classFolder : QDir::homePath());
    (settings.value(kSourceKey).toString() == kRecentSource ? recent_ : folder_)->setChecked(true);
    const QString letter = settings.value(kLetterKey).toString();
    if (!letter.isEmpty()) letters_->addItem(letter, letter);
    letters_->setCurrentIndex(letters_->count() - 1);

    connect(print, &QPushButton::clicked, this, &MyClassesWindow::printTable);
    connect(open_, &QPushButton::clicked, this, [this] { openRow(view_->currentIndex().row() + 1); });
    connect(view_, &SheetView::doubleClicked, this, [this](const QModelIndex& index) { openRow(index.row() + 1); });
    connect(cancel_, &QPushButton::clicked, reader_, &ClassOverviewReader::cancel);
    connect(reader_, &ClassOverviewReader::progressed, this, &MyClassesWindow::showProgress);
    connect(reader_, &ClassOverviewReader::finished, this, &MyClassesWindow::showClasses);
    connect(letters_, &QComboBox::currentIndexChanged, this, &MyClassesWindow::showTable);
    connect(folder_, &QRadioButton::toggled, this, &MyClassesWindow::readClasses);
    connect(folderPath_, &QLineEdit::returnPressed, this, [this] {
        folder_->setChecked(true);
        readClasses();
    });
    readClasses();
}

MyClassesWindow::~MyClassesWindow() {
    view_->setSheet(nullptr);
}

QWidget* MyClassesWindow::makeSourceChoice() {
    folder_ = new QRadioButton(tr("&Folder:"));
    folder_->setObjectName(QStringLiteral("folderSource"));
    recent_ = new QRadioButton(tr("&Recent files"));
    recent_->setObjectName(QStringLiteral("recentSource"));
    folderPath_ = new QLineEdit;
    folderPath_->setObjectName(QStringLiteral("folderPath"));
    folderPath_->setAccessibleName(tr("Folder"));
    QPushButton* browse = windowButton(tr("&Browse..."), "browseButton");
    QPushButton* again = windowButton(tr("Rea&d Again"), "readAgainButton");
    letters_ = new QComboBox;
    letters_->setObjectName(QStringLiteral("letterChoice"));
    letters_->addItem(tr("No letter"), QString());
    auto* letterLabel = new QLabel(tr("Count the students at or below &letter:"));
    letterLabel->setBuddy(letters_);

    auto* grid = new QGridLayout;
    grid->addWidget(folder_, 0, 0);
    grid->addWidget(folderPath_, 0, 1);
    grid->addWidget(browse, 0, 2);
    grid->addWidget(recent_, 1, 0);
    grid->addWidget(again, 1, 2);
    auto* letterRow = new QHBoxLayout;
    letterRow->addWidget(letterLabel);
    letterRow->addWidget(letters_);
    letterRow->addStretch();
    grid->addLayout(letterRow, 2, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    auto* box = new QGroupBox(tr("Classes"));
    box->setLayout(grid);

    connect(browse, &QPushButton::clicked, this, &MyClassesWindow::chooseFolder);
    connect(again, &QPushButton::clicked, this, &MyClassesWindow::readClasses);
    return box;
}

void MyClassesWindow::chooseFolder() {
    UserDialogs::FileRequest request;
    request.title = tr("Folder of Classes");
    request.folder = folderPath_->text();
    const QString folder = dialogs_.chooseFolder(this, request);
    if (folder.isEmpty()) return;
    folderPath_->setText(QDir::toNativeSeparators(folder));
    if (folder_->isChecked()) {
        readClasses();
    } else {
        folder_->setChecked(true);  // which reads
    }
}

void MyClassesWindow::readClasses() {
    const QStringList paths =
        folder_->isChecked() ? classFilesIn(QDir::fromNativeSeparators(folderPath_->text())) : recentFiles();
    remember();
    classes_.clear();
    showTable();
    progress_->setRange(0, static_cast<int>(paths.size()));
    progress_->setValue(0);
    progress_->setVisible(true);
    cancel_->setVisible(true);
    status_->setText(tr("Reading %1 classes...").arg(paths.size()));
    reader_->start(paths, scales_);
}

bool MyClassesWindow::isReading() const {
    return reader_->isReading();
}

QString MyClassesWindow::statusText() const {
    return status_->text();
}

void MyClassesWindow::showProgress(int done, int count) {
    progress_->setRange(0, count);
    progress_->setValue(done);
    status_->setText(tr("Reading class %1 of %2...").arg(done + 1).arg(count));
}

void MyClassesWindow::showClasses(const std::vector<ClassSummary>& classes, bool cancelled) {
    classes_ = classes;
    progress_->setVisible(false);
    cancel_->setVisible(false);
    offerLetters();
    showTable();
    const auto damaged = std::count_if(classes_.begin(), classes_.end(),
                                       [](const ClassSummary& summary) { return !summary.damage.isEmpty(); });
    QString status = cancelled ? tr("Reading cancelled after %1 classes.").arg(classes_.size())
                               : tr("%1 classes.").arg(classes_.size());
    if (damaged > 0) status += QLatin1Char(' ') + tr("%1 could not be read.").arg(damaged);
    if (classes_.empty() && !cancelled) {
        status =
            folder_->isChecked() ? tr("This folder holds no class (.grs file).") : tr("No class was opened lately.");
    }
    status_->setText(status);
}

void MyClassesWindow::offerLetters() {
    const QString chosen = letters_->currentData().toString();
    QStringList offered;
    for (const ClassSummary& summary : classes_) {
        for (const auto& [letter, count] : summary.letters) {
            const QString shown = letter.trimmed();
            if (!offered.contains(shown, Qt::CaseInsensitive)) offered << shown;
        }
    }
    if (!chosen.isEmpty() && !offered.contains(chosen, Qt::CaseInsensitive)) offered << chosen;
    const QSignalBlocker quiet(letters_);
    while (letters_->count() > 1) letters_->removeItem(1);
    for (const QString& letter : offered) letters_->addItem(letter, letter);
    const int index = letters_->findData(chosen, Qt::UserRole, Qt::MatchFixedString);
    letters_->setCurrentIndex(std::max(0, index));
}

void MyClassesWindow::showTable() {
    sheet_ = overviewSheet(classes_, letters_->currentData().toString(), true);
    ReportWindowParts::show(view_, &sheet_);
    open_->setEnabled(!classes_.empty());
    remember();
}

void MyClassesWindow::openRow(int row) {
    const int index = row - 2;
    if (index < 0 || index >= static_cast<int>(classes_.size())) return;
    chosen_ = classes_[static_cast<std::size_t>(index)].path;
    accept();
}

void MyClassesWindow::printTable() {
    Sheet printout = sheet_;
    const QString centre = folder_->isChecked() ? folderPath_->text() : tr("Recent files");
    setReportPrintout(printout, tr("My Classes"), QString(), centre);
    ReportWindowParts::print(this, dialogs_, printout);
}

void MyClassesWindow::remember() const {
    QSettings settings;
    settings.setValue(kSourceKey, folder_->isChecked() ? QStringLiteral("folder") : kRecentSource);
    settings.setValue(kFolderKey, folderPath_->text());
    settings.setValue(kLetterKey, letters_->currentData().toString());
}

}  // namespace markwell
