// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/document/RecoveryOffer.h"

#include "gui/shared/Translations.h"
#include "gui/shared/UserDialogs.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>

namespace markwell {
namespace {

struct RecoveryOffer {
    Q_DECLARE_TR_FUNCTIONS(RecoveryOffer)
};

QString whenMade(const QDateTime& madeAt) {
    const QDateTime local = madeAt.toLocalTime();
    QString time = local.toString(QStringLiteral("HH:mm"));
    if (local.date() == QDate::currentDate()) return time;
    return windowLocale().toString(local.date(), QLocale::ShortFormat) + u' ' + time;
}

RecoveryAnswer ask(UserDialogs& dialogs, QWidget* parent, const RecoveryCopy& copy) {
    const QStringList buttons{RecoveryOffer::tr("&Recover"), RecoveryOffer::tr("&Discard"),
                              RecoveryOffer::tr("Decide &later")};
    switch (dialogs.askChoice(parent, recoveryQuestion(copy), buttons)) {
    case 0: return RecoveryAnswer::Recover;
    case 1: return RecoveryAnswer::Discard;
    default: return RecoveryAnswer::DecideLater;
    }
}

}  // namespace

QString recoveryQuestion(const RecoveryCopy& copy) {
    return RecoveryOffer::tr("Recover the unsaved changes to \"%1\" from %2?")
        .arg(QFileInfo(copy.classPath).fileName(), whenMade(copy.madeAt));
}

std::optional<Document> offerRecoveryCopies(UserDialogs& dialogs, QWidget* parent, const ScaleStore& store,
                                            std::optional<RecoveryAnswer> answer) {
    for (const RecoveryCopy& copy : findLeftRecoveryCopies()) {
        switch (answer ? *answer : ask(dialogs, parent, copy)) {
        case RecoveryAnswer::Recover: {
            Result<Document> recovered = readRecoveryCopy(copy, store);
            if (recovered) return std::move(recovered).value();
            // The copy stays: Discard at the next start lets it go.
            dialogs.warn(parent, recovered.message());
            break;
        }
        case RecoveryAnswer::Discard: discardRecoveryCopy(copy); break;
        case RecoveryAnswer::DecideLater: break;
        }
    }
    return std::nullopt;
}

std::optional<RecoveryAnswer> recoveryAnswerNamed(const QString& name) {
    if (name == QLatin1String("recover")) return RecoveryAnswer::Recover;
    if (name == QLatin1String("discard")) return RecoveryAnswer::Discard;
    if (name == QLatin1String("later")) return RecoveryAnswer::DecideLater;
    return std::nullopt;
}

}  // namespace markwell
