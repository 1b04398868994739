// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// markwell_first_paint FILE.grs: the desktop program's start with a class,
// timed to the first paint of its grades table. It starts as markwell does
// (the heap, application, settings, scale store, main window shown, the class opened
// from the command line), waits until the grades view has painted the
// class's table and prints how long that took since main began, in
// milliseconds, and the wall clock then (nanoseconds since the epoch), so a
// script can add the loading of the program before main:
//
//   start=$(date +%s%N); build/bench/markwell_first_paint big.grs
//
// Settings and program data go to temporary folders, never the user's own;
// the screenless platform is used unless QT_QPA_PLATFORM says otherwise.

#include "core/common/HugePages.h"
#include "core/scales/ScaleStore.h"
#include "core/settings/PasswordProtection.h"
#include "core/settings/QSettingsStore.h"
#include "core/settings/SettingsNames.h"
#include "gui/main/MainWindow.h"
#include "gui/pages/GradesPage.h"
#include "gui/shared/QtUserDialogs.h"
#include "gui/shared/WindowHabits.h"
#include "gui/sheetview/SheetView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

// Quits the program once the grades view has painted a table: after the
// paint event is done, so that the painting itself is counted.
class FirstTablePaint : public QObject {
public:
    FirstTablePaint(markwell::SheetView& view, const QElapsedTimer& sinceMain) : view_(view), sinceMain_(sinceMain) {
        view_.viewport()->installEventFilter(this);
    }

    qint64 milliseconds() const { return milliseconds_; }
    long long wallClockNanoseconds() const { return wallClock_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && view_.sheet() != nullptr && view_.sheet()->maxRow() > 1) {
            view_.viewport()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                milliseconds_ = sinceMain_.elapsed();
                wallClock_ = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                 std::chrono::system_clock::now().time_since_epoch())
                                 .count();
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    markwell::SheetView& view_;
    const QElapsedTimer& sinceMain_;
    qint64 milliseconds_ = -1;
    long long wallClock_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    if (argc != 2) {
        std::fprintf(stderr, "usage: markwell_first_paint FILE.grs\n");
        return 2;
    }
    QTemporaryDir config;
    QTemporaryDir data;
    if (!config.isValid() || !data.isValid()) return 1;
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    setenv("XDG_DATA_HOME", data.path().toLocal8Bit().constData(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

    markwell::growHeapInHugePages();
    QApplication app(argc, argv);
    markwell::applySettingsNames();
    markwell::QSettingsStore settings;
    markwell::ScaleStore scales(settings);
    markwell::QtUserDialogs dialogs;
    markwell::installWindowHabits(app);
    markwell::PasswordProtection passwords(settings);

    markwell::MainWindow window(dialogs, settings, scales, passwords);
    const FirstTablePaint paint(*window.gradesPage()->view(), sinceMain);
    window.show();
    window.openAtStart(QString::fromLocal8Bit(argv[1]));
    QApplication::exec();
    if (paint.milliseconds() < 0) {
        std::fprintf(stderr, "markwell_first_paint: the grades table was never painted\n");
        return 1;
    }
    std::printf("first paint %lld ms after main, at %lld\n", static_cast<long long>(paint.milliseconds()),
                paint.wallClockNanoseconds());
    return 0;
}
