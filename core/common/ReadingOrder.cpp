// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/common/ReadingOrder.h"

namespace markwell {

QCollator readingOrder(const QLocale& locale) {
    // Qt's C locale compares character codes, which puts every accented
    // letter after "z". English has no rules of its own, so its order is the
    // neutral (root) one.
    const bool neutral = locale.language() == QLocale::C;
    QCollator collator(neutral ? QLocale(QLocale::English, QLocale::UnitedStates) : locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

}  // namespace markwell
