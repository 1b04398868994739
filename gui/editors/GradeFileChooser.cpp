// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/editors/GradeFileChooser.h"

#include "core/document/ClassWriter.h"
#include "core/files/GradeFile.h"
#include "gui/editors/EditorSupport.h"
#include "gui/shared/FileFilters.h"
#include "gui/shared/UserDialogs.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace markwell {

GradeFileChooser::GradeFileChooser(UserDialogs& dialogs, const QString& classPath, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), classPath_(classPath), pathBox_(new QLineEdit), browse_(new QPushButton) {
    pathBox_->setObjectName(QStringLiteral("fileBox"));
    pathBox_->setAccessibleName(tr("File"));
    pathBox_->setToolTip(tr("Type the path of a file and press Enter, or choose one with Browse"));
    pathBox_->setMinimumWidth(320);
    browse_->setObjectName(QStringLiteral("browseButton"));
    browse_->setText(tr("&Browse..."));
    browse_->setToolTip(tr("Choose the grade file to import from"));
    browse_->setAutoDefault(false);
    auto* label = new QLabel(tr("&File"));
    label->setBuddy(pathBox_);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label);
    row->addWidget(pathBox_, 1);
    row->addWidget(browse_);
    connect(browse_, &QPushButton::clicked, this, &GradeFileChooser::chooseFile);
    // A path typed into the box is read as one chosen with Browse.
    onEnterKey(pathBox_, [this] {
        const QString typed = pathBox_->text().trimmed();
        if (!typed.isEmpty()) load(QDir::fromNativeSeparators(typed));
    });
}

void GradeFileChooser::acceptCsv(std::function<bool(const QString&)> readCsv) {
    readCsv_ = std::move(readCsv);
}

void GradeFileChooser::chooseFile() {
    UserDialogs::FileRequest request = importFileRequest(classPath_);
    if (readCsv_) {
        request.filters = QStringList{tr("Markwell or CSV File (*.grs *.csv)"), fileFilter(FileType::Grades),
                                      fileFilter(FileType::Csv)};
    }
    const QString chosen = dialogs_.openFile(window(), request);
    if (!chosen.isEmpty()) load(chosen);
}

bool GradeFileChooser::load(const QString& path) {
    if (readCsv_ && fileTypeOf(path) == FileType::Csv) {
        if (!readCsv_(path)) return false;
        pathBox_->setText(QDir::toNativeSeparators(path));
        return true;
    }
    // A save of that class cut short is finished before it is read.
    const Result<QString> finished = finishInterruptedSaveNote(path);
    Result<ClassRecord> cls = finished ? readGradeFile(path) : Result<ClassRecord>(finished.error());
    if (!cls) {
        dialogs_.warn(window(), cls.message());
        return false;
    }
    pathBox_->setText(QDir::toNativeSeparators(path));
    emit classRead(*cls);
    return true;
}

}  // namespace markwell
