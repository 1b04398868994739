// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QString>
#include <QStringList>

namespace markwell {

// File names made from students' names, which come from the class and so
// must never be able to do more than name a file inside the folder they are
// written in.

// The name's letters, digits, spaces, "-" and "_" kept, every other
// character "_" (so no "/", no "..", nothing that leaves the folder), at
// most 100 characters; "student" when nothing is left. No extension.
QString safeFileStem(const QString& name);

// One file name per name, in the same order: its safe stem and `extension`
// (".pdf"), a second name of the same stem getting " (2)", a third " (3)",
// and so on. Stems are compared without regard to letter case, as the
// folder may be on a disk that does not tell "Ann" from "ANN"; a stem
// already ending in " (2)" cannot come from a name, as parentheses are not
// kept, so the names made stay distinct.
QStringList distinctFileNames(const QStringList& names, const QString& extension);

}  // namespace markwell
