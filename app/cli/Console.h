#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>

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
    void printLine(const QString& text) const { write(out_, text + QLatin1Char('\n')); }
    void error(const QString& text) const { write(err_, QStringLiteral("markwell-cli: ") + text + QLatin1Char('\n')); }

    // Prints the message and returns kExitUsage, for one-line use in commands.
    int usage(const QString& message) const {
        error(message + QStringLiteral(" (see markwell-cli --help)"));
        return kExitUsage;
    }

private:
    static void write(std::FILE* stream, const QString& text) {
        const QByteArray bytes = text.toUtf8();
        std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    }

    std::FILE* out_;
    std::FILE* err_;
};

}  // namespace markwell::cli
