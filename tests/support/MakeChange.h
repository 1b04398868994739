// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Document.h"
#include "core/editing/Change.h"

namespace markwell::test {

// Makes the change on the document as the window's history does, without
// keeping its step: a change that leaves a step marks the class modified.
inline Result<void> makeChange(Document& document, const Change& change) {
    Result<ChangeMade> made = change.applyTo(document);
    if (!made) return fail(made.message());
    if (made->step) document.modified = true;
    return {};
}

// The same, as the door of an editor that works on the document.
inline auto changingDirectly(Document& document) {
    return [&document](const Change& change) { return makeChange(document, change); };
}

}  // namespace markwell::test
