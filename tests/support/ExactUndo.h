// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/document/Document.h"
#include "core/editing/Change.h"
#include "tests/support/DocumentBytes.h"

#include <gtest/gtest.h>

namespace markwell::test {

// Makes the change, which must leave a step, then checks that its undo gives
// back the three files as they were before it, byte for byte, and its redo
// the files as the change left them, and again so, as Undo, Redo, Undo, Redo
// in a row does. The document is left changed.
inline void expectExactUndoAndRedo(Document& document, const Change& change) {
    SCOPED_TRACE(change.name().toStdString());
    const std::array<QByteArray, 3> before = documentBytes(document);
    Result<ChangeMade> made = change.applyTo(document);
    ASSERT_TRUE(made.ok()) << made.message().toStdString();
    ASSERT_TRUE(made->step);
    const std::array<QByteArray, 3> after = documentBytes(document);
    ASSERT_NE(after, before);
    for (int time = 0; time < 2; ++time) {
        made->step->undo(document);
        EXPECT_EQ(documentBytes(document), before);
        made->step->redo(document);
        EXPECT_EQ(documentBytes(document), after);
    }
}

}  // namespace markwell::test
