// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace markwell {

class PrintProgress;

// Everything the program asks of the person at the desk goes through this:
// message boxes, a line of text, file dialogs, the font, colour and print
// dialogs, the print preview, progress with Cancel and opening addresses in
// other programs. The desktop program uses QtUserDialogs; tests answer with a
// double that records what was shown.
class UserDialogs {
public:
    enum class Answer { Yes, No, Cancel };

    struct FileRequest {
        QString title;
        QStringList filters;    // "Markwell File (*.grs)", ...
        QString defaultSuffix;  // added when the typed name has none ("grs")
        QString folder;         // where the dialog starts; empty = current folder
        QString fileName;       // proposed name, save dialogs only
    };
    struct SaveChoice {
        QString path;
        QString filter;  // the filter chosen in the dialog
    };
    struct FontChoice {
        QString family;
        int pointSize = 8;
        QColor colour = Qt::black;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
    };

    struct TextRequest {
        QString title;        // the window's caption
        QString label;        // what is asked for
        QString text;         // proposed answer
        int maxLength = 0;    // 0 = no limit
        bool secret = false;  // a password: shown as dots, never proposed
    };

    virtual ~UserDialogs() = default;

    // An information box with OK.
    virtual void inform(QWidget* parent, const QString& text) = 0;
    // A failure the user must see (a warning box with OK).
    virtual void warn(QWidget* parent, const QString& text) = 0;
    // A question with Yes and No; closing the box answers No.
    virtual Answer askYesNo(QWidget* parent, const QString& text) = 0;
    // A question with Yes, No and Cancel; closing the box answers Cancel.
    virtual Answer askYesNoCancel(QWidget* parent, const QString& text) = 0;
    // A question whose buttons say what they do ("Discard", "Keep editing");
    // the answer is the index of the button pressed. The last button must
    // be the one that changes nothing: it is the default, and Escape and
    // closing the box answer it.
    virtual int askChoice(QWidget* parent, const QString& text, const QStringList& buttons) = 0;

    // A line of text; nullopt when cancelled.
    virtual std::optional<QString> askText(QWidget* parent, const TextRequest& request) = 0;

    // An existing file to open; empty when cancelled.
    virtual QString openFile(QWidget* parent, const FileRequest& request) = 0;
    // A file name to save under (asks before overwriting); nullopt when cancelled.
    virtual std::optional<SaveChoice> saveFile(QWidget* parent, const FileRequest& request) = 0;
    // A folder to write into (it may be made in the dialog); empty when
    // cancelled. Only the request's title and folder are used.
    virtual QString chooseFolder(QWidget* parent, const FileRequest& request) = 0;

    virtual std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice& current) = 0;
    // A colour, starting from `current`; nullopt when cancelled.
    virtual std::optional<QColor> chooseColour(QWidget* parent, const QColor& current, const QString& title) = 0;

    // The print dialog for `printer`; true when the user chose to print.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // The print preview; `paint` draws the pages onto the printer it is given.
    virtual void showPrintPreview(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter*)>& paint) = 0;

    // Progress of a long job page by page, with a Cancel button; it shows
    // only once the job has taken a moment, and goes when released. `label`
    // holds "%1" and "%2" for the page and the number of pages.
    virtual std::unique_ptr<PrintProgress> showProgress(QWidget* parent, const QString& label) = 0;

    // Opens an address (mailto:, https:) in the desktop's program for it.
    virtual bool openUrl(const QUrl& url) = 0;
};

}  // namespace markwell
