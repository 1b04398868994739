// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/export/BiffRecordWriter.h"

#include <QHash>
#include <QString>

#include <cstdint>
#include <vector>

namespace markwell::biff {

// The workbook's shared string table: every text cell refers to its text by
// index, each distinct text stored once.
class SharedStrings {
public:
    // The index of the text, adding it when new; counts one more use.
    std::uint32_t add(const QString& text);

    std::uint32_t uses() const { return uses_; }
    std::uint32_t size() const { return static_cast<std::uint32_t>(texts_.size()); }

    // Writes the SST record, going on in CONTINUE records where a record is
    // full, followed by the EXTSST record that indexes it. A text is split
    // only between characters, never within its header or first character,
    // and each continued piece starts with its own character-size flag.
    // Positions are absolute within the stream `out` writes.
    void write(RecordWriter& out) const;

    // How many texts share one EXTSST entry.
    static int bucketSize(std::uint32_t count);

private:
    QHash<QString, std::uint32_t> index_;
    std::vector<QString> texts_;
    std::uint32_t uses_ = 0;
};

}  // namespace markwell::biff
