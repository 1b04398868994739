// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The program in Spanish and French: every catalogue entry is finished and
// keeps what the code fills in, the window's and its dialogs' texts all
// change language, and the files a class is saved to are the same bytes in
// every language.

#include "core/common/NumberText.h"
#include "gui/help/HelpWindow.h"
#include "gui/main/MainActions.h"
#include "gui/pages/AttendancePage.h"
#include "gui/pages/GradesPage.h"
#include "gui/pages/SeatingPage.h"
#include "gui/reports/AttendanceAnalysisWindow.h"
#include "gui/seating/SeatItem.h"
#include "gui/seating/SeatingView.h"
#include "gui/shared/Translations.h"
#include "tests/gui/support/AltLetters.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/InLanguage.h"
#include "tests/gui/support/MenuDialogs.h"
#include "tests/gui/support/ModalDialogs.h"
#include "tests/gui/support/ScriptedDialogs.h"
#include "tests/support/PdfText.h"

#include <QAbstractButton>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QXmlStreamReader>

#include <functional>
#include <map>

using namespace markwell;
using namespace markwell::testing;

namespace {

const QStringList kLanguages = {QStringLiteral("es_ES"), QStringLiteral("fr_FR")};

struct CatalogueEntry {
    QString context;
    QString source;
    QString translation;
    bool finished = true;
};

// An element's text; a control character is kept as <byte value="xd"/>.
QString elementText(QXmlStreamReader& xml) {
    QString text;
    while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() == QLatin1String("byte")) {
        if (xml.atEnd()) break;
        if (xml.isCharacters()) text += xml.text();
        if (xml.isStartElement() && xml.name() == QLatin1String("byte")) {
            text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUShort(nullptr, 16));
        }
    }
    return text;
}

std::vector<CatalogueEntry> readCatalogue(const QString& language) {
    QFile file(QStringLiteral(MARKWELL_SOURCE_DIR "/translations/markwell_%1.ts").arg(language.left(2)));
    if (!file.open(QIODevice::ReadOnly)) return {};
    std::vector<CatalogueEntry> entries;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            entries.push_back({context, {}, {}, true});
        } else if (name == QLatin1String("source") && !entries.empty()) {
            entries.back().source = elementText(xml);
        } else if (name == QLatin1String("translation") && !entries.empty()) {
            const auto type = xml.attributes().value(QLatin1String("type"));
            entries.back().finished = type.isEmpty();
            entries.back().translation = elementText(xml);
        }
    }
    return xml.hasError() ? std::vector<CatalogueEntry>{} : entries;
}

// Each English text of the catalogue with its translation (the first, for a
// text several places share).
std::map<QString, QString> translationsOf(const QString& language) {
    std::map<QString, QString> catalogue;
    for (const CatalogueEntry& e : readCatalogue(language)) catalogue.emplace(e.source, e.translation);
    return catalogue;
}

// What the code fills in or acts on, which every translation must keep:
// the numbered places, the accelerator, a trailing "..." (a dialog follows)
// and the spaces at either end (texts are joined to others).
QString keptShape(const QString& text) {
    static const QRegularExpression places(QStringLiteral("%(\\d+|n)"));
    QStringList found;
    for (auto it = places.globalMatch(text); it.hasNext();) found << it.next().captured(0);
    found.sort();
    const QString plain = QString(text).replace(QStringLiteral("&&"), QString());
    const bool accelerator = plain.contains(u'&');
    const bool opensDialog = text.endsWith(QStringLiteral("...")) || text.endsWith(QChar(0x2026));
    const qsizetype lead = text.size() - QString(text).remove(QRegularExpression(QStringLiteral("^\\s+"))).size();
    const qsizetype trail = text.size() - QString(text).remove(QRegularExpression(QStringLiteral("\\s+$"))).size();
    return QStringLiteral("places %1, accelerator %2, dialog %3, spaces %4/%5")
        .arg(found.join(u' '))
        .arg(accelerator)
        .arg(opensDialog)
        .arg(lead)
        .arg(trail);
}

// The texts of the window a person reads: menus and their items, pages,
// labels, buttons and group titles, in the order the window holds them
// (empty ones too, so two windows' lists pair up).
QStringList windowTexts(QWidget& window) {
    QStringList texts;  // not the title: the file's name and the program's
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        texts << menu->title();
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator() && !action->text().isEmpty()) texts << action->text();
        }
    }
    for (QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
    }
    for (QLabel* label : window.findChildren<QLabel*>()) texts << label->text();
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) texts << button->text();
    for (QGroupBox* box : window.findChildren<QGroupBox*>()) texts << box->title();
    for (QTreeWidget* tree : window.findChildren<QTreeWidget*>()) {
        for (int col = 0; col < tree->columnCount(); ++col) texts << tree->headerItem()->text(col);
    }
    return texts;
}

