// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QCollator>
#include <QLocale>

namespace markwell {

// The order names and other texts sort in, as a person reads them: without
// regard to capitals, accented letters where the language puts them
// ("Émile" beside "emile", "Léa" before "Liam"). Under the C or POSIX locale,
// which has no order of its own, the neutral order that suits most languages.
QCollator readingOrder(const QLocale& locale = QLocale());

}  // namespace markwell
