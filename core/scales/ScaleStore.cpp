// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/scales/ScaleStore.h"

#include "core/common/Cp1252.h"
#include "core/data/Tables.h"

#include <QCoreApplication>

#include <algorithm>

namespace markwell {
namespace {

struct ScaleStoreText {
    Q_DECLARE_TR_FUNCTIONS(ScaleStore)
};

const QString kScaleGroup = QStringLiteral("Scale");
const QString kIsStandard = QStringLiteral("IsStandard");
const QString kIsPassFail = QStringLiteral("IsPassFail");

QString defaultName() {
    return QString::fromLatin1(kDefaultScaleName);
}

SettingsGroup groupOf(const QString& storedName) {
    return {kScaleGroup, storedName};
}

QString fromAscii(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// A letter's value as stored: "low,high".
QString storedBounds(const LetterRange& range) {
    return range.low + QLatin1Char(',') + range.high;
}

// The letter values of the built-in default scale, in letter order.
QStringList builtInDefaultValues() {
    QStringList values;
    for (const LetterRange& range : ScaleStore::builtInDefaultScale().ranges) values << storedBounds(range);
    return values;
}

}  // namespace

std::vector<LetterRange> defaultRanges(ScaleKind kind) {
    const auto type = static_cast<std::uint8_t>(kind);
    const auto letters = scaleLetters(type);
    const auto bounds = scaleDefaultBounds(type);
    std::vector<LetterRange> ranges;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        ranges.push_back({fromAscii(letters[i]), fromAscii(bounds[i].low), fromAscii(bounds[i].high)});
    }
    return ranges;
}

ScaleKind scaleKindFromFlags(std::optional<bool> isStandard, std::optional<bool> isPassFail) {
    if (isPassFail.value_or(false)) return ScaleKind::PassFail;
    return isStandard.value_or(false) ? ScaleKind::Standard : ScaleKind::Expanded;
}

QString ScaleStore::nameProblem(const QString& name) {
    if (name.trimmed().isEmpty()) return ScaleStoreText::tr("A grade scale needs a name.");
    if (name.contains(QLatin1Char('\\')) || name.contains(QLatin1Char('/'))) {
        return ScaleStoreText::tr("The grade scale name \u201c%1\u201d cannot contain \\ or /.").arg(name);
    }
    // A line break or tab would split the name in every list that shows it.
    if (std::any_of(name.cbegin(), name.cend(), [](QChar ch) { return ch.category() == QChar::Other_Control; })) {
        return ScaleStoreText::tr("A grade scale name cannot hold a line break, a tab or another control character.");
    }
    const Result<std::string> bytes = cp1252::fromUnicode(name);
    if (!bytes) return bytes.message();
    if (!fitsField(bytes.value(), capacity::kScaleName)) {
        return ScaleStoreText::tr("The grade scale name \u201c%1\u201d is too long: at most %2 characters fit.")
            .arg(name, QString::number(capacity::kScaleName - 1));
    }
    return {};
}

CurrentGradeScale builtInDefaultGradeScale() {
    return CurrentGradeScale{kDefaultScaleName, static_cast<std::uint8_t>(ScaleKind::Standard),
                             builtInDefaultValues().join(QLatin1Char(',')).toStdString()};
}

StoredScale ScaleStore::builtInDefaultScale() {
    return StoredScale{defaultName(), ScaleKind::Standard, defaultRanges(ScaleKind::Standard)};
}

std::optional<QString> ScaleStore::storedName(const QString& name) const {
    if (!nameProblem(name).isEmpty()) return std::nullopt;
    const QStringList names = settings_.childGroups({kScaleGroup});
    if (names.contains(name)) return name;
    for (const QString& stored : names) {
        if (stored.compare(name, Qt::CaseInsensitive) == 0) return stored;
    }
    return std::nullopt;
}

bool ScaleStore::contains(const QString& name) const {
    const std::optional<QString> stored = storedName(name);
    return stored && !settings_.valueNames(groupOf(*stored)).isEmpty();
}

QStringList ScaleStore::scaleNames() const {
    QStringList names = settings_.childGroups({kScaleGroup});
    std::stable_sort(names.begin(), names.end(),
                     [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

Result<void> ScaleStore::createDefaultScale() {
    if (contains(defaultName())) return {};
    const SettingsGroup group = groupOf(defaultName());
    settings_.removeGroup(group);
    settings_.writeBool(group, kIsStandard, true);
    for (const LetterRange& range : builtInDefaultScale().ranges)
        settings_.writeString(group, range.letter, storedBounds(range));
    return settings_.flush();
}

std::optional<ScaleStore::RawScale> ScaleStore::readRaw(const QString& name) const {
    const std::optional<QString> stored = storedName(name);
    const SettingsGroup group = stored ? groupOf(*stored) : SettingsGroup();
    if (!stored || settings_.valueNames(group).isEmpty()) {
        if (name.compare(defaultName(), Qt::CaseInsensitive) != 0) return std::nullopt;
        return RawScale{ScaleKind::Standard, builtInDefaultValues()};
    }
    RawScale raw{scaleKindFromFlags(settings_.readBool(group, kIsStandard), settings_.readBool(group, kIsPassFail)),
                 {}};
    for (std::string_view letter : scaleLetters(static_cast<std::uint8_t>(raw.kind))) {
        raw.values << settings_.readString(group, fromAscii(letter)).value_or(QString());
    }
    return raw;
}

std::optional<StoredScale> ScaleStore::readScale(const QString& name) const {
    const std::optional<RawScale> raw = readRaw(name);
    if (!raw) return std::nullopt;
    StoredScale scale{storedName(name).value_or(name), raw->kind, {}};
    const auto letters = scaleLetters(static_cast<std::uint8_t>(raw->kind));
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const QString& value = raw->values[static_cast<qsizetype>(i)];
        const qsizetype comma = value.indexOf(QLatin1Char(','));
        scale.ranges.push_back({fromAscii(letters[i]), comma < 0 ? value : value.left(comma),
                                comma < 0 ? QString() : value.mid(comma + 1)});
    }
    return scale;
}

std::optional<CurrentGradeScale> ScaleStore::scaleNamed(const QString& name) const {
    const std::optional<RawScale> raw = readRaw(name);
    if (!raw) return std::nullopt;
    const Result<std::string> values = cp1252::fromUnicode(raw->values.join(QLatin1Char(',')));
    CurrentGradeScale record;
    record.name = cp1252::fromUnicode(name).value();  // checked by storedName()
    record.scale_type = static_cast<std::uint8_t>(raw->kind);
    record.num_values = values ? values.value() : std::string();
    return record;
}

Result<void> ScaleStore::saveScale(const StoredScale& scale) {
    if (const QString problem = nameProblem(scale.name); !problem.isEmpty()) return fail(problem);
    for (const LetterRange& range : scale.ranges) {
        if (range.letter.isEmpty() || range.letter == kIsStandard || range.letter == kIsPassFail) {
            return fail(ScaleStoreText::tr("\u201c%1\u201d cannot be used as a letter grade.").arg(range.letter));
        }
    }
    if (const std::optional<QString> old = storedName(scale.name)) settings_.removeGroup(groupOf(*old));
    const SettingsGroup group = groupOf(scale.name);
    settings_.writeBool(group, kIsStandard, scale.kind == ScaleKind::Standard);
    settings_.writeBool(group, kIsPassFail, scale.kind == ScaleKind::PassFail);
    for (const LetterRange& range : scale.ranges) settings_.writeString(group, range.letter, storedBounds(range));
    return settings_.flush();
}

Result<void> ScaleStore::deleteScale(const QString& name) {
    if (const QString problem = nameProblem(name); !problem.isEmpty()) return fail(problem);
    if (name.compare(defaultName(), Qt::CaseInsensitive) == 0) {
        return fail(ScaleStoreText::tr("The default grade scale cannot be deleted."));
    }
    if (const std::optional<QString> stored = storedName(name)) settings_.removeGroup(groupOf(*stored));
    return settings_.flush();
}

}  // namespace markwell
