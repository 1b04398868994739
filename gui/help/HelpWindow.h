// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "gui/shared/HelpTopics.h"

#include <QWidget>

class QListWidget;
class QTextBrowser;

namespace markwell {

// The help of the program: a contents list beside a page browser with
// Back, Forward and Contents.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void showTopic(HelpTopic topic);
    HelpTopic currentTopic() const;
    QTextBrowser* browser() const { return browser_; }

private:
    void followSource(const QUrl& source);

    QListWidget* contents_;
    QTextBrowser* browser_;
};

}  // namespace markwell
