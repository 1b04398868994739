// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/editing/Validators.h"

#include "core/common/Cp1252.h"
#include "core/common/NumberText.h"
#include "core/data/PointEntry.h"
#include "core/data/Records.h"

#include <QCoreApplication>

#include <algorithm>

namespace markwell {
namespace {

struct Validators {
    Q_DECLARE_TR_FUNCTIONS(Validators)
};

bool isBlankOrControl(QChar ch) {
    return ch.unicode() <= 0x20 || ch.isSpace() || ch.category() == QChar::Other_Control;
}

bool isControl(QChar ch) {
    return ch.category() == QChar::Other_Control;
}

bool isLineBreak(QChar ch) {
    return ch == QLatin1Char('\n') || ch == QLatin1Char('\r');
}

QString controlName(QChar ch) {
    if (isLineBreak(ch)) return Validators::tr("a line break");
    if (ch == QLatin1Char('\t')) return Validators::tr("a tab");
    return Validators::tr("a control character (code %1)").arg(QString::number(ch.unicode()));
}

// A line break, a tab or another control character inside a one-line field
// would split the text on screen, in a listing and in the files that repeat
// it (seat captions, the attendance file), and could never be typed back.
Result<void> withoutControls(const QString& text, const QString& label, bool lineBreaksAllowed) {
    const auto bad = std::find_if(text.cbegin(), text.cend(), [lineBreaksAllowed](QChar ch) {
        return isControl(ch) && !(lineBreaksAllowed && isLineBreak(ch));
    });
    if (bad == text.cend()) return {};
    QString shown = text;
    std::replace_if(shown.begin(), shown.end(), isControl, QLatin1Char(' '));
    return fail(Validators::tr("The %1 cannot hold %2: \"%3\".").arg(label, controlName(*bad), shown));
}

// The text as stored, or a message naming the field and the character.
Result<std::string> storable(const QString& text, const QString& label, bool lineBreaksAllowed = false) {
    if (Result<void> plain = withoutControls(text, label, lineBreaksAllowed); !plain) return plain.error();
    Result<std::string> bytes = cp1252::fromUnicode(text);
    if (!bytes) return fail(Validators::tr("The %1 cannot be kept: %2").arg(label, bytes.message()));
    return bytes;
}

}  // namespace

QString trimmedText(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlankOrControl(text.at(first))) ++first;
    while (last > first && isBlankOrControl(text.at(last - 1))) --last;
    return text.mid(first, last - first);
}

QString withCrLf(const QString& text) {
    QString lf = withLf(text);
    return lf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QString withLf(const QString& text) {
    QString lf = text;
    lf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lf.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lf;
}

QString notPointsMessage(const QString& text) {
    return Validators::tr("\"%1\" is not a number of points. Type a number such as 17 or 17.5 (at most %2 "
                          "characters), or \"-\" when the assignment does not count for this student.")
        .arg(text, QString::number(kPointsTextLength));
}

Result<std::string> pointsText(const QString& typed) {
    const QString text = trimmedText(typed);
    if (text.isEmpty()) return std::string("0");
    if (text == QLatin1String("-")) return std::string(kNotCounted);
    if (text.size() > kPointsTextLength || !isPlainDecimal(text)) return fail(notPointsMessage(text));
    return text.toStdString();
}

Result<double> totalValue(const QString& typed) {
    const QString text = trimmedText(typed);
    if (text.isEmpty()) return 0.0;
    const std::optional<double> value = parseNumber(text);
    if (text.size() > kPointsTextLength || !isPlainDecimal(text) || !value) {
        return fail(Validators::tr("\"%1\" is not a number of possible points. Type a number such as 100 or 17.5 "
                                   "(at most %2 characters).")
                        .arg(text, QString::number(kPointsTextLength)));
    }
    return *value;
}

Result<std::string> fieldText(const QString& typed, int capacity, const QString& label) {
    Result<std::string> bytes = storable(trimmedText(typed), label);
    if (!bytes) return bytes;
    if (!fitsField(*bytes, capacity)) {
        return fail(Validators::tr("The %1 is %2 characters long; it can hold at most %3.")
                        .arg(label, QString::number(bytes->size()), QString::number(capacity - 1)));
    }
    return bytes;
}

Result<std::string> studentNameText(const QString& typed) {
    const QString name = trimmedText(typed);
    if (name.isEmpty()) return fail(Validators::tr("Invalid Student Name!"));
    if (name.contains(QLatin1Char('~'))) {
        return fail(Validators::tr("A student's name cannot contain \"~\": \"%1\".").arg(name));
    }
    return fieldText(name, capacity::kStudentName, Validators::tr("name"));
}

Result<std::string> multiLineText(const QString& typed, int maxBytes, const QString& label, bool trim) {
    Result<std::string> bytes = storable(withCrLf(trim ? trimmedText(typed) : typed), label, true);
    if (!bytes) return bytes;
    if (static_cast<int>(bytes->size()) > maxBytes) {
        return fail(Validators::tr("The %1 is %2 characters long (a line break counts as two); it can hold at "
                                   "most %3. Please shorten it.")
                        .arg(label, QString::number(bytes->size()), QString::number(maxBytes)));
    }
    return bytes;
}

bool sameStudentName(std::string_view a, std::string_view b) {
    if (a == b) return true;
    return foldedStudentName(a) == foldedStudentName(b);
}

QString foldedStudentName(std::string_view name) {
    return cp1252::toUnicode(name).toCaseFolded();
}

}  // namespace markwell
