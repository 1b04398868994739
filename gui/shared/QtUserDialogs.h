// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "gui/shared/UserDialogs.h"

namespace markwell {

// The real dialogs of the desktop: QMessageBox, QFileDialog, the font dialog
// of this program, QColorDialog, QPrintDialog, QPrintPreviewDialog, QProgressDialog and
// QDesktopServices.
class QtUserDialogs : public UserDialogs {
public:
    void inform(QWidget* parent, const QString& text) override;
    void warn(QWidget* parent, const QString& text) override;
    Answer askYesNo(QWidget* parent, const QString& text) override;
    Answer askYesNoCancel(QWidget* parent, const QString& text) override;
    int askChoice(QWidget* parent, const QString& text, const QStringList& buttons) override;
    std::optional<QString> askText(QWidget* parent, const TextRequest& request) override;
    QString openFile(QWidget* parent, const FileRequest& request) override;
    std::optional<SaveChoice> saveFile(QWidget* parent, const FileRequest& request) override;
    QString chooseFolder(QWidget* parent, const FileRequest& request) override;
    std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice& current) override;
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& current, const QString& title) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
    void showPrintPreview(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter*)>& paint) override;
    std::unique_ptr<PrintProgress> showProgress(QWidget* parent, const QString& label) override;
    bool openUrl(const QUrl& url) override;
};

}  // namespace markwell
