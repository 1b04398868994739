// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/reports/MergedReportWindow.h"

#include "core/export/SheetFile.h"
#include "core/scales/ScaleChecks.h"
#include "gui/printing/PrintJob.h"
#include "gui/rules/GradeScaleDialog.h"
#include "gui/shared/FileFilters.h"
#include "gui/shared/HelpTopics.h"
#include "gui/shared/Icons.h"
#include "gui/shared/StoredFont.h"
#include "gui/shared/UserDialogs.h"
#include "gui/sheetview/SheetView.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace markwell {

MergedReportWindow::MergedReportWindow(MergedReport report, ScaleStore& scales, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), report_(std::move(report)), scales_(scales), dialogs_(dialogs), tools_(new QToolBar),
      view_(new SheetView) {
    setWindowTitle(tr("Merged Files"));
    setObjectName(QStringLiteral("mergedFilesWindow"));
    setHelpTopic(this, HelpTopic::Merge);
    setSizeGripEnabled(true);
    createActions();
    createToolBar();

    view_->setObjectName(QStringLiteral("mergedTable"));
    view_->setAccessibleName(tr("Merged grades"));
    view_->setContextMenuPolicy(Qt::ActionsContextMenu);
    view_->addActions({actions_.copy, actions_.sortAscending, actions_.sortDescending});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools_);
    layout->addWidget(view_, 1);
    auto* note = new QLabel(mergedReportNote());
    note->setObjectName(QStringLiteral("mergedNote"));
    note->setWordWrap(true);
    note->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(note);
    showReport();
    resize(560, 480);
}

MergedReportWindow::~MergedReportWindow() {
    // The view outlives the sheet it shows (the dialog's children go last).
    view_->setSheet(nullptr);
}

void MergedReportWindow::createActions() {
    Actions& a = actions_;
    a.save = makeToolAction(this, tr("&Save..."), ToolIcon::Save, tr("Save"), QKeySequence::Save);
    a.printWithNames = new QAction(tr("With Student &Names"), this);
    a.printWithNames->setShortcut(QKeySequence::Print);
    a.printWithIds = new QAction(tr("With Student &ID's"), this);
    static_cast<TableActions&>(a) = TableActions::create(this);
    a.gradeScale = makeToolAction(this, tr("Grade &Scale..."), ToolIcon::GradeScale, tr("Grade Scale"));

    connect(a.save, &QAction::triggered, this, &MergedReportWindow::saveReport);
    connect(a.printWithNames, &QAction::triggered, this, &MergedReportWindow::printWithNames);
    connect(a.printWithIds, &QAction::triggered, this, &MergedReportWindow::printWithIds);
    connect(a.copy, &QAction::triggered, this, &MergedReportWindow::copySelection);
    connect(a.gridLines, &QAction::triggered, this, &MergedReportWindow::toggleGridLines);
    connect(a.font, &QAction::triggered, this, &MergedReportWindow::chooseFont);
    connect(a.sortAscending, &QAction::triggered, this, &MergedReportWindow::sortAscending);
    connect(a.sortDescending, &QAction::triggered, this, &MergedReportWindow::sortDescending);
    connect(a.gradeScale, &QAction::triggered, this, &MergedReportWindow::chooseGradeScale);
    // The keys work wherever the focus is in the window.
    addActions({a.save, a.printWithNames, a.copy});
}

void MergedReportWindow::createToolBar() {
    tools_->setObjectName(QStringLiteral("mergedTools"));
    tools_->setIconSize(QSize(24, 24));
    tools_->addAction(actions_.save);

    // Print offers its two printouts; the button itself only opens the list.
    auto* printMenu = new QMenu(this);
    printMenu->setObjectName(QStringLiteral("printMenu"));
    printMenu->addActions({actions_.printWithNames, actions_.printWithIds});
    printButton_ = new QToolButton;
    printButton_->setObjectName(QStringLiteral("printButton"));
    printButton_->setIcon(toolIcon(ToolIcon::Print));
    printButton_->setToolTip(tr("Print"));
    printButton_->setAccessibleName(tr("Print"));  // an icon alone
    printButton_->setMenu(printMenu);
    printButton_->setPopupMode(QToolButton::InstantPopup);
    tools_->addWidget(printButton_);

    tools_->addActions({actions_.copy, actions_.gridLines, actions_.font});
    tools_->addSeparator();
    tools_->addActions({actions_.sortAscending, actions_.sortDescending});
    tools_->addSeparator();
    tools_->addAction(actions_.gradeScale);
}

void MergedReportWindow::showReport() {
    view_->setSheet(&report_.sheet);
    actions_.gridLines->setChecked(report_.sheet.showGridLines());
    const bool hasRows = report_.sheet.maxRow() >= 2;
    actions_.sortAscending->setEnabled(hasRows);
    actions_.sortDescending->setEnabled(hasRows);
}

void MergedReportWindow::saveReport() {
    UserDialogs::FileRequest request;
    request.title = tr("Save As");
    request.filters = spreadsheetFilters();
    request.defaultSuffix = QLatin1String(fileTypeInfo(FileType::Xls).suffix);
    const std::optional<UserDialogs::SaveChoice> choice = dialogs_.saveFile(this, request);
    if (!choice || choice->path.isEmpty()) return;
    // Any other extension is refused with the names of the three that work.
    if (const Result<void> written = writeSheetFile(report_.sheet, choice->path); !written) {
        dialogs_.warn(this, written.message());
    }
}

void MergedReportWindow::printReport(bool withIds) {
    const Sheet copy = mergedPrintCopy(report_, withIds);
    if (const Result<PrintOutcome> printed = printSheet(this, dialogs_, copy); !printed) {
        dialogs_.warn(this, tr("The merged report could not be printed: ") + printed.message());
    }
}

void MergedReportWindow::printWithNames() {
    printReport(false);
}

void MergedReportWindow::printWithIds() {
    printReport(true);
}

void MergedReportWindow::copySelection() {
    view_->copySelection();
}

void MergedReportWindow::toggleGridLines() {
    report_.gridProps.grid_lines = !report_.sheet.showGridLines();
    report_.sheet.setShowGridLines(report_.gridProps.grid_lines);
    actions_.gridLines->setChecked(report_.gridProps.grid_lines);
    view_->reload();
}

void MergedReportWindow::chooseFont() {
    const std::optional<StoredFont> font =
        askStoredFont(dialogs_, this, gridFontOf(report_.gridProps), capacity::kFontName,
                      tr("The font \"%1\" cannot be used for the report; please choose another."));
    if (!font) return;
    setGridFont(report_.gridProps, *font);
    styleMergedSheet(report_);
    showReport();
}

void MergedReportWindow::sortReport(bool descending) {
    const CellRange selection = report_.sheet.resolve(report_.sheet.selection());
    if (!sortMergedSheet(report_, selection.c1, descending)) return;
    view_->reload();
}

void MergedReportWindow::sortAscending() {
    sortReport(false);
}

void MergedReportWindow::sortDescending() {
    sortReport(true);
}

void MergedReportWindow::chooseGradeScale() {
    // The editor opens on the report's scale; what it hands back grades the
    // report alone, never the open class (its own commands still save and
    // delete the scales of this computer).
    GradeScaleDialog editor(scales_, report_.scale, dialogs_, this);
    if (editor.exec() != QDialog::Accepted) return;
    Result<CurrentGradeScale> scale = gradeScaleOf(editor.chosenScale());
    if (!scale) {
        dialogs_.warn(this, scale.message());
        return;
    }
    report_.scale = std::move(scale).value();
    regradeMergedSheet(report_);
    view_->reload();
}

}  // namespace markwell
