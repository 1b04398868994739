// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/shared/PageProgressDialog.h"

namespace markwell {

PageProgressDialog::PageProgressDialog(QWidget* parent, const QString& title, const QString& label)
    : dialog_(parent), label_(label) {
    dialog_.setWindowTitle(title);
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(500);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
}

bool PageProgressDialog::pageStarting(int page, int count) {
    if (dialog_.maximum() != count) dialog_.setMaximum(count);
    dialog_.setLabelText(label_.arg(page).arg(count));
    // A modal progress dialog handles the window's events here: Cancel among them.
    dialog_.setValue(page - 1);
    return !dialog_.wasCanceled();
}

}  // namespace markwell
