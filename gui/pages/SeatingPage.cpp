// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/pages/SeatingPage.h"

#include "gui/seating/SeatingView.h"
#include "gui/shared/HelpTopics.h"

#include <QVBoxLayout>

namespace markwell {

SeatingPage::SeatingPage(QWidget* parent) : QWidget(parent), view_(new SeatingView) {
    setObjectName(QStringLiteral("seatingPage"));
    setHelpTopic(this, HelpTopic::Seating);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setFocusProxy(view_);
}

}  // namespace markwell
