// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Every dialog the menus open, in English, Spanish and French: each button
// opens with an Alt letter of its own, and no label, button, tab, group
// title or column heading is wider than the room it is given. The program's
// questions too, and the help's contents.

#include "gui/help/HelpWindow.h"
#include "gui/shared/ButtonLetters.h"
#include "gui/shared/QtUserDialogs.h"
#include "gui/shared/WindowHabits.h"
#include "tests/gui/support/AltLetters.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/InLanguage.h"
#include "tests/gui/support/MenuDialogs.h"
#include "tests/gui/support/TextRoom.h"

#include <QListWidget>
#include <QMessageBox>

using namespace markwell;
using namespace markwell::testing;

namespace {

const QStringList kLanguages = {QString(), QStringLiteral("es_ES"), QStringLiteral("fr_FR")};

QString languageName(const QString& language) {
    return language.isEmpty() ? QStringLiteral("en") : language;
}

}  // namespace

class DialogKeysAndRoomTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The type a desktop without settings of its own gives Qt (what the
        // program shows under a bare X server), so that widths are the same on
        // every test machine.
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    }

    void aButtonTakesTheFirstLetterNoOtherCaptionHas() {
        QList<QChar> taken{u'o'};
        QCOMPARE(withAltLetter(QStringLiteral("Open anyway"), taken), QStringLiteral("O&pen anyway"));
        QCOMPARE(withAltLetter(QStringLiteral("&Cancel"), taken), QStringLiteral("&Cancel"));  // its own stays
        QCOMPARE(withAltLetter(QStringLiteral("Copy"), taken), QStringLiteral("Cop&y"));       // c, o, p are taken
        QCOMPARE(withAltLetter(QStringLiteral("R&&D 2"), taken), QStringLiteral("&R&&D 2"));
        QCOMPARE(withAltLetter(QStringLiteral("Éxito"), taken), QStringLiteral("&Éxito"));
        QCOMPARE(withAltLetter(QStringLiteral("- ."), taken), QStringLiteral("- ."));  // nothing to mark
        QCOMPARE(QString(taken.constData(), taken.size()), QStringLiteral("opcyré"));
    }

    void everyButtonOfADialogHasItsOwnAltLetter_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<DialogOpener>("open");
        for (const QString& language : kLanguages) {
            for (const auto& [name, open] : menuDialogs()) {
                QTest::newRow(qPrintable(languageName(language) + u' ' + QLatin1String(name))) << language << open;
            }
        }
    }

    void everyButtonOfADialogHasItsOwnAltLetter() {
        QFETCH(QString, language);
        QFETCH(DialogOpener, open);
        InLanguage in(language);
        // The student list's fields over its tabs take every letter of Cancel
        // (Esc cancels there); no letter is better than one shared with a field.
        if (QString(QTest::currentDataTag()).endsWith(QLatin1String(" student list"))) {
            QEXPECT_FAIL("", "every letter of the student list's Cancel is taken by its fields", Continue);
        }
        const QStringList faults = lookAtMenuDialog(open, [](QDialog& dialog) {
            QStringList found;
            for (const QString& caption : buttonsWithoutAltLetter(dialog))
                found << QStringLiteral("no letter: ") + caption;
            for (const QString& clash : clashingAltLetters(dialog)) found << QStringLiteral("shared: ") + clash;
            if (!found.isEmpty())
                found << QStringLiteral("in view: ") + altCaptions(dialog).join(QStringLiteral(" | "));
            return found;
        });
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    void everyTextOfADialogFitsItsRoom_data() { everyButtonOfADialogHasItsOwnAltLetter_data(); }

    void everyTextOfADialogFitsItsRoom() {
        QFETCH(QString, language);
        QFETCH(DialogOpener, open);
        InLanguage in(language);
        const QStringList faults = lookAtMenuDialog(open, [](QDialog& dialog) {
            // Every page of the dialog's tabs, as the teacher turns them.
            QStringList found = textsWiderThanTheirRoom(dialog);
            for (QTabWidget* tabs : dialog.findChildren<QTabWidget*>()) {
                for (int page = 0; page < tabs->count(); ++page) {
                    tabs->setCurrentIndex(page);
                    QApplication::processEvents();  // the page's own layout
                    found << textsWiderThanTheirRoom(dialog);
                }
            }
            found.removeDuplicates();
            return found;
        });
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    void questionsHaveAltLettersAndShowTheirTitle_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : kLanguages) QTest::newRow(qPrintable(languageName(language))) << language;
    }

    void questionsHaveAltLettersAndShowTheirTitle() {
        QFETCH(QString, language);
        InLanguage in(language);
        QtUserDialogs dialogs;
        QWidget parent;
        QStringList faults;
        const auto look = [&faults](QMessageBox* box) {
            for (const QString& caption : buttonsWithoutAltLetter(*box))
                faults << QStringLiteral("no letter: ") + caption;
            faults << clashingAltLetters(*box);
            if (box->width() < titleBarWidth(*box)) faults << QStringLiteral("title cut: ") + box->text();
        };
        const std::vector<std::function<void()>> questions = {
            [&] { dialogs.inform(&parent, QStringLiteral("Every student has a seat.")); },
            [&] { dialogs.askYesNoCancel(&parent, QStringLiteral("Do you wish to save changes?")); },
            [&] {
                dialogs.askChoice(&parent, QStringLiteral("Open it?"),
                                  {QStringLiteral("Open anyway"), QStringLiteral("Cancel")});
            },
        };
        for (const auto& ask : questions) {
            bool shown = false;
            whenModalShows<QMessageBox>(look, &shown);
            ask();
            QVERIFY(shown);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    void theHelpContentsShowTheirTitlesWhole_data() { questionsHaveAltLettersAndShowTheirTitle_data(); }

    void theHelpContentsShowTheirTitlesWhole() {
        QFETCH(QString, language);
        InLanguage in(language);
        HelpWindow help;
        help.showTopic(HelpTopic::Grades);
        QVERIFY(showExposed(help));
        auto* contents = help.findChild<QListWidget*>();
        QVERIFY(contents);
        QStringList cut;
        const int room = contents->viewport()->width();
        for (int i = 0; i < contents->count(); ++i) {
            const QListWidgetItem* item = contents->item(i);
            const int needed =
                contents->visualItemRect(item).left() + contents->fontMetrics().horizontalAdvance(item->text());
            if (needed > room) cut << item->text();
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    }
};

MARKWELL_GUI_TEST_MAIN(DialogKeysAndRoomTest)

#include "DialogKeysAndRoomTest.moc"
