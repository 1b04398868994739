// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Document.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <memory>

class QLockFile;

namespace markwell {

// Keeps the recovery copy of the window's class while it has unsaved
// changes: every two minutes, and ten seconds after the last change when no
// other follows. The copy goes when the changes are saved or let go of, and
// stays behind only when the window ends without closing (a crash), for the
// next start to offer.
//
// While it keeps a copy the keeper holds the copy's lock, so that another
// Markwell started meanwhile does not take a living window's copy for one
// left behind, and does not write over it.
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    // The environment variable MARKWELL_RECOVERY_MS (milliseconds) sets both
    // times at once, for tests of the program as a whole.
    explicit RecoveryKeeper(const Document& document, QObject* parent = nullptr);
    // Lets go of the lock and leaves the copy: a window destroyed without
    // closing is as good as a crash.
    ~RecoveryKeeper() override;

    void setIntervals(std::chrono::milliseconds every, std::chrono::milliseconds afterLastChange);

    // The class whose copy this window keeps; empty while it keeps none.
    const QString& keptClass() const { return keptFor_; }

public slots:
    // A change of the class: the copy follows once the teacher pauses.
    void noteChange();
    // Writes the copy now, if the class is titled and has unsaved changes.
    void writeCopy();
    // The changes were saved or let go of: the copy goes.
    void discardCopy();
    // Another class is the document. A recovered one, with its changes
    // unsaved, is kept from the start.
    void followDocument();

signals:
    // The copy could not be written; the class itself is untouched.
    void copyFailed(const QString& message);

private:
    bool holdLockFor(const QString& gradePath);
    void releaseLock();

    const Document& document_;
    QTimer every_;
    QTimer afterLastChange_;
    QString keptFor_;
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace markwell
