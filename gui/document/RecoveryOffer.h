// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Document.h"
#include "core/document/RecoveryCopy.h"

#include <QString>

#include <optional>

class QWidget;

namespace markwell {

class ScaleStore;
class UserDialogs;

enum class RecoveryAnswer { Recover, Discard, DecideLater };

// The question about a copy left behind: Recover the unsaved changes to
// "period1.grs" from 14:32? (the day too when it is not today).
QString recoveryQuestion(const RecoveryCopy& copy);

// Offers the recovery copies left behind, newest first: Recover reads the
// copy and gives it back as the class with its changes unsaved (the other
// copies then wait for the next start); Discard removes the copy; Decide
// later keeps it for the next start. `answer`, when given, answers every
// question without asking.
std::optional<Document> offerRecoveryCopies(UserDialogs& dialogs, QWidget* parent, const ScaleStore& store,
                                            std::optional<RecoveryAnswer> answer = std::nullopt);

// "recover", "discard" or "later": an answer given from outside the window.
std::optional<RecoveryAnswer> recoveryAnswerNamed(const QString& name);

}  // namespace markwell
