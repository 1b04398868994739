// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/export/BiffSharedStrings.h"

#include <algorithm>

namespace markwell::biff {
namespace {

constexpr int kStringHeaderSize = 3;  // character count (2) and flags (1)

struct Bucket {
    std::uint32_t streamPosition;
    std::uint16_t recordOffset;
};

// Writes one text at the current position, continuing into new records as
// needed.
void writeText(RecordWriter& out, const QString& text) {
    const bool compressed = isLatin1(text);
    const int charSize = compressed ? 1 : 2;
    out.u16(static_cast<std::uint16_t>(text.size()));
    out.u8(compressed ? 0x00 : 0x01);
    qsizetype done = 0;
    while (done < text.size()) {
        qsizetype fit = out.room() / charSize;
        if (fit == 0) {
            out.continueRecord();
            out.u8(compressed ? 0x00 : 0x01);
            fit = out.room() / charSize;
        }
        const qsizetype count = std::min(fit, text.size() - done);
        out.chars(text, done, count, compressed);
        done += count;
    }
}

}  // namespace

std::uint32_t SharedStrings::add(const QString& text) {
    ++uses_;
    if (const auto it = index_.constFind(text); it != index_.constEnd()) return it.value();
    const auto next = static_cast<std::uint32_t>(texts_.size());
    index_.insert(text, next);
    texts_.push_back(text);
    return next;
}

int SharedStrings::bucketSize(std::uint32_t count) {
    // Excel's rule: at most 128 entries, at least 8 texts each.
    return std::max<int>(8, static_cast<int>(count / 128 + 1));
}

void SharedStrings::write(RecordWriter& out) const {
    const int perBucket = bucketSize(size());
    std::vector<Bucket> buckets;
    buckets.reserve(texts_.size() / static_cast<std::size_t>(perBucket) + 1);

    out.begin(rec::kSst);
    out.u32(uses_);
    out.u32(size());
    for (std::size_t i = 0; i < texts_.size(); ++i) {
        const QString& text = texts_[i];
        const int firstPiece = kStringHeaderSize + (text.isEmpty() ? 0 : (isLatin1(text) ? 1 : 2));
        if (out.room() < firstPiece) out.continueRecord();
        if (i % static_cast<std::size_t>(perBucket) == 0) {
            buckets.push_back({static_cast<std::uint32_t>(out.position()),
                               static_cast<std::uint16_t>(out.position() - out.recordStart())});
        }
        writeText(out, text);
    }
    out.end();

    out.begin(rec::kExtSst);
    out.u16(static_cast<std::uint16_t>(perBucket));
    for (const Bucket& b : buckets) {
        out.u32(b.streamPosition);
        out.u16(b.recordOffset);
        out.u16(0);
    }
    out.end();
}

}  // namespace markwell::biff
