// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/reports/ClassReportsWindow.h"

#include "core/common/Cp1252.h"
#include "core/document/DocumentFiles.h"
#include "core/grading/LetterGrade.h"
#include "core/reports/FamilyNote.h"
#include "core/reports/StudentReport.h"
#include "gui/reports/ClassReportsJob.h"
#include "gui/reports/SendReportsDialog.h"
#include "gui/shared/HelpTopics.h"
#include "gui/shared/TintedLabel.h"
#include "gui/shared/UserDialogs.h"
#include "render/paging/PageSetup.h"
#include "render/reports/ClassReportsPrintout.h"
#include "render/reports/StudentReportPages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>

namespace markwell {
namespace {

// Where the window keeps its choices between openings.
const QString kStudentsKey = QStringLiteral("ClassReports/students");
const QString kLetterKey = QStringLiteral("ClassReports/letter");
const QString kContentsKey = QStringLiteral("ClassReports/contents");
const QString kWhatIfKey = QStringLiteral("ClassReports/whatIf");
const QString kNoteKey = QStringLiteral("ClassReports/note");
const QString kDestinationKey = QStringLiteral("ClassReports/destination");
const QString kFolderKey = QStringLiteral("ClassReports/folder");

// The preview's paper: small enough to sit beside the choices.
constexpr int kPreviewDotsPerInch = 64;

QDate firstDayOf(int year, int month) {
    return QDate(year, month, 1);
}

QString listedChoice(const QComboBox* combo, const QString& remembered) {
    const int found = combo->findText(remembered);
    return found >= 0 ? combo->itemText(found) : combo->currentText();
}

}  // namespace

ClassReportsWindow::ClassReportsWindow(ReportInput input, AttendanceBook attendance, const CellRange& selection,
                                       UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), input_(std::move(input)), attendance_(std::move(attendance)), selection_(selection),
      dialogs_(dialogs), previewTimer_(new QTimer(this)) {
    setWindowTitle(tr("Class Reports"));
    setObjectName(QStringLiteral("classReportsWindow"));
    setHelpTopic(this, HelpTopic::ClassReports);

    done_ = new QLabel;
    done_->setObjectName(QStringLiteral("doneText"));
    done_->setWordWrap(true);
    auto* choices = new QVBoxLayout;
    choices->addWidget(makeStudentChoices());
    choices->addWidget(makeContentChoices());
    choices->addWidget(makeDestinationChoices());
    choices->addWidget(done_);
    choices->addStretch(1);

    auto* buttons = new QDialogButtonBox;
    QPushButton* make = buttons->addButton(tr("&Make Reports"), QDialogButtonBox::ActionRole);
    make->setObjectName(QStringLiteral("makeButton"));
    make->setDefault(true);
    QPushButton* preview = buttons->addButton(tr("Pre&view..."), QDialogButtonBox::ActionRole);
    preview->setObjectName(QStringLiteral("previewButton"));
    preview->setAutoDefault(false);
    QPushButton* close = buttons->addButton(tr("&Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAutoDefault(false);
    sendButton_ = buttons->addButton(tr("Send &by E-mail..."), QDialogButtonBox::ActionRole);
    sendButton_->setObjectName(QStringLiteral("sendByMailButton"));
    sendButton_->setAutoDefault(false);
    sendButton_->hide();  // until the window is lent a way to send
    connect(make, &QPushButton::clicked, this, &ClassReportsWindow::makeReports);
    connect(sendButton_, &QPushButton::clicked, this, &ClassReportsWindow::sendReports);
    connect(preview, &QPushButton::clicked, this, &ClassReportsWindow::previewFirstReport);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* columns = new QHBoxLayout;
    columns->addLayout(choices);
    columns->addWidget(makePreview(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);

    previewTimer_->setSingleShot(true);
    previewTimer_->setInterval(150);
    connect(previewTimer_, &QTimer::timeout, this, &ClassReportsWindow::refreshPreview);
    restoreChoices();
    choicesChanged();
    refreshPreview();
}

QWidget* ClassReportsWindow::makeStudentChoices() {
    auto* group = new QGroupBox(tr("Students"));
    studentKinds_ = new QButtonGroup(group);
    auto* all = new QRadioButton(tr("&All students"));
    all->setObjectName(QStringLiteral("allStudents"));
    const int selected =
        static_cast<int>(studentsInRows(input_.cls, input_.grades, selection_.r1, selection_.r2).size());
    selectedStudents_ = new QRadioButton(tr("Those &selected on the Grades page (%1)").arg(selected));
    selectedStudents_->setObjectName(QStringLiteral("selectedStudents"));
    selectedStudents_->setEnabled(selected > 0);
    auto* graded = new QRadioButton(tr("Those whose &grade is"));
    graded->setObjectName(QStringLiteral("gradedStudents"));
    letters_ = new QComboBox;
    letters_->setObjectName(QStringLiteral("gradeLetter"));
    letters_->setAccessibleName(tr("Letter"));
    for (const QString& letter : scaleLetterTexts(input_.cls.gradeScale)) letters_->addItem(letter.trimmed());
    auto* ticked = new QRadioButton(tr("&Ticked below:"));
    ticked->setObjectName(QStringLiteral("tickedChoice"));
    tickedStudents_ = new QListWidget;
    tickedStudents_->setObjectName(QStringLiteral("tickedStudents"));
    tickedStudents_->setAccessibleName(tr("Students to tick"));
    for (const StudentInfo& student : input_.cls.students) {
        auto* item = new QListWidgetItem(cp1252::toUnicode(student.name), tickedStudents_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    tickedStudents_->setMaximumHeight(120);
    studentCount_ = new QLabel;
    studentCount_->setObjectName(QStringLiteral("studentCount"));

    studentKinds_->addButton(all, static_cast<int>(StudentChoice::Kind::All));
    studentKinds_->addButton(selectedStudents_, static_cast<int>(StudentChoice::Kind::Selected));
    studentKinds_->addButton(graded, static_cast<int>(StudentChoice::Kind::GradeAtMost));
    studentKinds_->addButton(ticked, static_cast<int>(StudentChoice::Kind::Named));
    all->setChecked(true);

    auto* gradeRow = new QHBoxLayout;
    gradeRow->addWidget(graded);
    gradeRow->addWidget(letters_);
    gradeRow->addWidget(new QLabel(tr("or worse")));
    gradeRow->addStretch(1);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(all);
    layout->addWidget(selectedStudents_);
    layout->addLayout(gradeRow);
    layout->addWidget(ticked);
    layout->addWidget(tickedStudents_);
    layout->addWidget(studentCount_);

    connect(studentKinds_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) choicesChanged();
    });
    connect(letters_, &QComboBox::currentIndexChanged, this, &ClassReportsWindow::choicesChanged);
    connect(tickedStudents_, &QListWidget::itemChanged, this, &ClassReportsWindow::choicesChanged);
    return group;
}

QWidget* ClassReportsWindow::makeContentChoices() {
    auto* group = new QGroupBox(tr("Each report holds"));
    overall_ = new QCheckBox(tr("&Overall"));
    byType_ = new QCheckBox(tr("By t&ype"));
    why_ = new QCheckBox(tr("&Why"));
    comment_ = new QCheckBox(tr("The student's comm&ent"));
    auto* tables = new QHBoxLayout;
    for (QCheckBox* box : {overall_, byType_, why_}) tables->addWidget(box);
    tables->addStretch(1);
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(tables);
    layout->addLayout(makeWhatIfRow());
    layout->addLayout(makeMonthsRow());
    layout->addWidget(comment_);
    layout->addLayout(makeNoteRows());

    const std::pair<QCheckBox*, const char*> named[] = {
        {overall_, "overallBox"},          {byType_, "byTypeBox"},  {why_, "whyBox"}, {whatIf_, "whatIfBox"},
        {attendanceBox_, "attendanceBox"}, {comment_, "commentBox"}};
    for (const auto& [box, name] : named) {
        box->setObjectName(QLatin1String(name));
        connect(box, &QCheckBox::toggled, this, &ClassReportsWindow::choicesChanged);
    }
    return group;
}

QLayout* ClassReportsWindow::makeWhatIfRow() {
    whatIf_ = new QCheckBox(tr("What-&if line:"));
    whatIfAssignment_ = new QComboBox;
    whatIfAssignment_->setObjectName(QStringLiteral("whatIfAssignment"));
    whatIfAssignment_->setAccessibleName(tr("Assignment"));
    for (const AssignmentInfo& assignment : input_.cls.assignments) {
        whatIfAssignment_->addItem(cp1252::toUnicode(assignment.title));
    }
    whatIfLetter_ = new QComboBox;
    whatIfLetter_->setObjectName(QStringLiteral("whatIfLetter"));
    whatIfLetter_->setAccessibleName(tr("Letter"));
    for (const QString& letter : scaleLetterTexts(input_.cls.gradeScale)) whatIfLetter_->addItem(letter.trimmed());
    for (QComboBox* combo : {whatIfAssignment_, whatIfLetter_}) {
        connect(combo, &QComboBox::currentIndexChanged, this, &ClassReportsWindow::choicesChanged);
    }
    auto* row = new QHBoxLayout;
    row->addSpacing(20);  // under Why, which it belongs to
    row->addWidget(whatIf_);
    row->addWidget(whatIfAssignment_, 1);
    row->addWidget(whatIfLetter_);
    return row;
}

QLayout* ClassReportsWindow::makeMonthsRow() {
    attendanceBox_ = new QCheckBox(tr("Atte&ndance from"));
    firstMonth_ = new QDateEdit;
    lastMonth_ = new QDateEdit;
    firstMonth_->setAccessibleName(tr("First month"));
    lastMonth_->setAccessibleName(tr("Last month"));
    const MonthSpan span = defaultMonthSpan(attendance_, QDate::currentDate());
    firstMonth_->setDate(firstDayOf(span.firstYear, span.firstMonth));
    lastMonth_->setDate(firstDayOf(span.lastYear, span.lastMonth));
    auto* row = new QHBoxLayout;
    row->addWidget(attendanceBox_);
    row->addWidget(firstMonth_);
    row->addWidget(new QLabel(tr("to")));
    row->addWidget(lastMonth_);
    row->addStretch(1);
    for (QDateEdit* month : {firstMonth_, lastMonth_}) {
        month->setDisplayFormat(QStringLiteral("MMMM yyyy"));
        connect(month, &QDateEdit::dateChanged, this, &ClassReportsWindow::choicesChanged);
    }
    return row;
}

QLayout* ClassReportsWindow::makeNoteRows() {
    note_ = new QPlainTextEdit;
    note_->setObjectName(QStringLiteral("note"));
    note_->setTabChangesFocus(true);
    note_->setMaximumHeight(90);
    auto* label = new QLabel(tr("Note to &families:"));
    label->setBuddy(note_);
    auto* hint = new QLabel(tr("{name}, {grade} and {average} are filled in for each student."));
    hint->setWordWrap(true);
    noteWarning_ = new TintedLabel({}, QColor(0xb0, 0, 0));
    noteWarning_->setObjectName(QStringLiteral("noteWarning"));
    noteWarning_->setWordWrap(true);
    connect(note_, &QPlainTextEdit::textChanged, this, &ClassReportsWindow::choicesChanged);
    auto* rows = new QVBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{label, note_, hint, noteWarning_}) rows->addWidget(widget);
    return rows;
}

QWidget* ClassReportsWindow::makeDestinationChoices() {
    auto* group = new QGroupBox(tr("Where they go"));
    destinations_ = new QButtonGroup(group);
    auto* print = new QRadioButton(tr("P&rinted, in one job"));
    auto* onePdf = new QRadioButton(tr("As one P&DF file"));
    auto* folder = new QRadioButton(tr("As one PDF per student in a fo&lder"));
    destinations_->addButton(print, static_cast<int>(Destination::Print));
    destinations_->addButton(onePdf, static_cast<int>(Destination::OnePdf));
    destinations_->addButton(folder, static_cast<int>(Destination::Folder));
    print->setObjectName(QStringLiteral("printDestination"));
    onePdf->setObjectName(QStringLiteral("onePdfDestination"));
    folder->setObjectName(QStringLiteral("folderDestination"));
    print->setChecked(true);
    auto* layout = new QVBoxLayout(group);
    for (QRadioButton* button : {print, onePdf, folder}) layout->addWidget(button);
    return group;
}

QWidget* ClassReportsWindow::makePreview() {
    auto* group = new QGroupBox(tr("Preview"));
    preview_ = new QLabel;
    preview_->setObjectName(QStringLiteral("previewPicture"));
    preview_->setAlignment(Qt::AlignCenter);
    auto* scroll = new QScrollArea;
    scroll->setWidget(preview_);
    scroll->setWidgetResizable(true);
    // The whole width of the page, and room for the scroll bar beside it.
    scroll->setMinimumWidth(standardPageLayout().fullRectPixels(kPreviewDotsPerInch).width() + 24);
    previewCaption_ = new QLabel;
    previewCaption_->setObjectName(QStringLiteral("previewCaption"));
    previewCaption_->setWordWrap(true);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(previewCaption_);
    layout->addWidget(scroll, 1);
    return group;
}

StudentChoice ClassReportsWindow::studentChoice() const {
    StudentChoice choice;
    choice.kind = static_cast<StudentChoice::Kind>(studentKinds_->checkedId());
    choice.rows = selection_;
    choice.letter = letters_->currentText();
    for (int i = 0; i < tickedStudents_->count(); ++i) {
        const QListWidgetItem* item = tickedStudents_->item(i);
        if (item->checkState() == Qt::Checked) choice.names << item->text();
    }
    return choice;
}

Result<std::vector<int>> ClassReportsWindow::chosenStudents() const {
    const StudentChoice choice = studentChoice();
    if (choice.kind != StudentChoice::Kind::Named) return chooseStudents(input_.cls, input_.grades, choice);
    // Ticked by hand: those very students, even where two share a name.
    std::vector<int> ticked;
    for (int i = 0; i < tickedStudents_->count(); ++i) {
        if (tickedStudents_->item(i)->checkState() == Qt::Checked) ticked.push_back(i);
    }
    return ticked;
}

ReportContents ClassReportsWindow::contents() const {
    ReportContents c;
    c.overall = overall_->isChecked();
    c.byType = byType_->isChecked();
    c.why = why_->isChecked();
    c.attendance = attendanceBox_->isChecked();
    c.comment = comment_->isChecked();
    if (c.why && whatIf_->isChecked() && whatIfAssignment_->currentIndex() >= 0) {
        c.whatIfAssignment = static_cast<std::size_t>(whatIfAssignment_->currentIndex());
        c.whatIfLetter = whatIfLetter_->currentText();
    }
    const QDate first = firstMonth_->date();
    const QDate last = lastMonth_->date();
    c.months = {first.year(), first.month(), last.year(), last.month()};
    c.note = note_->toPlainText();
    return c;
}

ClassReportsWindow::Destination ClassReportsWindow::destination() const {
    return static_cast<Destination>(destinations_->checkedId());
}

void ClassReportsWindow::restoreChoices() {
    const QSettings settings;
    const Result<ReportContents> kept =
        contentsFromList(settings.value(kContentsKey, contentsList(ReportContents{})).toString());
    const ReportContents remembered = kept ? *kept : ReportContents{};
    overall_->setChecked(remembered.overall);
    byType_->setChecked(remembered.byType);
    why_->setChecked(remembered.why);
    attendanceBox_->setChecked(remembered.attendance);
    comment_->setChecked(remembered.comment);
    whatIf_->setChecked(settings.value(kWhatIfKey, false).toBool() && whatIfAssignment_->count() > 0);
    note_->setPlainText(settings.value(kNoteKey).toString());
    letters_->setCurrentText(listedChoice(letters_, settings.value(kLetterKey, QStringLiteral("C")).toString()));
    if (QAbstractButton* kind = studentKinds_->button(settings.value(kStudentsKey, 0).toInt());
        kind && kind->isEnabled()) {
        kind->setChecked(true);
    }
    if (QAbstractButton* where = destinations_->button(settings.value(kDestinationKey, 0).toInt())) {
        where->setChecked(true);
    }
}

void ClassReportsWindow::rememberChoices() const {
    QSettings settings;
    settings.setValue(kContentsKey, contentsList(contents()));
    settings.setValue(kWhatIfKey, whatIf_->isChecked());
    settings.setValue(kNoteKey, note_->toPlainText());
    settings.setValue(kLetterKey, letters_->currentText());
    settings.setValue(kStudentsKey, studentKinds_->checkedId());
    settings.setValue(kDestinationKey, destinations_->checkedId());
}

void ClassReportsWindow::done(int result) {
    rememberChoices();
    QDialog::done(result);
}

void ClassReportsWindow::choicesChanged() {
    const bool named = studentKinds_->checkedId() == static_cast<int>(StudentChoice::Kind::Named);
    tickedStudents_->setEnabled(named);
    letters_->setEnabled(studentKinds_->checkedId() == static_cast<int>(StudentChoice::Kind::GradeAtMost));
    whatIf_->setEnabled(why_->isChecked() && whatIfAssignment_->count() > 0);
    whatIfAssignment_->setEnabled(whatIf_->isEnabled() && whatIf_->isChecked());
    whatIfLetter_->setEnabled(whatIfAssignment_->isEnabled());
    firstMonth_->setEnabled(attendanceBox_->isChecked());
    lastMonth_->setEnabled(attendanceBox_->isChecked());
    const Result<std::vector<int>> students = chosenStudents();
    studentCount_->setText(
        students ? tr("Reports for %1 of %2 students.").arg(students->size()).arg(input_.cls.students.size())
                 : students.message());
    updateNoteWarning();
    previewTimer_->start();
}

void ClassReportsWindow::updateNoteWarning() {
    const QStringList unknown = unknownPlaceholders(note_->toPlainText());
    noteWarning_->setText(unknown.isEmpty()
                              ? QString()
                              : tr("Not a placeholder, printed as typed: %1").arg(unknown.join(QStringLiteral(", "))));
    noteWarning_->setVisible(!unknown.isEmpty());
}

QString ClassReportsWindow::noteWarning() const {
    return noteWarning_->text();
}

QString ClassReportsWindow::previewCaption() const {
    return previewCaption_->text();
}

QString ClassReportsWindow::doneText() const {
    return done_->text();
}

void ClassReportsWindow::refreshPreview() {
    previewTimer_->stop();
    const Result<std::vector<int>> students = chosenStudents();
    ReportContents shown = contents();
    // Months out of order are said when the reports are made; the preview leaves them out.
    if (shown.attendance && !checkedMonthSpan(shown.months)) shown.attendance = false;
    if (!students || students->empty()) {
        preview_->setPixmap({});
        previewCaption_->setText(students ? tr("No student is chosen.") : students.message());
        return;
    }
    const ClassReports reports(input_.cls, input_.grades, attendance_, input_.gradeFilePath, shown);
    const ReportPicture picture = studentReportPicture(reports.reportOf(students->front()), kPreviewDotsPerInch,
                                                       QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    preview_->setPixmap(QPixmap::fromImage(picture.page));
    previewCaption_->setText(
        tr("The first report, %1's: page 1 of %2.")
            .arg(cp1252::toUnicode(input_.cls.students[static_cast<std::size_t>(students->front())].name))
            .arg(picture.pageCount));
}

void ClassReportsWindow::previewFirstReport() {
    const Result<std::vector<int>> students = chosenStudents();
    if (!students || students->empty()) {
        dialogs_.inform(this, students ? tr("No student is chosen: there is no report to show.") : students.message());
        return;
    }
    const ClassReports reports(input_.cls, input_.grades, attendance_, input_.gradeFilePath, contents());
    if (const Result<void> shown = previewClassReports(this, dialogs_, reports, {students->front()}); !shown) {
        dialogs_.warn(this, tr("The report could not be printed: ") + shown.message());
    }
}

std::optional<ClassReportsWindow::Choices> ClassReportsWindow::checkedChoices() {
    Result<std::vector<int>> students = chosenStudents();
    if (!students) {
        dialogs_.warn(this, students.message());
        return std::nullopt;
    }
    if (students->empty()) {
        dialogs_.inform(this, tr("No student is chosen: there are no reports to make."));
        return std::nullopt;
    }
    ReportContents chosen = contents();
    if (chosen.attendance) {
        if (const Result<MonthSpan> months = checkedMonthSpan(chosen.months); !months) {
            dialogs_.warn(this, months.message());
            return std::nullopt;
        }
    }
    rememberChoices();
    done_->clear();
    return Choices{std::move(*students), std::move(chosen)};
}

void ClassReportsWindow::makeReports() {
    const std::optional<Choices> choices = checkedChoices();
    if (!choices) return;
    const ClassReports reports(input_.cls, input_.grades, attendance_, input_.gradeFilePath, choices->contents);
    switch (destination()) {
    case Destination::Print: printReports(reports, choices->students); break;
    case Destination::OnePdf: saveOnePdf(reports, choices->students); break;
    case Destination::Folder: saveFolder(reports, choices->students); break;
    }
}

void ClassReportsWindow::setMailServices(const SendReportsServices& services) {
    mail_.emplace(services);
    sendButton_->show();
}

void ClassReportsWindow::sendReports() {
    if (!mail_) return;
    const std::optional<Choices> choices = checkedChoices();
    if (!choices) return;
    // The very reports Make Reports makes, drawn one at a time as each message's turn comes.
    auto reports = std::make_shared<const ClassReports>(input_.cls, input_.grades, attendance_, input_.gradeFilePath,
                                                        choices->contents);
    ReportSource source;
    source.students = [students = choices->students]() -> Result<std::vector<int>> { return students; };
    source.fill = [reports](const QString& text, int student) {
        return fillFamilyNote(text, reports->noteValuesOf(student)).text;
    };
    source.reportPdf = [reports](int student) { return studentReportPdf(*reports, student); };
    SendReportsDialog dialog(input_, *mail_, std::move(source), this);
    dialog.exec();
}

bool ClassReportsWindow::sparesClassFiles(const QString& path) {
    if (input_.gradeFilePath.isEmpty()) return true;
    const Result<void> spared = checkOutputSparesInputs(path, classFilePathsFor(input_.gradeFilePath));
    if (!spared) dialogs_.warn(this, spared.message());
    return spared.ok();
}

void ClassReportsWindow::printReports(const ClassReports& reports, const std::vector<int>& students) {
    const Result<PrintOutcome> printed = printClassReports(this, dialogs_, reports, students);
    if (!printed) {
        dialogs_.warn(this, tr("The reports could not be printed: ") + printed.message());
        return;
    }
    if (*printed == PrintOutcome::Printed)
        done_->setText(tr("Printed the reports of %1 students.").arg(students.size()));
}

void ClassReportsWindow::saveOnePdf(const ClassReports& reports, const std::vector<int>& students) {
    UserDialogs::FileRequest request;
    request.title = tr("Save the Reports as PDF");
    request.filters = QStringList{tr("PDF file (*.pdf)")};
    request.defaultSuffix = QStringLiteral("pdf");
    request.folder = QSettings().value(kFolderKey).toString();
    const QString className = QFileInfo(input_.gradeFilePath).completeBaseName();
    request.fileName = tr("%1 reports.pdf").arg(className.isEmpty() ? tr("Class") : className);
    const std::optional<UserDialogs::SaveChoice> choice = dialogs_.saveFile(this, request);
    if (!choice || !sparesClassFiles(choice->path)) return;
    QSettings().setValue(kFolderKey, QFileInfo(choice->path).absolutePath());
    const Result<std::optional<int>> written = saveClassReportsPdf(this, dialogs_, reports, students, choice->path);
    if (!written) {
        dialogs_.warn(this, written.message());
    } else if (!*written) {
        done_->setText(tr("Cancelled: no file was written."));
    } else {
        done_->setText(
            tr("Wrote %1 pages for %2 students to %3.").arg(**written).arg(students.size()).arg(choice->path));
    }
}

void ClassReportsWindow::saveFolder(const ClassReports& reports, const std::vector<int>& students) {
    UserDialogs::FileRequest request;
    request.title = tr("Choose the Folder for the Reports");
    request.folder = QSettings().value(kFolderKey).toString();
    const QString folder = dialogs_.chooseFolder(this, request);
    if (folder.isEmpty()) return;
    QSettings().setValue(kFolderKey, folder);
    const Result<ReportFolder> written = saveReportFolder(this, dialogs_, reports, students, folder);
    if (!written) {
        dialogs_.warn(this, written.message());
    } else if (written->outcome == PrintOutcome::Cancelled) {
        done_->setText(tr("Cancelled: no file was written."));
    } else {
        done_->setText(tr("Wrote %1 reports to %2.").arg(written->paths.size()).arg(folder));
    }
}

}  // namespace markwell
