// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/common/HugePages.h"

#include <QtGlobal>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>

#if defined(Q_OS_LINUX) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#define MARKWELL_HUGE_PAGES 1
#endif

namespace markwell {
namespace {

constexpr std::size_t kHugePageSize = std::size_t(1) << 21;

// The heap grows by at least this much at a time, and is given back to the
// system only when this much or more lies free at its end.
constexpr int kHeapStep = 256 << 20;

}  // namespace

void adviseHugePages([[maybe_unused]] void* data, [[maybe_unused]] std::size_t size) {
#ifdef MARKWELL_HUGE_PAGES
    const std::uintptr_t misalignment = reinterpret_cast<std::uintptr_t>(data) % kHugePageSize;
    const std::size_t skip = misalignment == 0 ? 0 : kHugePageSize - misalignment;
    if (size <= skip) return;
    const std::size_t length = (size - skip) & ~(kHugePageSize - 1);
    if (length > 0) madvise(static_cast<char*>(data) + skip, length, MADV_HUGEPAGE);
#endif
}

void growHeapInHugePages() {
#ifdef MARKWELL_HUGE_PAGES
    if (mallopt(M_TOP_PAD, kHeapStep) == 0 || mallopt(M_TRIM_THRESHOLD, 2 * kHeapStep) == 0) return;
    // Pieces below the size that gets a mapping of its own, taken until the
    // heap grows by a step; the new part is advised before anything but the
    // piece's header is written there. An allocator of its own (as under a
    // sanitizer) never moves the end of the heap: then nothing is advised.
    constexpr std::size_t kPieceSize = 120 * 1024;
    std::array<void*, 16> pieces{};
    void* const before = sbrk(0);
    void* after = before;
    for (std::size_t i = 0; i < pieces.size() && after == before; ++i) {
        pieces[i] = std::malloc(kPieceSize);
        after = sbrk(0);
    }
    const auto low = reinterpret_cast<std::uintptr_t>(before);
    const auto high = reinterpret_cast<std::uintptr_t>(after);
    // sbrk gives the address -1 when it fails.
    if (low != std::numeric_limits<std::uintptr_t>::max() && high > low) adviseHugePages(before, high - low);
    for (void* piece : pieces) std::free(piece);
#endif
}

}  // namespace markwell