// The texts of `english` that stayed English in `translated` (paired by
// place) and that the catalogue does not keep the same on purpose. Names,
// numbers, paths and addresses are the class's or the user's.
QStringList leftEnglish(const QStringList& english, const QStringList& translated,
                        const std::map<QString, QString>& catalogue) {
    static const QRegularExpression words(QStringLiteral("\\p{L}{2}"));
    QStringList left;
    for (qsizetype i = 0; i < english.size() && i < translated.size(); ++i) {
        const QString& text = english[i];
        if (translated[i] != text || !text.contains(words) || text.contains(u'/') || text.contains(u'@')) continue;
        const auto same = catalogue.find(text);
        if (same != catalogue.end() && same->second == text) continue;

        // The window gives a button without a letter one itself ("OK" shows as "&OK").
        const QString bare = QString(text).remove(u'&');
        const auto bareSame = catalogue.find(bare);
        if (bareSame == catalogue.end() || QString(bareSame->second).remove(u'&') != bare) left << text;
    }
    return left;
}

// The files of a class opened with its attendance in the window in the language
// given, changed, given a new student and saved under a new name.
QByteArray saveAClassIn(const QString& language) {
    InLanguage in(language);
    WindowHarness h;
    h.open(h.write(QStringLiteral("period1.grs"), smallClass(),
                   {attendanceRecord("Ann Lee", 3, 2025, "TUE  E"), attendanceRecord("Bob Stone", 4, 2025, "U")}));
    ClassRecord changed = smallClass();
    changed.students.push_back(changed.students.front());
    changed.students.back().name = "Dee Moss";
    changed.comments.push_back(CommentInfo{"Dee Moss", "new in April"});
    changeClassTo(*h.window, changed);

    // Points typed as the language writes them: "7,5" where the comma is the decimal separator.
    h.window->show();
    if (!QTest::qWaitForWindowExposed(h.window.get(), kWaitLimitMs)) return {};
    typeIntoGrades(*h.window, 2, 2, numberWithPoint(QStringLiteral("7.5"), windowDecimalPoint()));
    makeUnsavedChange(*h.window);
    const QString path = h.path(QStringLiteral("saved.grs"));
    h.dialogs.saveAs(path);
    h.window->saveClassAs();
    return classFiles(path);
}

