// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/data/Tables.h"

#include <QCoreApplication>

namespace markwell {
namespace {

// The six names for the translators; the class keeps kAssignmentTypes.
constexpr std::array<const char*, kAssignmentTypeCount> kTypeLabels = {
    QT_TRANSLATE_NOOP("AssignmentTypes", "Final"), QT_TRANSLATE_NOOP("AssignmentTypes", "Test"),
    QT_TRANSLATE_NOOP("AssignmentTypes", "Quiz"),  QT_TRANSLATE_NOOP("AssignmentTypes", "Homework"),
    QT_TRANSLATE_NOOP("AssignmentTypes", "Lab"),   QT_TRANSLATE_NOOP("AssignmentTypes", "Other")};

}  // namespace

int assignmentTypeIndex(std::string_view typeName) {
    for (int i = 0; i < kAssignmentTypeCount; ++i) {
        if (kAssignmentTypes[static_cast<std::size_t>(i)] == typeName) return i;
    }
    return -1;
}

int assignmentTypeIndexTyped(const QString& typed) {
    for (int i = 0; i < kAssignmentTypeCount; ++i) {
        if (typed.compare(assignmentTypeName(i), Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

QString assignmentTypeName(int typeIndex) {
    const std::string_view name = kAssignmentTypes[static_cast<std::size_t>(typeIndex)];
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QString assignmentTypeLabel(int typeIndex) {
    return QCoreApplication::translate("AssignmentTypes", kTypeLabels[static_cast<std::size_t>(typeIndex)]);
}

std::span<const std::string_view> scaleLetters(std::uint8_t scaleType) {
    switch (static_cast<ScaleKind>(scaleType)) {
    case ScaleKind::Expanded: return kExpandedScaleLetter;
    case ScaleKind::PassFail: return kPassFailScaleLetter;
    case ScaleKind::Standard:
    default: return kStandardScaleLetter;
    }
}

std::span<const ScaleBounds> scaleDefaultBounds(std::uint8_t scaleType) {
    switch (static_cast<ScaleKind>(scaleType)) {
    case ScaleKind::Expanded: return kExpandedScaleNum;
    case ScaleKind::PassFail: return kPassFailScaleNum;
    case ScaleKind::Standard:
    default: return kStandardScaleNum;
    }
}

}  // namespace markwell
