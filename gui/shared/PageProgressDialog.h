// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "render/paging/PrintProgress.h"

#include <QProgressDialog>
#include <QString>

namespace markwell {

// A job's progress page by page in a QProgressDialog over its window, with
// Cancel. It appears only when the job looks like it will take a while, and
// lets the window answer (the Cancel button above all) between pages.
class PageProgressDialog : public PrintProgress {
public:
    // `label` holds "%1" and "%2" for the page and the number of pages.
    PageProgressDialog(QWidget* parent, const QString& title, const QString& label);

    bool pageStarting(int page, int count) override;

    QProgressDialog& dialog() { return dialog_; }

private:
    QProgressDialog dialog_;
    QString label_;
};

}  // namespace markwell
