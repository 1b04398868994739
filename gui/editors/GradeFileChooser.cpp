#include "editors/GradeFileChooser.h"

#include "dialogs/UserDialogs.h"
#include "editors/EditorSupport.h"
#include "files/GradeFile.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace markwell {

GradeFileChooser::GradeFileChooser(UserDialogs& dialogs, const QString& classPath, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), classPath_(classPath), pathBox_(new QLineEdit), browse_(new QPushButton) {
    pathBox_->setObjectName(QStringLiteral("fileBox"));
    pathBox_->setReadOnly(true);
    pathBox_->setMinimumWidth(320);
    browse_->setObjectName(QStringLiteral("browseButton"));
    browse_->setText(tr("&Browse..."));
    browse_->setToolTip(tr("Choose the grade file to import from"));
    auto* label = new QLabel(tr("&File"));
    label->setBuddy(browse_);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label);
    row->addWidget(pathBox_, 1);
    row->addWidget(browse_);
    connect(browse_, &QPushButton::clicked, this, &GradeFileChooser::chooseFile);
}

void GradeFileChooser::chooseFile() {
    const QString chosen = dialogs_.openFile(window(), importFileRequest(classPath_));
    if (!chosen.isEmpty()) load(chosen);
}

bool GradeFileChooser::load(const QString& path) {
    Result<ClassRecord> cls = readGradeFile(path);
    if (!cls) {
        dialogs_.warn(window(), cls.message());
        return false;
    }
    pathBox_->setText(QDir::toNativeSeparators(path));
    emit classRead(*cls);
    return true;
}

}  // namespace markwell
