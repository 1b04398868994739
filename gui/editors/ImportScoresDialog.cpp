// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/editors/ImportScoresDialog.h"

#include "core/common/Cp1252.h"
#include "core/data/Tables.h"
#include "core/scores/RosterChanges.h"
#include "core/scores/ScoreMemory.h"
#include "core/scores/ScorePreview.h"
#include "core/settings/SettingsStore.h"
#include "gui/editors/ChoiceDelegate.h"
#include "gui/shared/HelpTopics.h"
#include "gui/shared/UserDialogs.h"
#include "gui/sheetview/SheetView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace markwell {
namespace {

// The first entries of a row's Student list; the class's students follow.
enum RowEntry { AsMatched, LeaveOut, AddAsNew, FirstStudentEntry };

// The first entries of a column's Use list; the class's assignments follow.
struct RoleEntry {
    ColumnRole role;
    const char* text;
};
constexpr std::array kRoleEntries = {
    RoleEntry{ColumnRole::Ignored, QT_TRANSLATE_NOOP("markwell::ImportScoresDialog", "Ignore")},
    RoleEntry{ColumnRole::Name, QT_TRANSLATE_NOOP("markwell::ImportScoresDialog", "Student's name")},
    RoleEntry{ColumnRole::FirstName, QT_TRANSLATE_NOOP("markwell::ImportScoresDialog", "First name")},
    RoleEntry{ColumnRole::LastName, QT_TRANSLATE_NOOP("markwell::ImportScoresDialog", "Last name")},
    RoleEntry{ColumnRole::StudentId, QT_TRANSLATE_NOOP("markwell::ImportScoresDialog", "Student ID")},
    RoleEntry{ColumnRole::Email, QT_TRANSLATE_NOOP("markwell::ImportScoresDialog", "E-mail address")},
    RoleEntry{ColumnRole::Login, QT_TRANSLATE_NOOP("markwell::ImportScoresDialog", "Login (an e-mail address)")},
    RoleEntry{ColumnRole::Score, QT_TRANSLATE_NOOP("markwell::ImportScoresDialog", "New assignment")},
};
constexpr int kNewAssignmentEntry = static_cast<int>(kRoleEntries.size()) - 1;
constexpr int kFirstAssignmentEntry = static_cast<int>(kRoleEntries.size());
// A new assignment's type until the teacher chooses one.
constexpr int kDefaultNewType = 2;  // Quiz

// A table of the given headings, each column `widths` characters wide (the
// last takes what is left).
QTableWidget* makeTable(const QString& objectName, const QStringList& headings, const QList<int>& widths) {
    auto* table = new QTableWidget(0, static_cast<int>(headings.size()));
    table->setObjectName(objectName);
    table->setHorizontalHeaderLabels(headings);
    table->setWordWrap(false);
    const int character = table->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (int col = 0; col < widths.size(); ++col) table->setColumnWidth(col, widths[col] * character);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                           QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    return table;
}

QTableWidgetItem* item(const QString& text, bool editable) {
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(editable ? cell->flags() | Qt::ItemIsEditable : cell->flags() & ~Qt::ItemIsEditable);
    return cell;
}

void setText(QTableWidget* table, int row, int col, const QString& text) {
    table->item(row, col)->setText(text);
}

}  // namespace

