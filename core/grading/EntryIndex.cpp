#include "grading/EntryIndex.h"

#include "common/Cp1252.h"
#include "common/NumberText.h"
#include "data/PointEntry.h"

namespace markwell {

Points readPoints(std::string_view pointsText) {
    if (pointsText == kNotCounted) return {PointsKind::NotCounted, 0};
    if (const auto value = parseNumber(pointsText)) return {PointsKind::Number, *value};
    return {PointsKind::Unreadable, 0};
}

EntryIndex::EntryIndex(const Sheet& sheet, const ClassRecord& cls) : layout_(GradesLayout::of(sheet)) {
    const int rows = layout_.studentRowCount();
    names_.resize(static_cast<std::size_t>(rows));
    firstRow_.resize(static_cast<std::size_t>(rows));
    rowOfName_.reserve(static_cast<std::size_t>(rows));
    for (int i = 0; i < rows; ++i) {
        const int row = GradesLayout::kFirstStudentRow + i;
        auto bytes = cp1252::fromUnicode(sheet.text(row, GradesLayout::kNameCol));
        const auto index = static_cast<std::size_t>(i);
        // A name that cannot be stored in a class file belongs to no entry.
        firstRow_[index] = bytes ? row : 0;
        if (!bytes) continue;
        names_[index] = std::move(bytes.value());
        auto [it, added] = rowOfName_.emplace(names_[index], row);
        firstRow_[index] = it->second;
    }

    // One pass over the point lists reads every entry; a second places them
    // grouped by row, each group in walking order.
    struct Found {
        int row;
        RowEntry entry;
    };
    std::vector<Found> found;
    std::size_t total = 0;
    for (const AssignmentInfo& a : cls.assignments) total += a.namegrade.size();
    found.reserve(total);
    std::vector<std::uint32_t> count(static_cast<std::size_t>(rows), 0);
    std::vector<int> guess;  // row of the entry at the same position in the previous list
    for (std::size_t i = 0; i < cls.assignments.size(); ++i) {
        const auto& list = cls.assignments[i].namegrade;
        if (guess.size() < list.size()) guess.resize(list.size(), 0);
        for (std::size_t j = 0; j < list.size(); ++j) {
            const PointEntry e = splitPointEntry(list[j]);
            const int row = e.hasSeparator ? matchRow(e.name, guess[j]) : 0;
            if (row <= 0) continue;
            ++count[static_cast<std::size_t>(slot(row))];
            found.push_back({row, RowEntry{static_cast<int>(i), static_cast<int>(j), readPoints(e.points)}});
        }
    }
    start_.assign(static_cast<std::size_t>(rows) + 1, 0);
    for (std::size_t i = 0; i < count.size(); ++i) start_[i + 1] = start_[i] + count[i];
    entries_.resize(found.size());
    std::vector<std::uint32_t> next(start_.begin(), start_.end() - 1);
    for (const Found& f : found) entries_[next[static_cast<std::size_t>(slot(f.row))]++] = f.entry;
}

// Lists are normally in class order, so the row found for the same position
// in the previous list is tried before the hash lookup. A guess is always a
// first row of its name, so a match is the row the lookup would give.
int EntryIndex::matchRow(std::string_view name, int& guess) const {
    if (guess > 0 && names_[static_cast<std::size_t>(slot(guess))] == name) return guess;
    const int row = rowOf(name);
    if (row > 0) guess = row;
    return row;
}

int EntryIndex::rowOf(std::string_view name) const {
    const auto it = rowOfName_.find(name);
    return it == rowOfName_.end() ? 0 : it->second;
}

int EntryIndex::firstRowOf(int row) const {
    return layout_.isStudentRow(row) ? firstRow_[static_cast<std::size_t>(slot(row))] : 0;
}

std::span<const RowEntry> EntryIndex::entries(int row) const {
    const int first = firstRowOf(row);
    if (first <= 0) return {};
    const auto s = static_cast<std::size_t>(slot(first));
    return std::span<const RowEntry>(entries_).subspan(start_[s], start_[s + 1] - start_[s]);
}

const std::string& EntryIndex::nameOf(int row) const {
    static const std::string kNone;
    if (!layout_.isStudentRow(row)) return kNone;
    return names_[static_cast<std::size_t>(slot(row))];
}

}  // namespace markwell