// The texts of the dialog `open` shows, its title first, in the language
// given (English when none).
QStringList dialogTexts(const QString& language, const DialogOpener& open) {
    InLanguage in(language);
    return lookAtMenuDialog(open,
                            [](QDialog& dialog) { return QStringList{dialog.windowTitle()} + windowTexts(dialog); });
}

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void everyEntryIsFinishedAndKeepsWhatTheCodeFillsIn_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : kLanguages) QTest::newRow(qPrintable(language)) << language;
    }

    void everyEntryIsFinishedAndKeepsWhatTheCodeFillsIn() {
        QFETCH(QString, language);
        const std::vector<CatalogueEntry> entries = readCatalogue(language);
        QVERIFY2(entries.size() > 500, "the catalogue could not be read");
        QStringList faults;
        for (const CatalogueEntry& e : entries) {
            const QString where = e.context + QStringLiteral(": \"") + e.source + u'"';
            if (!e.finished || e.translation.isEmpty()) {
                faults << QStringLiteral("unfinished ") + where;
            } else if (keptShape(e.source) != keptShape(e.translation)) {
                faults << where + QStringLiteral(" has ") + keptShape(e.source) + QStringLiteral(", its translation ") +
                              keptShape(e.translation);
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    void theWindowSpeaksTheUsersLanguage_data() { everyEntryIsFinishedAndKeepsWhatTheCodeFillsIn_data(); }

    void theWindowSpeaksTheUsersLanguage() {
        QFETCH(QString, language);
        const QString classPath = writeClass(QDir::tempPath(), QStringLiteral("markwell-translated.grs"), smallClass());
        QStringList english;
        for (int time = 0; time < 2; ++time) {  // opened once before, so that both windows list it as recent
            WindowHarness h;
            h.open(classPath);
            english = windowTexts(*h.window);
        }
        const std::map<QString, QString> catalogue = translationsOf(language);
        InLanguage in(language);
        QCOMPARE(in.installed(), language.left(2));
        WindowHarness h;
        h.open(classPath);
        const QStringList translated = windowTexts(*h.window);
        QCOMPARE(translated.size(), english.size());

        // A text may be the same in both languages ("Total", "Options") when the
        // catalogue says so; any other one left English never reached it.
        const QStringList untranslated = leftEnglish(english, translated, catalogue);
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(u'\n')));

        // The teacher's desk, "Teacher" in the seating file, shows in the language.
        QVERIFY(h.window->showPage(Page::Seating));
        const QString desk = h.window->seatingPage()->view()->itemOf(SeatId::teacher())->caption();
        QVERIFY(catalogue.count(QStringLiteral("Teacher")) == 1);
        QCOMPARE(desk, catalogue.at(QStringLiteral("Teacher")));
        QVERIFY(desk != QLatin1String(kTeacherSeatName));

        // Each menu still opens each of its items with a letter of its own.
        const QStringList faults = menuItemsWithoutTheirOwnAltLetter(*h.window->menuBar());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        QFile::remove(classPath);
    }

    void everyDialogSpeaksTheUsersLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<DialogOpener>("open");
        for (const QString& language : kLanguages) {
            for (const auto& [name, open] : menuDialogs()) {
                QTest::newRow(qPrintable(language + u' ' + QLatin1String(name))) << language << open;
            }
        }
    }

    void everyDialogSpeaksTheUsersLanguage() {
        QFETCH(QString, language);
        QFETCH(DialogOpener, open);
        const QStringList english = dialogTexts({}, open);
        const QStringList translated = dialogTexts(language, open);
        QCOMPARE(translated.size(), english.size());
        const QStringList untranslated = leftEnglish(english, translated, translationsOf(language));
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(u'\n')));
    }

    void aClassIsSavedToTheSameBytesInEveryLanguage() {
        const QByteArray english = saveAClassIn({});
        QVERIFY(!english.isEmpty() && !english.startsWith('|') && !english.contains("<unreadable>"));
        for (const QString& language : kLanguages) {
            QVERIFY2(saveAClassIn(language) == english, qPrintable(language));
        }
    }

    void datesNumbersAndTheHelpFollowTheWindowsLanguage_data() {
        QTest::addColumn<QString>("language");

        // December 8th, January, the month printed, an average, the title of the help's Grades page.
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("en") << QString()
                            << QStringList{"12/8", "January", "December 2026", "89.09%", "The Grades page"};
        QTest::newRow("es") << QStringLiteral("es_ES")
                            << QStringList{"8/12", "enero", "diciembre de 2026", "89,09%", "La página Notas"};
        QTest::newRow("fr") << QStringLiteral("fr_FR")
                            << QStringList{"08/12", "janvier", "décembre 2026", "89,09%", "La page Notes"};
    }

    void datesNumbersAndTheHelpFollowTheWindowsLanguage() {
        QFETCH(QString, language);
        QFETCH(QStringList, expected);
        InLanguage in(language);
        WindowHarness h;
        h.open(h.write(QStringLiteral("dates.grs"), smallClass(), {attendanceRecord("Ann Lee", 12, 2026, "T")}));

        // The Average cell as the window shows it; copied, it keeps "." for other programs.
        SheetView* grades = h.window->gradesPage()->view();
        const QModelIndex average = grades->model()->index(1, 4);
        QCOMPARE(average.data().toString(), expected[3]);
        grades->selectRange(CellRange::cell(2, 5));
        QCOMPARE(std::unique_ptr<QMimeData>(grades->selectionMimeData())->text().trimmed(), QStringLiteral("89.09%"));
        QVERIFY(h.window->showPage(Page::Attendance));
        h.window->attendancePage()->showMonth(12, 2026);
        QCOMPARE(h.window->attendancePage()->sheet().text(1, 9), expected[0]);

        // The analysis opens beside the window, not in a loop of its own: wait for it.
        QString firstMonth;
        bool analysed = false;
        whenModalShows<AttendanceAnalysisWindow>(
            [&firstMonth](AttendanceAnalysisWindow* analysis) {
                firstMonth = analysis->sheet().text(2, 1);
                analysis->reject();
            },
            &analysed);
        h.window->actions().attendanceAnalysis->trigger();
        QVERIFY(QTest::qWaitFor([&analysed] { return analysed; }, kWaitLimitMs));
        QCOMPARE(firstMonth, expected[1]);

        // The help speaks the language of the menus.
        HelpWindow help;
        help.showTopic(HelpTopic::Grades);
        QCOMPARE(help.findChild<QTextBrowser*>()->documentTitle(), expected[4]);
        if (!havePdfToText()) QSKIP("pdftotext is not installed");
        const QString pdf = h.path(QStringLiteral("attendance.pdf"));
        h.dialogs.printToPdf(pdf);
        h.window->printAttendance();
        const QString printed = pdfText(pdf);
        QVERIFY2(printed.contains(expected[2]), qPrintable(printed.left(200)));
    }
};

MARKWELL_GUI_TEST_MAIN(TranslationsTest)

#include "TranslationsTest.moc"
