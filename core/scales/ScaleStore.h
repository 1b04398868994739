// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/data/Records.h"
#include "core/settings/SettingsStore.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace markwell {

// One letter of a scale as the settings store keeps it: the letter exactly as
// in its letter table (spaces included) and the bounds as the user typed them.
struct LetterRange {
    QString letter;
    QString low;
    QString high;

    bool operator==(const LetterRange&) const = default;
};

// A named scale as stored: its kind and its letters in order.
struct StoredScale {
    QString name;
    ScaleKind kind = ScaleKind::Standard;
    std::vector<LetterRange> ranges;

    bool operator==(const StoredScale&) const = default;
};

// The named grade scales of this computer, shared by every class: one group
// per scale under "Scale", holding "IsStandard", "IsPassFail" and one text
// value "low,high" per letter. Scale names are matched without regard to
// letter case, as the names of a settings key are.
class ScaleStore {
public:
    explicit ScaleStore(SettingsStore& settings) : settings_(settings) {}

    // Creates "<Default>" (standard, A 90-100 ... F 0-59.9) when it is missing;
    // an existing default scale is never changed.
    Result<void> createDefaultScale();

    // The named scale as a class records it: the name as given, the kind and
    // `num_values` ("90,100,80,89.9,..."; a missing letter gives empty text).
    // No value when the store has no such scale (or the name is not a valid
    // scale name); "<Default>" always has one, the built-in scale standing in
    // for a missing one.
    std::optional<CurrentGradeScale> scaleNamed(const QString& name) const;

    // The names of all scales, sorted without regard to letter case.
    QStringList scaleNames() const;
    bool contains(const QString& name) const;

    // A scale with the letters of its kind in table order, for the scale
    // editor; each value is split at its first comma. No value when the store
    // has no such scale or it holds no values ("<Default>" as above).
    std::optional<StoredScale> readScale(const QString& name) const;

    // Replaces the scale of that name completely: its old values are gone.
    Result<void> saveScale(const StoredScale& scale);

    // "<Default>" cannot be deleted; deleting a missing scale is no error.
    Result<void> deleteScale(const QString& name);

    // Why a name cannot be a scale name, or an empty string: it must not be
    // empty, must not hold "\" or "/" (which would address a scale inside
    // another) and must fit a class file's scale name field.
    static QString nameProblem(const QString& name);

    // The built-in default scale, as createDefaultScale writes it.
    static StoredScale builtInDefaultScale();

private:
    // A scale's kind and its letter values as stored, in letter-table order.
    struct RawScale {
        ScaleKind kind;
        QStringList values;
    };
    std::optional<QString> storedName(const QString& name) const;
    std::optional<RawScale> readRaw(const QString& name) const;

    SettingsStore& settings_;
};

// The letters of a kind of scale in table order, with their default bounds:
// what choosing that kind in the scale editor shows.
std::vector<LetterRange> defaultRanges(ScaleKind kind);

// The built-in default scale as a class records it: "<Default>", standard,
// "90,100,80,89.9,70,79.9,60,69.9,0,59.9".
CurrentGradeScale builtInDefaultGradeScale();

// The kind a scale's two flags give: "IsPassFail" set wins, else "IsStandard".
ScaleKind scaleKindFromFlags(std::optional<bool> isStandard, std::optional<bool> isPassFail);

}  // namespace markwell
