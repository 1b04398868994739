// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/data/Document.h"
#include "core/document/ClassFileBytes.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

namespace markwell {

class ScaleStore;

// Earlier versions of a class: before a save replaces a class on disk, its
// three files as they were are kept together in the class's folder of the
// program's data folder (never beside the class), the last few of them.

struct EarlierVersion {
    int number = 0;     // counts up as versions are kept; stays with the version
    QDateTime saved;    // when this version had been saved
    int students = -1;  // -1 when its grade file cannot be read
    int assignments = -1;
    QString gradeFile;  // its grade file in the data folder, siblings beside it
};

// Keeps the class at `gradePath`, as it is on disk, as its newest earlier
// version, then lets go of the oldest beyond `keep`. Nothing is kept when
// there is no class at `gradePath` yet, when `keep` is 0, or when the files
// are the same as the newest version's. Says why when the version cannot be
// kept: the save itself goes on all the same. Versions are the user's alone
// (files 0600, folders 0700); what a killed keeping left is removed.
Result<void> keepEarlierVersion(const QString& gradePath, int keep);
// The same with the class's files read already.
Result<void> keepEarlierVersion(const QString& gradePath, const ClassFileBytes& files, int keep);

// The versions kept of the class at `gradePath`, newest first.
std::vector<EarlierVersion> earlierVersions(const QString& gradePath);

// The version numbered `number`, if it is kept.
std::optional<EarlierVersion> earlierVersion(const QString& gradePath, int number);

// The version's three files, exactly as they were kept (a class is written
// from them with writeClass).
Result<ClassFileBytes> readEarlierVersion(const EarlierVersion& version);

// The version as a new untitled class with its attendance and seats: it is
// saved only where the teacher then chooses.
Result<Document> openEarlierVersion(const EarlierVersion& version, const ScaleStore& store);

}  // namespace markwell
