// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

// Answers a modal dialog the program opens and waits on with exec(): the
// test says what to do with it once it shows, then runs the command.

#include "tests/gui/support/WaitLimit.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace markwell::testing {

// Closes a dialog as Rejected without asking it: its reject() may ask
// before it throws typing away, and a question nobody answers keeps it open.
inline void forceClosed(QWidget* modal) {
    if (qobject_cast<QDialog*>(modal)) {
        QMetaObject::invokeMethod(modal, "done", Qt::QueuedConnection, Q_ARG(int, QDialog::Rejected));
    } else {
        QMetaObject::invokeMethod(modal, "close", Qt::QueuedConnection);
    }
}

// Runs `act` on the first modal dialog of type T that shows within
// kWaitLimitMs (act must close it: accept, reject or a button click). A dialog
// that `act` leaves open, or another modal in the way, is closed as Rejected
// so that the test never hangs; `handled` tells whether `act` ran.
template <class T>
void whenModalShows(std::function<void(T*)> act, bool* handled = nullptr) {
    if (handled) *handled = false;
    auto* poll = new QTimer(qApp);
    poll->setObjectName(QStringLiteral("modalWatch"));
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, started, act = std::move(act), handled] {
        QWidget* modal = QApplication::activeModalWidget();
        if (T* dialog = qobject_cast<T*>(modal); dialog && dialog->isVisible()) {
            poll->stop();
            poll->deleteLater();
            if (handled) *handled = true;
            QPointer<T> guard(dialog);
            act(dialog);
            if (guard && guard->isVisible()) forceClosed(guard);
            return;
        }
        if (started->elapsed() > kWaitLimitMs) {
            poll->stop();
            poll->deleteLater();
            if (modal) forceClosed(modal);
        }
    });
    poll->start();
}

// The same for work done at the keyboard: the dialog is made the active
// window first, so that keys go to its focused box as for the teacher.
template <class T>
void whenShown(std::function<void(T&)> work) {
    whenModalShows<T>([work = std::move(work)](T* dialog) {
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog, kWaitLimitMs)) QApplication::setActiveWindow(dialog);
        work(*dialog);
    });
}

// Presses the dialog's OK, as the teacher does, whatever its checks then say.
inline void clickOk(QDialog* dialog) {
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

// Stops every watch still waiting for its dialog (one that was expected not to show).
inline void stopWatchingModals() {
    for (QTimer* poll : qApp->findChildren<QTimer*>(QStringLiteral("modalWatch"), Qt::FindDirectChildrenOnly)) {
        poll->stop();
        poll->deleteLater();
    }
}

// Triggers the command and does `act` on the dialog of type T it opens;
// whether that dialog showed.
template <class T>
bool answered(QAction* command, std::function<void(T*)> act) {
    bool handled = false;
    whenModalShows<T>(std::move(act), &handled);
    command->trigger();
    if (!handled) stopWatchingModals();  // its watch must not outlive `handled`
    return handled;
}

}  // namespace markwell::testing