ImportScoresDialog::ImportScoresDialog(UserDialogs& dialogs, SettingsStore& settings, const ClassRecord& cls,
                                       QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), settings_(settings), cls_(cls), file_(new QLineEdit), layout_(new QLabel),
      match_(new QComboBox), missingAsZero_(new QCheckBox(tr("&Missing counts as 0"))),
      addStudents_(new QCheckBox(tr("&Add students not in the class"))), students_(nullptr),
      notInFile_(new QListWidget), columns_(nullptr), changesView_(nullptr), problems_(new QListWidget),
      counts_(new QLabel), import_(nullptr) {
    setWindowTitle(tr("Import Scores"));
    setObjectName(QStringLiteral("importScoresDialog"));
    setHelpTopic(this, HelpTopic::ImportScores);

    auto* options = new QWidget;
    buildOptions(options);
    auto* pages = new QTabWidget;
    pages->setObjectName(QStringLiteral("importPages"));
    // Each table is named by its tab, as a screen reader announces it.
    const auto addPage = [pages](QWidget* page, QWidget* table, const QString& caption) {
        pages->addTab(page, caption);
        table->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    };
    QWidget* studentsPage = buildStudentsPage();
    addPage(studentsPage, students_, tr("&Students"));
    buildColumnsPage();
    addPage(columns_, columns_, tr("Col&umns"));
    buildChangesPage();
    addPage(changesView_, changesView_, tr("C&hanges"));
    problems_->setObjectName(QStringLiteral("problemList"));
    addPage(problems_, problems_, tr("&Problems"));

    auto* buttons = new QDialogButtonBox;
    import_ = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    import_->setObjectName(QStringLiteral("importButton"));
    buttons->addButton(QDialogButtonBox::Cancel)->setText(tr("&Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ImportScoresDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    counts_->setObjectName(QStringLiteral("countsLabel"));
    counts_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(options);
    layout->addWidget(pages, 1);
    layout->addWidget(counts_);
    layout->addWidget(buttons);
    import_->setEnabled(false);
    resize(920, 620);
}

ImportScoresDialog::~ImportScoresDialog() = default;

void ImportScoresDialog::buildOptions(QWidget* box) {
    file_->setObjectName(QStringLiteral("fileEdit"));
    file_->setReadOnly(true);
    auto* browse = new QPushButton(tr("&Browse..."));
    browse->setObjectName(QStringLiteral("browseButton"));
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &ImportScoresDialog::chooseFile);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(file_, 1);
    fileRow->addWidget(browse);

    match_->setObjectName(QStringLiteral("matchCombo"));
    match_->addItems(
        {tr("Student ID, else e-mail address, else name"), tr("Student ID"), tr("E-mail address"), tr("Name")});
    missingAsZero_->setObjectName(QStringLiteral("missingAsZeroBox"));
    addStudents_->setObjectName(QStringLiteral("addStudentsBox"));
    connect(match_, &QComboBox::activated, this, &ImportScoresDialog::optionsChanged);
    connect(missingAsZero_, &QCheckBox::toggled, this, &ImportScoresDialog::optionsChanged);
    connect(addStudents_, &QCheckBox::toggled, this, &ImportScoresDialog::optionsChanged);
    auto* switches = new QHBoxLayout;
    switches->addWidget(missingAsZero_);
    switches->addWidget(addStudents_);
    switches->addStretch();

    layout_->setObjectName(QStringLiteral("layoutLabel"));
    auto* form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    auto* fileLabel = new QLabel(tr("&File:"));
    fileLabel->setBuddy(file_);
    form->addRow(fileLabel, fileRow);
    form->addRow(tr("Read as:"), layout_);
    form->addRow(tr("Match students b&y:"), match_);
    form->addRow(switches);
}

QWidget* ImportScoresDialog::buildStudentsPage() {
    students_ = makeTable(QStringLiteral("studentTable"), {tr("Line"), tr("In the file"), tr("Student"), tr("Note")},
                          {6, 28, 28});
    students_->setItemDelegateForColumn(StudentCol,
                                        new ChoiceDelegate([this](const QModelIndex&) { return rowChoices(); }, this));
    connect(students_, &QTableWidget::itemChanged, this, &ImportScoresDialog::rowChosen);
    notInFile_->setObjectName(QStringLiteral("notInFileList"));
    notInFile_->setMaximumHeight(110);
    auto* notInFileLabel = new QLabel(tr("Students of the class &not in the file:"));
    notInFileLabel->setBuddy(notInFile_);
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(students_, 1);
    layout->addWidget(notInFileLabel);
    layout->addWidget(notInFile_);
    return page;
}

void ImportScoresDialog::buildColumnsPage() {
    columns_ = makeTable(QStringLiteral("columnTable"),
                         {tr("Column"), tr("Use"), tr("Type"), tr("Possible points"), tr("Note")}, {28, 28, 12, 14});
    columns_->setItemDelegateForColumn(
        UseCol, new ChoiceDelegate([this](const QModelIndex&) { return columnChoices(); }, this));
    columns_->setItemDelegateForColumn(TypeCol, new ChoiceDelegate(
                                                    [](const QModelIndex&) {
                                                        QStringList types;
                                                        for (int t = 0; t < kAssignmentTypeCount; ++t) {
                                                            types << assignmentTypeLabel(t);
                                                        }
                                                        return types;
                                                    },
                                                    this));
    connect(columns_, &QTableWidget::itemChanged, this, &ImportScoresDialog::columnChosen);
}

void ImportScoresDialog::buildChangesPage() {
    changesView_ = new SheetView;
    changesView_->setObjectName(QStringLiteral("changesView"));
    changesView_->setSheet(&changesSheet_);
}

QStringList ImportScoresDialog::rowChoices() const {
    QStringList choices{tr("As matched"), tr("Leave out"), tr("Add as a new student")};
    for (const StudentInfo& student : cls_.students) choices << cp1252::toUnicode(student.name);
    return choices;
}

QStringList ImportScoresDialog::columnChoices() const {
    QStringList choices;
    for (const RoleEntry& entry : kRoleEntries) choices << tr(entry.text);
    for (const AssignmentInfo& assignment : cls_.assignments) choices << cp1252::toUnicode(assignment.title);
    return choices;
}

void ImportScoresDialog::chooseFile() {
    UserDialogs::FileRequest request;
    request.title = tr("Import Scores");
    request.filters = {tr("Gradebook (*.csv *.txt)"), tr("All files (*)")};
    request.folder = path_.isEmpty() ? QString() : QFileInfo(path_).absolutePath();
    const QString path = dialogs_.openFile(this, request);
    if (!path.isEmpty()) openScoreFile(path);
}

bool ImportScoresDialog::openScoreFile(const QString& path) {
    Result<ScoreTable> table = readScoreFile(path);
    if (!table) {
        dialogs_.warn(this, tr("The scores cannot be read: %1").arg(table.message()));
        return false;
    }
    path_ = path;
    table_ = std::move(table).value();
    mapping_ = defaultScoreMapping(cls_, table_);
    recallScoreMapping(settings_, table_, cls_, mapping_);
    file_->setText(QDir::toNativeSeparators(path));
    layout_->setText(scoreTableDescription(table_));
    fillTables();
    replan();
    return true;
}

void ImportScoresDialog::fillTables() {
    showing_ = true;
    match_->setCurrentIndex(static_cast<int>(mapping_.matchBy));
    missingAsZero_->setChecked(mapping_.missingAsZero);
    addStudents_->setChecked(mapping_.addStudents);
    students_->setRowCount(static_cast<int>(table_.rows.size()));
    for (int r = 0; r < students_->rowCount(); ++r) {
        students_->setItem(r, LineCol, item(QString::number(table_.rows[static_cast<std::size_t>(r)].line), false));
        students_->setItem(r, InFileCol, item(QString(), false));
        students_->setItem(r, StudentCol, item(QString(), true));
        students_->item(r, StudentCol)->setData(Qt::UserRole, AsMatched);
        students_->setItem(r, RowNoteCol, item(QString(), false));
    }
    columns_->setRowCount(static_cast<int>(table_.columns.size()));
    for (int c = 0; c < columns_->rowCount(); ++c) {
        columns_->setItem(c, HeadingCol, item(table_.columns[static_cast<std::size_t>(c)].heading.simplified(), false));
        columns_->setItem(c, UseCol, item(QString(), true));
        columns_->setItem(c, TypeCol, item(QString(), false));
        columns_->setItem(c, PossibleCol, item(QString(), false));
        columns_->setItem(c, ColumnNoteCol, item(QString(), false));
    }
    showing_ = false;
}

void ImportScoresDialog::optionsChanged() {
    if (showing_) return;
    mapping_.matchBy = static_cast<MatchBy>(match_->currentIndex());
    mapping_.missingAsZero = missingAsZero_->isChecked();
    mapping_.addStudents = addStudents_->isChecked();
    replan();
}

void ImportScoresDialog::rowChosen(QTableWidgetItem* cell) {
    if (showing_ || cell->column() != StudentCol) return;
    const auto row = static_cast<std::size_t>(cell->row());
    const int choice = cell->data(Qt::UserRole).toInt();
    if (choice == AsMatched) mapping_.rows.erase(row);
    else if (choice == LeaveOut) mapping_.rows[row] = {RowChoice::Kind::Skip, 0};
    else if (choice == AddAsNew) mapping_.rows[row] = {RowChoice::Kind::NewStudent, 0};
    else mapping_.rows[row] = {RowChoice::Kind::Student, static_cast<std::size_t>(choice - FirstStudentEntry)};
    replan();
}

void ImportScoresDialog::columnChosen(QTableWidgetItem* cell) {
    if (showing_) return;
    const auto column = static_cast<std::size_t>(cell->row());
    ColumnUse& use = mapping_.columns[column];
    switch (cell->column()) {
    case UseCol: use = columnUseAt(column, cell->data(Qt::UserRole).toInt()); break;
    case TypeCol: use.newType = assignmentTypeName(cell->data(Qt::UserRole).toInt()); break;
    case PossibleCol: use.newPossible = cell->text().trimmed(); break;
    default: return;
    }
    replan();
}

ColumnUse ImportScoresDialog::columnUseAt(std::size_t column, int choice) const {
    if (choice >= kFirstAssignmentEntry) {
        return ColumnUse{ColumnRole::Score, static_cast<std::size_t>(choice - kFirstAssignmentEntry), {}, {}, {}};
    }
    if (choice == kNewAssignmentEntry) {
        const ScoreColumn& heading = table_.columns[column];
        ScoreColumn titled = heading;
        if (titled.title.isEmpty()) titled.title = heading.heading.simplified();
        return newAssignmentUse(titled, assignmentTypeName(kDefaultNewType));
    }
    return ColumnUse{kRoleEntries[static_cast<std::size_t>(std::max(choice, 0))].role, std::nullopt, {}, {}, {}};
}

int ImportScoresDialog::columnUseIndex(const ColumnUse& use) const {
    if (use.role == ColumnRole::Score) {
        return use.assignment ? kFirstAssignmentEntry + static_cast<int>(*use.assignment) : kNewAssignmentEntry;
    }
    for (std::size_t i = 0; i < kRoleEntries.size(); ++i) {
        if (kRoleEntries[i].role == use.role) return static_cast<int>(i);
    }
    return 0;
}

void ImportScoresDialog::replan() {
    plan_ = planScoreImport(cls_, table_, mapping_);
    showing_ = true;
    showRows();
    showColumns();
    showing_ = false;
    showChanges();
}

QString ImportScoresDialog::rowStudentText(std::size_t row) const {
    const PlannedRow& planned = plan_.rows[row];
    switch (planned.status) {
    case PlannedRow::Status::Matched:
    case PlannedRow::Status::Duplicate:
    case PlannedRow::Status::NewStudent: return plan_.studentNames[*planned.student];
    case PlannedRow::Status::Skipped:
    case PlannedRow::Status::NoName: return tr("(left out)");
    case PlannedRow::Status::Unmatched: return tr("(no student)");
    case PlannedRow::Status::Ambiguous: return tr("(several students)");
    }
    return {};
}

void ImportScoresDialog::showRows() {
    for (std::size_t r = 0; r < plan_.rows.size(); ++r) {
        const int row = static_cast<int>(r);
        setText(students_, row, InFileCol, plan_.rows[r].name);
        setText(students_, row, StudentCol, rowStudentText(r));
        setText(students_, row, RowNoteCol, plan_.rows[r].note);
    }
    notInFile_->clear();
    for (std::size_t s : plan_.notInFile) notInFile_->addItem(plan_.studentNames[s]);
}

QString ImportScoresDialog::columnUseText(std::size_t column) const {
    const ColumnUse& use = mapping_.columns[column];
    if (use.role == ColumnRole::Score && use.assignment && *use.assignment < cls_.assignments.size()) {
        return cp1252::toUnicode(cls_.assignments[*use.assignment].title);
    }
    if (use.role == ColumnRole::Score && !use.assignment) return tr("New: %1").arg(use.newTitle);
    return tr(kRoleEntries[static_cast<std::size_t>(columnUseIndex(use))].text);
}

void ImportScoresDialog::showColumns() {
    for (std::size_t c = 0; c < mapping_.columns.size(); ++c) {
        const int row = static_cast<int>(c);
        const ColumnUse& use = mapping_.columns[c];
        const bool isNew = use.role == ColumnRole::Score && !use.assignment;
        columns_->item(row, UseCol)->setData(Qt::UserRole, columnUseIndex(use));
        setText(columns_, row, UseCol, columnUseText(c));
        const int type = assignmentTypeIndex(use.newType.toStdString());
        columns_->item(row, TypeCol)->setData(Qt::UserRole, std::max(type, 0));
        setText(columns_, row, TypeCol, isNew && type >= 0 ? assignmentTypeLabel(type) : QString());
        setText(columns_, row, PossibleCol, isNew ? use.newPossible : QString());
        for (int col : {TypeCol, PossibleCol}) {
            QTableWidgetItem* cell = columns_->item(row, col);
            cell->setFlags(isNew ? cell->flags() | Qt::ItemIsEditable : cell->flags() & ~Qt::ItemIsEditable);
        }
        const ScoreColumn& column = table_.columns[c];
        QString note;
        if (use.role == ColumnRole::Ignored) {
            note = column.role == ColumnRole::Score ? tr("no assignment of this title") : column.ignoredBecause;
        }
        setText(columns_, row, ColumnNoteCol, note);
    }
}

void ImportScoresDialog::showChanges() {
    changesSheet_ = scoreChangesSheet(plan_);
    changesView_->setSheet(&changesSheet_);
    problems_->clear();
    for (const RowProblem& problem : plan_.problems) {
        problems_->addItem(tr("line %1: %2").arg(QString::number(problem.line), problem.reason));
    }
    QString counts = scoreCountsText(plan_.counts);
    if (plan_.blocked()) {
        counts += QLatin1Char('\n') +
                  tr("Settle the %1 problem(s) listed under Problems before importing.").arg(plan_.problems.size());
    } else if (!plan_.changesAnything()) {
        counts += QLatin1Char('\n') + tr("Nothing to import: the class has these scores already.");
    }
    counts_->setText(counts);
    import_->setEnabled(!plan_.blocked() && plan_.changesAnything());
}

Change ImportScoresDialog::importChange() const {
    return scoreImportChange(table_, mapping_, path_);
}

void ImportScoresDialog::accept() {
    if (!import_->isEnabled()) return;
    rememberScoreMapping(settings_, table_, mapping_, cls_);
    // The import goes on whether or not the choices could be kept.
    (void)settings_.flush();
    QDialog::accept();
}

}  // namespace markwell
