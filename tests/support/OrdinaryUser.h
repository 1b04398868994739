// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

// Tests of files a user may not write. Root may write anything, so when the
// tests run as root (as CI does) the step under test runs in a child process
// as the unprivileged user "nobody", on files handed to that user first;
// otherwise it runs here, as the user the tests run as.

#include "core/common/Result.h"

#include <QString>

#include <functional>
#include <sys/types.h>

namespace markwell::test {

class OrdinaryUser {
public:
    OrdinaryUser();

    // False only when running as root on a system without "nobody".
    bool available() const { return available_; }

    // Gives a file or folder the test made to the user (as root; otherwise
    // it is the user's already). False when that fails.
    [[nodiscard]] bool own(const QString& path) const;

    // Runs `step` as the user and gives back its result.
    Result<void> run(const std::function<Result<void>()>& step) const;

private:
    bool asRoot_ = false;
    bool available_ = true;
    uid_t uid_ = 0;
    gid_t gid_ = 0;
};

}  // namespace markwell::test
