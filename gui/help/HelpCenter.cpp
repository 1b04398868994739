// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/help/HelpCenter.h"

#include "gui/help/HelpWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace markwell {

HelpCenter::HelpCenter(QObject* parent) : QObject(parent) {}

HelpWindow* HelpCenter::window() const {
    return window_;
}

HelpCenter::~HelpCenter() {
    if (window_ && !window_->parentWidget()) delete window_;
}

void HelpCenter::showTopic(HelpTopic topic) {
    QWidget* owner = QApplication::activeModalWidget();
    if (window_ && window_->parentWidget() != owner) {
        const QRect geometry = window_->geometry();
        window_->setParent(owner, Qt::Window);
        window_->setGeometry(geometry);
    }
    if (!window_) window_ = new HelpWindow(owner);
    window_->showTopic(topic);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void HelpCenter::closeWindow() {
    if (window_) window_->close();
}

void HelpCenter::showHelpFor(const QWidget* widget) {
    showTopic(helpTopicFor(widget));
}

bool HelpCenter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1) {
        return QObject::eventFilter(watched, event);
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || (window_ && window_->isAncestorOf(widget)) || widget == window_) {
        return QObject::eventFilter(watched, event);
    }
    showHelpFor(widget);
    return true;
}

}  // namespace markwell
