// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"

#include <QString>

#include <string>
#include <string_view>

namespace markwell {

// The checks every editor of the class shares: the dialogs, the grades page
// and markwell-cli store nothing these refuse. Each gives the text as the
// class keeps it (Windows-1252 bytes) or a message for the teacher.

// The most characters a points text or a total may have.
inline constexpr int kPointsTextLength = 15;
// The most bytes a comment may have once its line breaks are CR LF.
inline constexpr int kCommentLength = 999;

// Text without leading and trailing blanks and control characters.
QString trimmedText(const QString& text);

// Line breaks as the class files keep them (CR LF) and as a text box shows
// them (LF).
QString withCrLf(const QString& text);
QString withLf(const QString& text);

// Points as typed: after trimming, nothing is 0 points, exactly "-" is the
// does-not-count mark, and anything else must be a plain decimal (digits with
// at most one ".", at most 15 characters), kept as typed. "12-", "1e5", "-5"
// and words are refused.
Result<std::string> pointsText(const QString& typed);

// The message for text that is not points.
QString notPointsMessage(const QString& text);

// An assignment's possible points as typed: as points, but without the
// does-not-count mark. Nothing is 0.
Result<double> totalValue(const QString& typed);

// A text field of `capacity` bytes on disk (terminator included): trimmed,
// every character storable, and short enough. `label` names the field in the
// message ("city").
Result<std::string> fieldText(const QString& typed, int capacity, const QString& label);

// A student's name: trimmed, not empty ("Invalid Student Name!"), without
// "~" (which ends the name in a point entry), storable and short enough.
Result<std::string> studentNameText(const QString& typed);

// A multi-line text (a comment, a description) as typed in a text box:
// line breaks become CR LF; storable; at most `maxBytes` bytes, or a message
// that gives the count. Blanks at its ends are kept when `trim` is false.
Result<std::string> multiLineText(const QString& typed, int maxBytes, const QString& label, bool trim);

// Whether two student names are the same name, letter case ignored (as the
// attendance file matches them).
bool sameStudentName(std::string_view a, std::string_view b);
// The form of a name that sameStudentName compares: two names are the same
// student's when these are equal.
QString foldedStudentName(std::string_view name);

}  // namespace markwell
