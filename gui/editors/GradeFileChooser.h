// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"

#include <QWidget>

#include <functional>

class QLineEdit;
class QPushButton;

namespace markwell {

class UserDialogs;

// The "File" row of the import dialogs: the chosen grade file's path, which
// may be typed (Enter reads it), and a button that asks for another (never
// the default button while it has the focus: Enter is for the dialog's own
// default). A file that cannot be read (a newer version,
// a damaged file) is reported and changes nothing; one that can is handed on
// whole through classRead.
class GradeFileChooser : public QWidget {
    Q_OBJECT
public:
    GradeFileChooser(UserDialogs& dialogs, const QString& classPath, QWidget* parent = nullptr);

    QPushButton* browseButton() const { return browse_; }

    // Reads the file; false (after saying why) when it cannot be used.
    bool load(const QString& path);

    // Offers comma-separated files as well: one chosen is handed to
    // `readCsv`, which says (after saying why not) whether it could be used.
    void acceptCsv(std::function<bool(const QString& path)> readCsv);

public slots:
    // Asks for a grade file and reads it.
    void chooseFile();

signals:
    void classRead(const markwell::ClassRecord& cls);

private:
    UserDialogs& dialogs_;
    QString classPath_;
    QLineEdit* pathBox_;
    QPushButton* browse_;
    std::function<bool(const QString&)> readCsv_;
};

}  // namespace markwell
