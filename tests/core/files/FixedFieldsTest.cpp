// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/files/FixedFields.h"

#include <gtest/gtest.h>

using namespace markwell;

TEST(FieldReader, TextEndsAtTheFirstZeroOrFillsTheField) {
    const QByteArray bytes("ab\0zzcdefg", 10);  // "ab" and 3 bytes, "cdef", "g"
    FieldReader in(bytes);
    EXPECT_EQ(in.textView(5), "ab");  // what follows the terminator carries no meaning
    EXPECT_EQ(in.text(4), "cdef");    // no terminator: the whole field
    EXPECT_EQ(in.position(), 9);
    EXPECT_FALSE(in.overrun());
    // A field longer than what remains reads as empty and reads nothing more.
    EXPECT_EQ(in.textView(2), "");
    EXPECT_TRUE(in.overrun());
    EXPECT_EQ(in.remaining(), 0);
    EXPECT_EQ(in.text(0), "");
}
