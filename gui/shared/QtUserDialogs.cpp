// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/shared/QtUserDialogs.h"

#include "gui/shared/FontDialog.h"
#include "gui/shared/HelpTopics.h"
#include "gui/shared/PageProgressDialog.h"
#include "gui/shared/TextEntryDialog.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

namespace markwell {
namespace {

QString caption() {
    return QCoreApplication::translate("QtUserDialogs", "Computerized Markwell");
}

QFileDialog* makeFileDialog(QWidget* parent, const UserDialogs::FileRequest& request) {
    auto* dialog =
        new QFileDialog(parent, request.title, request.folder.isEmpty() ? QDir::currentPath() : request.folder);
    dialog->setNameFilters(request.filters);
    dialog->setDefaultSuffix(request.defaultSuffix);
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    return dialog;
}

}  // namespace

void QtUserDialogs::inform(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, caption(), text);
}

void QtUserDialogs::warn(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, caption(), text);
}

UserDialogs::Answer QtUserDialogs::askYesNo(QWidget* parent, const QString& text) {
    const auto button =
        QMessageBox::question(parent, caption(), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return button == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

UserDialogs::Answer QtUserDialogs::askYesNoCancel(QWidget* parent, const QString& text) {
    const auto button = QMessageBox::question(
        parent, caption(), text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (button == QMessageBox::Yes) return Answer::Yes;
    if (button == QMessageBox::No) return Answer::No;
    return Answer::Cancel;
}

int QtUserDialogs::askChoice(QWidget* parent, const QString& text, const QStringList& buttons) {
    QMessageBox box(QMessageBox::Question, caption(), text, QMessageBox::NoButton, parent);
    QList<QAbstractButton*> pressed;
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        const bool last = i + 1 == buttons.size();
        pressed << box.addButton(buttons[i], last ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
    }
    if (pressed.isEmpty()) return -1;
    box.setDefaultButton(qobject_cast<QPushButton*>(pressed.back()));
    box.setEscapeButton(pressed.back());
    box.exec();
    const qsizetype index = pressed.indexOf(box.clickedButton());
    return static_cast<int>(index < 0 ? pressed.size() - 1 : index);
}

std::optional<QString> QtUserDialogs::askText(QWidget* parent, const TextRequest& request) {
    TextEntryDialog dialog(request, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.text();
}

QString QtUserDialogs::openFile(QWidget* parent, const FileRequest& request) {
    std::unique_ptr<QFileDialog> dialog(makeFileDialog(parent, request));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
    return dialog->selectedFiles().front();
}

std::optional<UserDialogs::SaveChoice> QtUserDialogs::saveFile(QWidget* parent, const FileRequest& request) {
    std::unique_ptr<QFileDialog> dialog(makeFileDialog(parent, request));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    if (!request.fileName.isEmpty()) dialog->selectFile(request.fileName);
    // The typed name takes the extension of the chosen filter when it has none.
    QObject::connect(dialog.get(), &QFileDialog::filterSelected, dialog.get(),
                     [d = dialog.get()](const QString& filter) {
                         const qsizetype star = filter.indexOf(QLatin1String("*."));
                         if (star >= 0)
                             d->setDefaultSuffix(
                                 filter.mid(star + 2).section(QLatin1Char(')'), 0, 0).section(QLatin1Char(' '), 0, 0));
                     });
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
    return SaveChoice{dialog->selectedFiles().front(), dialog->selectedNameFilter()};
}

QString QtUserDialogs::chooseFolder(QWidget* parent, const FileRequest& request) {
    std::unique_ptr<QFileDialog> dialog(makeFileDialog(parent, request));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
    return dialog->selectedFiles().front();
}

std::optional<UserDialogs::FontChoice> QtUserDialogs::chooseFont(QWidget* parent, const FontChoice& current) {
    FontDialog dialog(current, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.choice();
}

std::optional<QColor> QtUserDialogs::chooseColour(QWidget* parent, const QColor& current, const QString& title) {
    const QColor picked = QColorDialog::getColor(current, parent, title);
    if (!picked.isValid()) return std::nullopt;
    return picked;
}

bool QtUserDialogs::choosePrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    setHelpTopic(&dialog, HelpTopic::Printing);
    return dialog.exec() == QDialog::Accepted;
}

void QtUserDialogs::showPrintPreview(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter*)>& paint) {
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("QtUserDialogs", "Print Preview"));
    setHelpTopic(&dialog, HelpTopic::Printing);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&paint](QPrinter* p) { paint(p); });
    dialog.resize(900, 700);
    dialog.exec();
}

std::unique_ptr<PrintProgress> QtUserDialogs::showProgress(QWidget* parent, const QString& label) {
    return std::make_unique<PageProgressDialog>(parent, caption(), label);
}

bool QtUserDialogs::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

}  // namespace markwell
