// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// scale list | show NAME | set NAME KIND BOUNDS | delete NAME: the grade
// scales of this computer's store, as the Grade Scale window keeps them.

#include "app/cli/ClassFiles.h"
#include "app/cli/Commands.h"
#include "app/cli/ScaleWords.h"

#include "core/data/Tables.h"
#include "core/scales/ScaleChecks.h"
#include "core/scales/ScaleStore.h"

namespace markwell::cli {
namespace {

// The letters of the kind, each with its bounds from the comma text
// "low,high,low,high,...", or why the text does not fit the kind.
Result<StoredScale> scaleFromBounds(const QString& name, ScaleKind kind, const QString& boundsText) {
    StoredScale scale{name, kind, defaultRanges(kind)};
    const QStringList bounds = boundsText.split(QLatin1Char(','));
    const auto expected = 2 * static_cast<qsizetype>(scale.ranges.size());
    if (bounds.size() != expected) {
        return fail(QStringLiteral("a %1 scale takes %2 bounds (Min % and Max % of each of its %3 letters), not %4")
                        .arg(kindWord(kind), QString::number(expected), QString::number(scale.ranges.size()),
                             QString::number(bounds.size())));
    }
    for (std::size_t i = 0; i < scale.ranges.size(); ++i) {
        const qsizetype low = 2 * static_cast<qsizetype>(i);
        scale.ranges[i].low = bounds[low].trimmed();
        scale.ranges[i].high = bounds[low + 1].trimmed();
    }
    // Checked as the window checks it before saving.
    if (Result<CurrentGradeScale> record = gradeScaleOf(scale); !record) return record.error();
    return scale;
}

int listScales(const ScaleStore& store, const Console& console) {
    for (const QString& name : store.scaleNames()) console.printLine(name);
    return kExitOk;
}

int showScale(const ScaleStore& store, const QString& name, const Console& console) {
    const std::optional<StoredScale> scale = store.readScale(name);
    if (!scale) {
        console.error(QStringLiteral("scale show: there is no grade scale named \u201c%1\u201d").arg(name));
        return kExitFailed;
    }
    console.printLine(kindWord(scale->kind));
    for (const LetterRange& range : scale->ranges) {
        console.printLine(range.letter + QLatin1Char('\t') + range.low + QLatin1Char('\t') + range.high);
    }
    return kExitOk;
}

int setScale(ScaleStore& store, const QStringList& args, const Console& console) {
    const std::optional<ScaleKind> kind = kindNamed(args[1]);
    if (!kind) {
        return console.usage(
            QStringLiteral("scale set: \"%1\" is not a kind of scale: expanded, standard or pass-fail").arg(args[1]));
    }
    const Result<QString> name = scaleNameFrom(args[0]);
    if (!name) {
        console.error(QStringLiteral("scale set: ") + name.message());
        return kExitFailed;
    }
    const Result<StoredScale> scale = scaleFromBounds(*name, *kind, args[2]);
    if (!scale) {
        console.error(QStringLiteral("scale set: ") + scale.message());
        return kExitFailed;
    }
    const bool replacing = store.contains(*name);
    if (const Result<void> saved = store.saveScale(*scale); !saved) {
        console.error(QStringLiteral("scale set: ") + saved.message());
        return kExitFailed;
    }
    const QString done = replacing ? QStringLiteral("Replaced the grade scale \u201c%1\u201d (%2, %3 letters).")
                                   : QStringLiteral("Saved the grade scale \u201c%1\u201d (%2, %3 letters).");
    console.printLine(done.arg(*name, kindWord(*kind), QString::number(scale->ranges.size())));
    return kExitOk;
}

int deleteScale(ScaleStore& store, const QString& name, const Console& console) {
    if (!store.contains(name)) {
        console.error(QStringLiteral("scale delete: there is no grade scale named \u201c%1\u201d").arg(name));
        return kExitFailed;
    }
    if (const Result<void> deleted = store.deleteScale(name); !deleted) {
        console.error(QStringLiteral("scale delete: ") + deleted.message());
        return kExitFailed;
    }
    console.printLine(QStringLiteral("Deleted the grade scale \u201c%1\u201d.").arg(name));
    return kExitOk;
}

int runScale(const CommandArguments& args, const Console& console) {
    const QString action = args.positional[0];
    const QStringList rest = args.positional.mid(1);
    const qsizetype needed = action == QLatin1String("list")                                        ? 0
                             : action == QLatin1String("show") || action == QLatin1String("delete") ? 1
                             : action == QLatin1String("set")                                       ? 3
                                                                                                    : -1;
    if (needed < 0) return console.usage(QStringLiteral("scale: give list, show, set or delete"));
    if (rest.size() != needed) {
        return console.usage(QStringLiteral("scale %1: takes %2 argument(s)").arg(action, QString::number(needed)));
    }

    const std::unique_ptr<UserScales> scales = openUserScales(console);
    ScaleStore& store = scales->store;
    if (action == QLatin1String("list")) return listScales(store, console);
    if (action == QLatin1String("show")) return showScale(store, rest[0], console);
    if (action == QLatin1String("set")) return setScale(store, rest, console);
    return deleteScale(store, rest[0], console);
}

constexpr const char* kScaleArguments[] = {"ACTION", "[NAME]", "[KIND]", "[BOUNDS]"};
constexpr Command kScale{.name = "scale",
                         .usage = "scale list | show NAME | set NAME expanded|standard|pass-fail BOUNDS | delete NAME",
                         .summary = "List, show, save or delete the grade scales of this computer "
                                    "(BOUNDS: \"90,100,80,89.9,...\").",
                         .run = runScale,
                         .arguments = kScaleArguments,
                         .place = 190};
const CommandRegistration kScaleListed{kScale};

}  // namespace

}  // namespace markwell::cli
