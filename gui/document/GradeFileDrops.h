// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QObject>
#include <QString>

class QMimeData;
class QWidget;

namespace markwell {

// Lets a grade file be dropped on a window: a drag that carries one local
// .grs file is accepted, anything else is refused (the pointer says so) and
// its drop does nothing. Opening the dropped file is the window's, asked for
// once the drop is over, so that no question is asked while the program the
// file came from still waits for the drop to end.
class GradeFileDrops : public QObject {
    Q_OBJECT
public:
    // Watches `window`, which accepts drops from now on.
    explicit GradeFileDrops(QWidget* window);

    // The grade file `data` carries; empty when it carries anything else.
    static QString gradeFileIn(const QMimeData* data);

signals:
    void gradeFileDropped(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace markwell
