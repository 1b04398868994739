#pragma once

#include "common/Result.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace markwell {

// Every file Markwell writes goes through one of these: the new content is
// written to a temporary file in the same folder, flushed and synced, then
// renamed over the old file. A failure leaves the old file whole and returns
// "Unable to create " + path + ": " + the reason.

Result<void> writeFileAtomically(const QString& path, const QByteArray& bytes);

// For libraries that can only write to a file name: `write` is called with the
// path of the temporary file and must leave the complete content there.
Result<void> writeFileAtomicallyVia(const QString& path,
                                    const std::function<Result<void>(const QString& tempPath)>& write);

// The message of a failed write of `path`.
QString unableToCreate(const QString& path, const QString& reason);

}  // namespace markwell
