// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace markwell {

// The files a class is saved or exported as, known by the extension of their
// name (compared without regard to case). One table for the file dialogs of
// the desktop program, the exports and markwell-cli.
enum class FileType { Grades, Xls, Xlsx, Csv };

struct FileTypeInfo {
    FileType type;
    const char* suffix;  // without the dot, lower case
    const char* filter;  // the file dialogs' filter, in English (translated in the context "FileTypes")
};

extern const std::array<FileTypeInfo, 4> kFileTypes;

// The type a file name asks for; none for any other extension.
std::optional<FileType> fileTypeOf(const QString& path);
const FileTypeInfo& fileTypeInfo(FileType type);
inline bool isSpreadsheet(FileType type) {
    return type != FileType::Grades;
}

// The spreadsheet extensions, for messages: ".xls, .xlsx or .csv".
QString spreadsheetSuffixes();

}  // namespace markwell
