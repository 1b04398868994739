// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "tests/gui/support/ScriptedDialogs.h"

#include "render/paging/PrintProgress.h"

#include <QDir>
#include <QPrinter>

#include <algorithm>

namespace markwell::testing {

int ScriptedDialogs::count(Kind kind) const {
    return static_cast<int>(
        std::count_if(shown.begin(), shown.end(), [kind](const Shown& s) { return s.kind == kind; }));
}

QStringList ScriptedDialogs::texts(Kind kind) const {
    QStringList out;
    for (const Shown& s : shown) {
        if (s.kind == kind) out << s.text;
    }
    return out;
}

QString ScriptedDialogs::onlyText(Kind kind) const {
    const QStringList all = texts(kind);
    return all.size() == 1 ? all.front() : QStringLiteral("(%1 dialogs of the kind)").arg(all.size());
}

QStringList ScriptedDialogs::messages() const {
    QStringList out;
    for (const Shown& s : shown) {
        if (s.kind == Kind::Inform || s.kind == Kind::Warn || s.kind == Kind::YesNo || s.kind == Kind::YesNoCancel ||
            s.kind == Kind::Choice) {
            out << s.text;
        }
    }
    return out;
}

void ScriptedDialogs::clearRecord() {
    shown.clear();
    textRequests.clear();
    choiceButtons.clear();
    fileRequests.clear();
    fontRequests.clear();
    openedUrls.clear();
    progressPages.clear();
    unanswered = 0;
}

void ScriptedDialogs::inform(QWidget*, const QString& text) {
    shown.push_back({Kind::Inform, text});
}

void ScriptedDialogs::warn(QWidget*, const QString& text) {
    shown.push_back({Kind::Warn, text});
}

UserDialogs::Answer ScriptedDialogs::askYesNo(QWidget*, const QString& text) {
    shown.push_back({Kind::YesNo, text});
    const Answer a = takeNext(answers).value_or(Answer::No);
    return a == Answer::Cancel ? Answer::No : a;
}

UserDialogs::Answer ScriptedDialogs::askYesNoCancel(QWidget*, const QString& text) {
    shown.push_back({Kind::YesNoCancel, text});
    return takeNext(answers).value_or(Answer::Cancel);
}

int ScriptedDialogs::askChoice(QWidget*, const QString& text, const QStringList& buttons) {
    shown.push_back({Kind::Choice, text});
    choiceButtons.push_back(buttons);
    const int last = static_cast<int>(buttons.size()) - 1;
    const int chosen = takeNext(choices).value_or(last);
    return chosen >= 0 && chosen <= last ? chosen : last;
}

std::optional<QString> ScriptedDialogs::askText(QWidget*, const TextRequest& request) {
    shown.push_back({Kind::Text, request.title});
    textRequests.push_back(request);
    std::optional<QString> text = takeNext(textAnswers).value_or(std::nullopt);
    // The real box takes no more than its length.
    if (text && request.maxLength > 0) text->truncate(request.maxLength);
    return text;
}

QString ScriptedDialogs::openFile(QWidget*, const FileRequest& request) {
    shown.push_back({Kind::OpenFile, request.title});
    fileRequests.push_back(request);
    return takeNext(openPaths).value_or(QString());
}

std::optional<UserDialogs::SaveChoice> ScriptedDialogs::saveFile(QWidget*, const FileRequest& request) {
    shown.push_back({Kind::SaveFile, request.title});
    fileRequests.push_back(request);
    return takeNext(saves).value_or(std::nullopt);
}

QString ScriptedDialogs::chooseFolder(QWidget*, const FileRequest& request) {
    shown.push_back({Kind::Folder, request.title});
    fileRequests.push_back(request);
    return takeNext(folders).value_or(QString());
}

std::optional<UserDialogs::FontChoice> ScriptedDialogs::chooseFont(QWidget*, const FontChoice& current) {
    shown.push_back({Kind::Font, current.family});
    fontRequests.push_back(current);
    return takeNext(fonts).value_or(std::nullopt);
}

std::optional<QColor> ScriptedDialogs::chooseColour(QWidget*, const QColor&, const QString& title) {
    shown.push_back({Kind::Colour, title});
    return takeNext(colours).value_or(std::nullopt);
}

bool ScriptedDialogs::choosePrinter(QWidget*, QPrinter& printer) {
    shown.push_back({Kind::Printer, printer.docName()});
    const std::optional<QString> target = takeNext(printers).value_or(std::nullopt);
    if (!target) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*target);
    if (printerMargins) printer.setPageMargins(*printerMargins, QPageLayout::Millimeter);
    if (printerPages) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(printerPages->first, printerPages->second);
    }
    return true;
}

void ScriptedDialogs::showPrintPreview(QWidget*, QPrinter& printer, const std::function<void(QPrinter*)>& paint) {
    shown.push_back({Kind::Preview, printer.docName()});
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(previewPdf.isEmpty() ? QDir::temp().filePath(QStringLiteral("markwell-preview-test.pdf"))
                                                   : previewPdf);
    paint(&printer);
}

namespace {

// Presses Cancel when the scripted page comes, as a teacher would.
class ScriptedProgress : public PrintProgress {
public:
    explicit ScriptedProgress(ScriptedDialogs& dialogs) : dialogs_(dialogs) {}

    bool pageStarting(int page, int) override {
        dialogs_.progressPages.push_back(page);
        return !(dialogs_.cancelAtPage && page >= *dialogs_.cancelAtPage);
    }

private:
    ScriptedDialogs& dialogs_;
};

}  // namespace

std::unique_ptr<PrintProgress> ScriptedDialogs::showProgress(QWidget*, const QString& label) {
    shown.push_back({Kind::Progress, label});
    return std::make_unique<ScriptedProgress>(*this);
}

bool ScriptedDialogs::openUrl(const QUrl& url) {
    shown.push_back({Kind::Url, url.toString()});
    openedUrls.push_back(url);
    return urlsOpen;
}

}  // namespace markwell::testing
