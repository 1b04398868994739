// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <cstddef>

namespace markwell {

// Memory in huge pages (2 MB) where the system gives them on request. A
// class of 2,000 students and 200 assignments takes some 40 MB in 400,000
// small pieces; brought in 4 KB at a time that is about 10,000 page faults,
// which cost more than reading and grading the class, above all in a virtual
// machine. Both are hints: where they are not understood, nothing changes.

// Advises the 2 MB pages that lie wholly inside the buffer, before it is
// first written.
void adviseHugePages(void* data, std::size_t size);

// Called once at the start of a program, before the class is read: the heap
// then grows in large steps, each advised for huge pages.
void growHeapInHugePages();

}  // namespace markwell
