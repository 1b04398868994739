// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/sheet/Sheet.h"

#include "core/common/NumberText.h"
#include "core/common/ReadingOrder.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace markwell {
namespace {

// How a cell takes part in a sort. Blank cells and the does-not-count mark
// always go last; the other groups are reversed for a descending key.
enum class Group : std::uint8_t { Ranked = 0, Number = 1, Text = 2, Blank = 3 };

struct KeyValue {
    Group group = Group::Blank;
    double number = 0;                     // rank position or numeric value
    std::optional<QCollatorSortKey> text;  // a text in reading order
};

std::optional<double> numberOrPercent(const QString& text) {
    QString t = text.trimmed();
    if (t.endsWith(QLatin1Char('%'))) t.chop(1);
    return parseNumber(t);
}

KeyValue keyValue(const Sheet& sheet, int row, int col, const SortKey& key, const QCollator& reading) {
    KeyValue v;
    if (sheet.kind(row, col) == CellKind::Number) {
        v.group = Group::Number;
        v.number = sheet.number(row, col);
        return v;
    }
    const QString text = sheet.text(row, col);
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed == QLatin1String("-")) return v;
    const auto rank = std::find(key.rankOrder.begin(), key.rankOrder.end(), text);
    if (rank != key.rankOrder.end()) {
        v.group = Group::Ranked;
        v.number = static_cast<double>(rank - key.rankOrder.begin());
    } else if (auto n = numberOrPercent(text)) {
        v.group = Group::Number;
        v.number = *n;
    } else {
        v.group = Group::Text;
        v.text = reading.sortKey(text);
    }
    return v;
}

// <0, 0, >0 in ascending order.
int compareAscending(const KeyValue& a, const KeyValue& b) {
    if (a.group != b.group) return a.group < b.group ? -1 : 1;
    switch (a.group) {
    case Group::Ranked:
    case Group::Number: return a.number < b.number ? -1 : (b.number < a.number ? 1 : 0);
    case Group::Text: return a.text->compare(*b.text);
    case Group::Blank: return 0;
    }
    return 0;
}

int compareKey(const KeyValue& a, const KeyValue& b, bool descending) {
    if (a.group == Group::Blank || b.group == Group::Blank) {
        return static_cast<int>(a.group == Group::Blank) - static_cast<int>(b.group == Group::Blank);
    }
    const int c = compareAscending(a, b);
    return descending ? -c : c;
}

}  // namespace

bool Sheet::sort3(const CellRange& range, const SortKey& key1, const SortKey& key2, const SortKey& key3) {
    const CellRange r = resolve(range);
    if (r.r1 > r.r2 || r.c1 > r.c2) return false;

    std::vector<const SortKey*> keys;
    for (const SortKey* key : {&key1, &key2, &key3}) {
        const int col = std::abs(key->column);
        if (key->column != 0 && col >= r.c1 && col <= r.c2) keys.push_back(key);
    }
    if (keys.empty()) return false;

    const int count = r.r2 - r.r1 + 1;
    // One collator and one key per text: comparing keys is far quicker than
    // comparing the texts again at every step of the sort.
    const QCollator reading = readingOrder();
    std::vector<std::vector<KeyValue>> values(keys.size(), std::vector<KeyValue>(static_cast<std::size_t>(count)));
    for (std::size_t k = 0; k < keys.size(); ++k) {
        for (int i = 0; i < count; ++i) {
            values[k][static_cast<std::size_t>(i)] =
                keyValue(*this, r.r1 + i, std::abs(keys[k]->column), *keys[k], reading);
        }
    }

    std::vector<int> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        for (std::size_t k = 0; k < keys.size(); ++k) {
            const int c = compareKey(values[k][static_cast<std::size_t>(a)], values[k][static_cast<std::size_t>(b)],
                                     keys[k]->column < 0);
            if (c != 0) return c < 0;
        }
        return false;
    });

    // Move the cells of columns c1..c2 of every row into the new order.
    std::vector<std::vector<Cell>> moved(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        auto& cells = moved[static_cast<std::size_t>(i)];
        cells.reserve(static_cast<std::size_t>(r.c2 - r.c1 + 1));
        for (int col = r.c1; col <= r.c2; ++col)
            cells.push_back(std::move(at(r.r1 + order[static_cast<std::size_t>(i)], col)));
    }
    for (int i = 0; i < count; ++i) {
        for (int col = r.c1; col <= r.c2; ++col) {
            at(r.r1 + i, col) = std::move(moved[static_cast<std::size_t>(i)][static_cast<std::size_t>(col - r.c1)]);
        }
    }
    return true;
}

}  // namespace markwell
