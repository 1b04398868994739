#include "data/Tables.h"

namespace markwell {

int assignmentTypeIndex(std::string_view typeName) {
    for (int i = 0; i < kAssignmentTypeCount; ++i) {
        if (kAssignmentTypes[static_cast<std::size_t>(i)] == typeName) return i;
    }
    return -1;
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
