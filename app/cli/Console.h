// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace markwell::cli {

// Exit codes of markwell-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // refused input or failed write
inline constexpr int kExitUsage = 2;

// Standard output and error as UTF-8, whatever the locale.
class Console {
public:
    Console(std::FILE* out = stdout, std::FILE* err = stderr) : out_(out), err_(err) {}

    void print(const QString& text) const { write(out_, text); }
    // Text already in UTF-8 (a large table), written as it is.
    void printUtf8(QByteArrayView text) const { writeBytes(out_, text); }
    void printLine(const QString& text) const { write(out_, text + QLatin1Char('\n')); }
    void error(const QString& text) const { write(err_, QStringLiteral("markwell-cli: ") + text + QLatin1Char('\n')); }

    // Prints the message and returns kExitUsage, for one-line use in commands.
    int usage(const QString& message) const {
        error(QStringLiteral("%1 (see markwell-cli --help)").arg(message));
        return kExitUsage;
    }

    // The exit code of a command once its output is flushed: a script must
    // not take output that never arrived (a full disk, a closed pipe) for
    // success, so that turns success into kExitFailed.
    int finish(int exitCode) const {
        if (std::fflush(out_) != 0 && outError_ == 0) outError_ = errno;
        if (outError_ == 0 && !std::ferror(out_)) return exitCode;
        const QString reason =
            outError_ != 0 ? QString::fromLocal8Bit(std::strerror(outError_)) : QStringLiteral("write error");
        error(QStringLiteral("cannot write the output: %1").arg(reason));
        return exitCode == kExitOk ? kExitFailed : exitCode;
    }

private:
    void write(std::FILE* stream, const QString& text) const { writeBytes(stream, text.toUtf8()); }

    void writeBytes(std::FILE* stream, QByteArrayView bytes) const {
        const auto size = static_cast<std::size_t>(bytes.size());
        if (std::fwrite(bytes.data(), 1, size, stream) != size && stream == out_ && outError_ == 0) {
            outError_ = errno;
        }
    }

    std::FILE* out_;
    std::FILE* err_;
    mutable int outError_ = 0;  // the first failed write to out_
};

}  // namespace markwell::cli
