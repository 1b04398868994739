// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/reports/ReportWindowParts.h"

#include "gui/printing/PrintJob.h"
#include "gui/shared/PageKeys.h"
#include "gui/shared/UserDialogs.h"
#include "gui/sheetview/SheetView.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QPushButton>
#include <QTabWidget>

namespace markwell {

SheetView* ReportWindowParts::readOnlyView(const QString& objectName) {
    auto* view = new SheetView;
    view->setObjectName(objectName);
    return view;
}

void ReportWindowParts::show(SheetView* view, Sheet* sheet) {
    // Setting the sheet again resets the view for a sheet rebuilt in place.
    view->setSheet(sheet);
}

QDialogButtonBox* ReportWindowParts::closeAndPrintButtons(QDialog* window, QPushButton** print) {
    auto* buttons = new QDialogButtonBox;
    *print = buttons->addButton(tr("&Print"), QDialogButtonBox::ActionRole);
    (*print)->setObjectName(QStringLiteral("printButton"));
    (*print)->setAutoDefault(false);
    QPushButton* close = buttons->addButton(tr("&Close"), QDialogButtonBox::AcceptRole);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, window, &QDialog::accept);

    auto* printKey = new QAction(window);
    printKey->setShortcut(QKeySequence::Print);
    window->addAction(printKey);
    QObject::connect(printKey, &QAction::triggered, *print, &QPushButton::click);
    return buttons;
}

void ReportWindowParts::addPageKeys(QDialog* window, QTabWidget* pages) {
    const auto step = [window, pages](const QList<QKeySequence>& keys, int by) {
        auto* action = new QAction(window);
        action->setShortcuts(keys);
        window->addAction(action);
        QObject::connect(action, &QAction::triggered, pages, [pages, by] {
            pages->setCurrentIndex((pages->currentIndex() + by + pages->count()) % pages->count());
        });
    };
    step(nextPageKeys(), 1);
    step(previousPageKeys(), -1);
}

void ReportWindowParts::print(QWidget* window, UserDialogs& dialogs, const Sheet& sheet) {
    const Result<PrintOutcome> printed = printSheet(window, dialogs, sheet);
    if (!printed) dialogs.warn(window, tr("The report could not be printed: ") + printed.message());
}

}  // namespace markwell
