// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "gui/shared/UserDialogs.h"

#include <QMarginsF>
#include <QString>

#include <deque>
#include <vector>

namespace markwell::testing {

// Answers the program's dialogs from queues the test fills, and records every
// dialog that was shown. Nothing blocks. A question without a queued answer
// is answered Cancel (No for Yes/No) and counted in `unanswered`.
class ScriptedDialogs : public UserDialogs {
public:
    enum class Kind {
        Inform,
        Warn,
        YesNo,
        YesNoCancel,
        Choice,
        Text,
        OpenFile,
        Folder,
        SaveFile,
        Font,
        Colour,
        Printer,
        Preview,
        Progress,
        Url
    };
    struct Shown {
        Kind kind;
        QString text;  // message, dialog title or address
    };

    // What the next dialogs answer (a warning with a button to proceed:
    // Yes proceeds, anything else cancels).
    std::deque<Answer> answers;
    // The button pressed in the next questions of askChoice, by its index.
    std::deque<int> choices;
    std::deque<std::optional<QString>> textAnswers;  // nullopt = cancelled
    std::deque<QString> openPaths;                   // empty string = cancelled
    std::deque<std::optional<SaveChoice>> saves;     // nullopt = cancelled
    std::deque<QString> folders;                     // empty string = cancelled
    std::deque<std::optional<FontChoice>> fonts;     // nullopt = cancelled
    std::deque<std::optional<QColor>> colours;       // nullopt = cancelled
    // The print dialog: a path prints to that PDF file; nullopt cancels.
    std::deque<std::optional<QString>> printers;
    // Margins (millimetres) the print dialog sets, as a teacher may; none
    // leaves the printer's.
    std::optional<QMarginsF> printerMargins;
    // The pages (first, last) chosen in the print dialog; none prints all.
    std::optional<std::pair<int, int>> printerPages;
    // Whether opening an address (mailto:) succeeds.
    bool urlsOpen = true;
    // Where the print preview draws its pages (as PDF); empty = a temporary file.
    QString previewPdf;
    // The progress of the next jobs: Cancel is pressed just before this page
    // (from 1) would be drawn; none lets every job run to its end.
    std::optional<int> cancelAtPage;
    // The pages the progress was told of, in order over every job.
    std::vector<int> progressPages;

    std::vector<Shown> shown;
    std::vector<TextRequest> textRequests;
    std::vector<QStringList> choiceButtons;  // the buttons of each askChoice, in order
    std::vector<FileRequest> fileRequests;
    std::vector<FontChoice> fontRequests;
    std::vector<QUrl> openedUrls;
    int unanswered = 0;

    void answer(Answer a) { answers.push_back(a); }
    void answerText(const QString& text) { textAnswers.push_back(text); }
    void choose(int button) { choices.push_back(button); }
    void cancelText() { textAnswers.push_back(std::nullopt); }
    void openWith(const QString& path) { openPaths.push_back(path); }
    void saveAs(const QString& path, const QString& filter = {}) { saves.push_back(SaveChoice{path, filter}); }
    void cancelSave() { saves.push_back(std::nullopt); }
    void chooseFolderAt(const QString& path) { folders.push_back(path); }
    void printToPdf(const QString& path) { printers.push_back(path); }
    void cancelPrint() { printers.push_back(std::nullopt); }

    int count(Kind kind) const;
    QStringList texts(Kind kind) const;
    // The text of the one dialog of that kind shown; when there were none or
    // several, a note of how many, which no expected text matches.
    QString onlyText(Kind kind) const;
    // Every message box text (information, warning, questions and choices), in order.
    QStringList messages() const;
    void clearRecord();

    void inform(QWidget* parent, const QString& text) override;
    void warn(QWidget* parent, const QString& text) override;
    Answer askYesNo(QWidget* parent, const QString& text) override;
    Answer askYesNoCancel(QWidget* parent, const QString& text) override;
    // Unanswered, the last button: the one that changes nothing.
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

private:
    // The next queued answer; none, and counted as unanswered, when the test queued none.
    template <typename T>
    std::optional<T> takeNext(std::deque<T>& queue) {
        if (queue.empty()) {
            ++unanswered;
            return std::nullopt;
        }
        T next = std::move(queue.front());
        queue.pop_front();
        return next;
    }
};

}  // namespace markwell::testing
