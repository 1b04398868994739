// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

namespace markwell {

// Told how a long drawing job is getting on, page by page, and asked whether
// to go on. The desktop program answers with a progress dialog and its
// Cancel button; markwell-cli passes none.
class PrintProgress {
public:
    virtual ~PrintProgress() = default;

    // Page `page` (from 1) of `count` is about to be drawn. False stops the
    // job before it.
    virtual bool pageStarting(int page, int count) = 0;
};

}  // namespace markwell
