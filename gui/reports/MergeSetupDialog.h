// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;

namespace markwell {

class ScaleStore;
class UserDialogs;

// "Merge Setup": names the two grade files of a merge (the open class's file
// first, when it has one) and opens the merged report of them. It stays open
// for another merge until Close.
class MergeSetupDialog : public QDialog {
    Q_OBJECT
public:
    // Asked before the files are read, with the window to ask from; false
    // stops the merge (the open class's unsaved changes, say).
    using BeforeReading = std::function<bool(QWidget* asker, const QStringList& paths)>;

    MergeSetupDialog(const QString& openClassFile, ScaleStore& scales, UserDialogs& dialogs, QWidget* parent = nullptr);

    void setBeforeReading(BeforeReading check) { beforeReading_ = std::move(check); }

    QString firstFile() const;
    QString secondFile() const;
    QLineEdit* firstFileEdit() const { return firstEdit_; }
    QLineEdit* secondFileEdit() const { return secondEdit_; }
    QPushButton* mergeButton() const { return merge_; }

public slots:
    void chooseFirstFile();
    void chooseSecondFile();
    // Reads both files and opens the merged report; says why when it cannot.
    void mergeChosenFiles();

private:
    void chooseFile(QLineEdit* edit, const QLineEdit* other, const QString& title);
    void updateMergeButton();

    ScaleStore& scales_;
    UserDialogs& dialogs_;
    BeforeReading beforeReading_;
    QLineEdit* firstEdit_;
    QLineEdit* secondEdit_;
    QPushButton* merge_;
};

}  // namespace markwell
