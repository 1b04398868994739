// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Any sequence of the chart's commands, the seats replaced in between as
// opening another class does, keeps the current seat pointing at a seat of
// the class or at none, and keeps every seat the teacher moves or sizes
// within the chart and no smaller than the minimum. Every change undoes to
// the class as it was before it and redoes to the class as it left it.

#include "fuzz/FuzzCheck.h"

#include "core/seating/SeatingEditor.h"

#include <cstddef>
#include <cstdint>
#include <limits>

namespace {

using namespace markwell;

// Reads the input a byte at a time; zeros once it is used up.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool more() const { return at_ < size_; }
    std::uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }
    int coordinate() { return (next() << 4) - 1500; }  // -1500 .. 2580
    // What a damaged file may hold: the coordinates above, or either end of the range.
    std::int32_t stored() {
        const std::uint8_t b = next();
        if (b == 255) return std::numeric_limits<std::int32_t>::max();
        if (b == 254) return std::numeric_limits<std::int32_t>::min();
        return (b << 4) - 1500;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

SeatingInfo lookFrom(Bytes& in) {
    static const char* const kCaptions[] = {"Ann", "Teacher", "teacher", "", "Bo"};
    SeatingInfo look = newSeatLook();
    look.name = kCaptions[in.next() % 5];
    look.color = in.next() * 0x010101;
    return look;
}

SeatId seatFrom(Bytes& in) {
    const std::uint8_t b = in.next();
    return b == 0 ? SeatId::teacher() : SeatId::student(b % 16);
}

std::vector<SeatingInfo> seatsFrom(Bytes& in) {
    std::vector<SeatingInfo> seats(in.next() % 6);
    for (SeatingInfo& seat : seats) {
        seat.name = "Cy";
        seat.left = in.stored();
        seat.Top = in.stored();
        seat.width = in.stored();
        seat.height = in.stored();
    }
    return seats;
}

// A seat the teacher has just moved: within the chart.
void checkMoved(const Document& document, SeatId id) {
    const SeatingInfo* seat = seatAt(document.classRecord, id);
    FUZZ_CHECK(seat && seat->left >= 0 && seat->Top >= 0);
}

// A seat the teacher has just sized by a handle: the edges it moved within
// the chart, and no narrower or lower than the minimum along them.
void checkSized(const Document& document, SeatId id, SeatHandle handle) {
    const SeatingInfo* seat = seatAt(document.classRecord, id);
    FUZZ_CHECK(seat);
    const HandleEdges edges = edgesOf(handle);
    if (edges.left) FUZZ_CHECK(seat->left >= 0);
    if (edges.top) FUZZ_CHECK(seat->Top >= 0);
    if (edges.left || edges.right) FUZZ_CHECK(seat->width >= kMinimumSeatSize);
    if (edges.top || edges.bottom) FUZZ_CHECK(seat->height >= kMinimumSeatSize);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    Document document;
    int changes = 0;
    SeatingEditor editor(document, [&document, &changes](const Change& change) -> Result<void> {
        const ClassRecord before = document.classRecord;
        Result<ChangeMade> made = change.applyTo(document);
        if (!made) return fail(made.message());
        if (!made->step) {
            FUZZ_CHECK(document.classRecord == before);
            return {};
        }
        ++changes;
        const ClassRecord after = document.classRecord;
        made->step->undo(document);
        FUZZ_CHECK(document.classRecord == before);
        made->step->redo(document);
        FUZZ_CHECK(document.classRecord == after);
        return {};
    });
    while (in.more()) {
        const std::size_t before = document.classRecord.Seats.size();
        const int changesBefore = changes;
        bool changed = false;
        switch (in.next() % 9) {
        case 0: {
            const SeatingInfo look = lookFrom(in);
            const std::optional<SeatId> added = editor.add(look, in.coordinate());
            changed = added.has_value();
            FUZZ_CHECK(changed == !isTeacherCaption(look.name));
            if (added) FUZZ_CHECK(editor.current() == added && seatAt(document.classRecord, *added)->name == look.name);
            if (added) FUZZ_CHECK(seatRect(*seatAt(document.classRecord, *added)).size() == kNewSeatSize);
            break;
        }
        case 1: editor.select(seatFrom(in)); break;
        case 2: changed = editor.editCurrent(lookFrom(in)); break;
        case 3: {
            const bool yes = in.next() & 1;
            changed = editor.deleteCurrent([yes] { return yes; });
            if (changed) FUZZ_CHECK(!editor.current() && document.classRecord.Seats.size() == before - 1);
            break;
        }
        case 4: {
            const SeatId id = seatFrom(in);
            changed = editor.move(id, QPoint(in.coordinate(), in.coordinate()));
            if (changed) checkMoved(document, id);
            break;
        }
        case 5: {
            const SeatId id = seatFrom(in);
            const SeatHandle handle = kSeatHandles[in.next() % kSeatHandles.size()];
            changed = editor.resize(id, handle, QPoint(in.coordinate(), in.coordinate()));
            if (changed) checkSized(document, id, handle);
            break;
        }
        case 6: {
            const int dx = static_cast<std::int8_t>(in.next());
            const int dy = static_cast<std::int8_t>(in.next());
            changed = editor.nudgeCurrent(dx, dy);
            if (changed) {
                FUZZ_CHECK(editor.current());
                checkMoved(document, *editor.current());
            }
            break;
        }
        case 7: {
            // Another class is opened: its seats take the place of these.
            document.classRecord.Seats = seatsFrom(in);
            if (in.next() & 1) editor.clearCurrent();
            break;
        }
        default: editor.clearCurrent(); break;
        }
        FUZZ_CHECK(changes == changesBefore + (changed ? 1 : 0));
        if (const std::optional<SeatId> current = editor.current()) {
            FUZZ_CHECK(seatAt(document.classRecord, *current) != nullptr);
        }
        FUZZ_CHECK(document.classRecord.teacherSeat.name == kTeacherSeatName);
        for (const SeatingInfo& seat : document.classRecord.Seats) FUZZ_CHECK(!isTeacherCaption(seat.name));
    }
    return 0;
}
