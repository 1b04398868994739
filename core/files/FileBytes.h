#pragma once

#include "common/Result.h"

#include <QByteArray>
#include <QString>

namespace markwell {

// The whole content of a file, or "Unable to open " + path + the reason.
Result<QByteArray> readFileBytes(const QString& path);

// The same, but a file that does not exist reads as empty: the sibling files
// of a class come into being with its first save.
Result<QByteArray> readFileBytesIfAny(const QString& path);

QString unableToOpen(const QString& path, const QString& reason);

}  // namespace markwell
