// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "gui/shared/UserDialogs.h"

#include <QDialog>

class QLineEdit;

namespace markwell {

// Asks for one line of text (a name to save under): the caption and the
// question come from the caller, Enter answers OK, Escape Cancel.
class TextEntryDialog : public QDialog {
    Q_OBJECT
public:
    explicit TextEntryDialog(const UserDialogs::TextRequest& request, QWidget* parent = nullptr);

    QString text() const;

private:
    QLineEdit* edit_;
};

}  // namespace markwell
