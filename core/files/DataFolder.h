// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"

#include <QString>
#include <QStringList>

namespace markwell {

// What Markwell keeps for itself about a class (its earlier versions, its
// recovery copy, its lock) lives in the program's data folder, never beside
// the teacher's files. Each class has a folder of its own there, named by
// its grade file's path, so two classes never share one and the same class
// reached by another path (a link) finds the same folder.

// The program's data folder (QStandardPaths::AppDataLocation).
QString programDataFolder();

// The folder kept for the class whose grade file is `gradePath` (the file
// need not exist yet). Only names it: see createClassDataFolder.
QString classDataFolder(const QString& gradePath);

// Makes the class's folder when it is missing and notes in it which class it
// belongs to (read back by dataFolderClassPath). Gives the folder, or why it
// cannot be made.
Result<QString> createClassDataFolder(const QString& gradePath);

// Every class folder there is, for what is found by looking through them all
// (the recovery copies left behind at a crash).
QStringList existingClassDataFolders();

// The grade file path a class folder was made for; empty when it does not say.
QString dataFolderClassPath(const QString& folder);

// The path a class is known by: links resolved when the file exists, the
// folder's links resolved when only the folder does, otherwise absolute.
QString classKeyPath(const QString& gradePath);

}  // namespace markwell
