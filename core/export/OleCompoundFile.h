// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"

#include <QByteArray>
#include <QString>

namespace markwell {

// The bytes of an OLE2 compound file, the container of an .xls workbook: the
// "Workbook" stream and, when `title` is not empty, a summary information
// stream that carries it as the document's title.
Result<QByteArray> xlsCompoundFile(const QByteArray& workbookStream, const QString& title);

}  // namespace markwell
