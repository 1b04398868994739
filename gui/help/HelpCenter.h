// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "gui/shared/HelpTopics.h"

#include <QObject>
#include <QPointer>

namespace markwell {

class HelpWindow;

// Opens the help window. Installed on the application, it answers F1 in
// every window with that window's page. While a modal dialog is open, the
// help window belongs to the dialog, so that it can still be read and scrolled.
class HelpCenter : public QObject {
    Q_OBJECT
public:
    explicit HelpCenter(QObject* parent = nullptr);
    ~HelpCenter() override;

    void showTopic(HelpTopic topic);
    // The page of the window the widget lies in.
    void showHelpFor(const QWidget* widget);
    HelpWindow* window() const;
    // Closes the help window (the program is closing).
    void closeWindow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<HelpWindow> window_;
};

}  // namespace markwell
