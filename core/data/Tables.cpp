#include "core/data/Tables.h"

namespace markwell {

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
