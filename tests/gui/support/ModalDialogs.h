#pragma once

// Working a modal dialog from a test: the dialog's exec() blocks, so what the
// teacher would do in it is queued to run once it is up.

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <functional>

namespace markwell::testing {

// Runs `work` on the next modal dialog of type T once it is shown (polling
// for up to about five seconds); a dialog left open afterwards is
// cancelled, so a test never hangs.
template <class T>
void whenShown(std::function<void(T&)> work) {
    auto tries = std::make_shared<int>(0);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [work = std::move(work), tries, poll] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (++*tries < 500) QTimer::singleShot(10, *poll);
            return;
        }
        // Keys go to the focused box of the active window, as for the teacher.
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog)) QApplication::setActiveWindow(dialog);
        work(*dialog);
        if (dialog->isVisible()) dialog->reject();
    };
    QTimer::singleShot(0, *poll);
}

}  // namespace markwell::testing
