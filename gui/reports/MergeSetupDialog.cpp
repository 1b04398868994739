// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/reports/MergeSetupDialog.h"

#include "core/document/DocumentFiles.h"
#include "core/reports/MergedReport.h"
#include "gui/reports/MergedReportWindow.h"
#include "gui/shared/FileFilters.h"
#include "gui/shared/HelpTopics.h"
#include "gui/shared/UserDialogs.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace markwell {

MergeSetupDialog::MergeSetupDialog(const QString& openClassFile, ScaleStore& scales, UserDialogs& dialogs,
                                   QWidget* parent)
    : QDialog(parent), scales_(scales), dialogs_(dialogs), firstEdit_(new QLineEdit(openClassFile)),
      secondEdit_(new QLineEdit), merge_(new QPushButton(tr("&Merge..."))) {
    setWindowTitle(tr("Merge Setup"));
    setObjectName(QStringLiteral("mergeSetupDialog"));
    setHelpTopic(this, HelpTopic::Merge);

    auto* files = new QGroupBox(tr("Files"));
    auto* grid = new QGridLayout(files);
    const auto addRow = [this, grid](int row, const QString& label, QLineEdit* edit, const char* name,
                                     const QString& hint, void (MergeSetupDialog::*choose)()) {
        edit->setObjectName(QLatin1String(name));
        edit->setReadOnly(true);
        edit->setMinimumWidth(360);
        auto* button = new QToolButton;
        button->setText(QStringLiteral("..."));
        button->setToolTip(hint);
        button->setObjectName(QLatin1String(name) + QStringLiteral("Button"));
        connect(button, &QToolButton::clicked, this, choose);
        auto* caption = new QLabel(label);
        caption->setBuddy(button);
        grid->addWidget(caption, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(button, row, 2);
        return button;
    };
    addRow(0, tr("File&1"), firstEdit_, "firstFile", tr("Choose the first file"), &MergeSetupDialog::chooseFirstFile);
    QToolButton* second = addRow(1, tr("File&2"), secondEdit_, "secondFile", tr("Choose the second file"),
                                 &MergeSetupDialog::chooseSecondFile);

    merge_->setObjectName(QStringLiteral("mergeButton"));
    merge_->setDefault(true);
    auto* close = new QPushButton(tr("&Close"));
    close->setObjectName(QStringLiteral("closeButton"));
    connect(merge_, &QPushButton::clicked, this, &MergeSetupDialog::mergeChosenFiles);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(merge_);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(files);
    layout->addLayout(buttons);
    updateMergeButton();
    // The first file is usually the open class: the second is the one to pick.
    second->setFocus();
}

QString MergeSetupDialog::firstFile() const {
    return firstEdit_->text().trimmed();
}

QString MergeSetupDialog::secondFile() const {
    return secondEdit_->text().trimmed();
}

void MergeSetupDialog::chooseFirstFile() {
    chooseFile(firstEdit_, secondEdit_, tr("Select 1st Merge File"));
}

void MergeSetupDialog::chooseSecondFile() {
    chooseFile(secondEdit_, firstEdit_, tr("Select 2nd Merge File"));
}

void MergeSetupDialog::chooseFile(QLineEdit* edit, const QLineEdit* other, const QString& title) {
    const QString path = dialogs_.openFile(this, gradeFileRequest(title, QString()));
    if (!path.isEmpty()) {
        if (isSameFile(path, other->text().trimmed())) {
            dialogs_.inform(this, sameMergeFileMessage());
            return;
        }
        edit->setText(path);
    }
    updateMergeButton();
}

void MergeSetupDialog::updateMergeButton() {
    merge_->setEnabled(!firstFile().isEmpty() && !secondFile().isEmpty());
}

void MergeSetupDialog::mergeChosenFiles() {
    const QString first = firstFile();
    const QString second = secondFile();
    if (first.isEmpty() || second.isEmpty()) return;
    // Checked again: a file may have been replaced by a link since it was picked.
    if (isSameFile(first, second)) {
        dialogs_.inform(this, sameMergeFileMessage());
        return;
    }
    if (beforeReading_ && !beforeReading_(this, {first, second})) return;
    Result<MergedReport> report = openMergedReport(first, second, scales_);
    if (!report) {
        dialogs_.warn(this, report.message());
        return;
    }
    auto* window = new MergedReportWindow(std::move(report).value(), scales_, dialogs_, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
}

}  // namespace markwell
