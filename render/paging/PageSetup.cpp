// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "render/paging/PageSetup.h"

#include "render/paging/Printout.h"

#include <QLocale>
#include <QPageSize>

#include <algorithm>

namespace markwell {

QPageLayout standardPageLayout() {
    // The paper is the desktop's country's, whatever language the window speaks.
    const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    const double m = kStandardMarginMm;
    return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(m, m, m, m), QPageLayout::Millimeter);
}

QPageLayout withMinimumMargins(const QPageLayout& layout) {
    QPageLayout raised = layout;
    // A layout may refuse margins beyond its own minimum (full-page mode):
    // work in millimetres and let it keep what it can.
    raised.setUnits(QPageLayout::Millimeter);
    const QMarginsF m = raised.margins();
    const auto atLeast = [](double margin) { return std::max(margin, kMinimumMarginMm); };
    raised.setMargins(QMarginsF(atLeast(m.left()), atLeast(m.top()), atLeast(m.right()), atLeast(m.bottom())));
    return raised;
}

QPageLayout pageLayoutFor(const Printout& printout) {
    QPageLayout layout = standardPageLayout();
    layout.setOrientation(printout.orientationFor(layout));
    return layout;
}

}  // namespace markwell
