#include "core/seating/SeatingEditor.h"

namespace markwell {
namespace {

bool lookAccepted(const SeatingInfo& look) {
    return !isTeacherCaption(look.name) && seatTextsFit(look);
}

}  // namespace

void applySeatLook(SeatingInfo& seat, const SeatingInfo& look) {
    seat.name = look.name;
    seat.font_style = look.font_style;
    seat.font_color = look.font_color;
    seat.font_size = look.font_size;
    seat.font_name = look.font_name;
    seat.color = look.color;
}

SeatingEditor::SeatingEditor(Document& document, std::function<void()> changed)
    : document_(document), changed_(std::move(changed)) {}

void SeatingEditor::changed() {
    if (changed_) changed_();
    else document_.modified = true;
}

std::optional<SeatId> SeatingEditor::current() const {
    if (!current_) return std::nullopt;
    const SeatingInfo* seat = seatAt(document_.classRecord, current_->id);
    // Another seat in its place is not the seat that was chosen.
    if (!seat || !(*seat == current_->seat)) return std::nullopt;
    return current_->id;
}

std::optional<SeatId> SeatingEditor::currentStudentSeat() const {
    const std::optional<SeatId> id = current();
    if (!id || id->isTeacher()) return std::nullopt;
    return id;
}

void SeatingEditor::choose(SeatId id) {
    const SeatingInfo* seat = seatAt(document_.classRecord, id);
    if (seat) current_ = Chosen{id, *seat};
    else current_.reset();
}

void SeatingEditor::select(SeatId id) {
    choose(id);
}

void SeatingEditor::clearCurrent() {
    current_.reset();
}

std::optional<SeatId> SeatingEditor::add(const SeatingInfo& look, int rowWidth) {
    if (!lookAccepted(look)) return std::nullopt;
    const ClassRecord& cls = document_.classRecord;
    std::vector<QRect> taken{seatRect(cls.teacherSeat)};
    for (const SeatingInfo& other : cls.Seats) taken.push_back(seatRect(other));
    SeatingInfo seat;
    applySeatLook(seat, look);
    setSeatRect(seat, firstFreeSeatPlace(taken, rowWidth));
    document_.classRecord.Seats.push_back(std::move(seat));
    const SeatId id = SeatId::student(document_.classRecord.Seats.size() - 1);
    choose(id);
    changed();
    return id;
}

bool SeatingEditor::editCurrent(const SeatingInfo& look) {
    const std::optional<SeatId> id = currentStudentSeat();
    if (!id || !lookAccepted(look)) return false;
    SeatingInfo& seat = *seatAt(document_.classRecord, *id);
    SeatingInfo edited = seat;
    applySeatLook(edited, look);
    if (edited == seat) return false;
    seat = std::move(edited);
    choose(*id);
    changed();
    return true;
}

bool SeatingEditor::deleteCurrent(const std::function<bool()>& confirmed) {
    const std::optional<SeatId> id = currentStudentSeat();
    if (!id || !confirmed()) return false;
    std::vector<SeatingInfo>& seats = document_.classRecord.Seats;
    seats.erase(seats.begin() + static_cast<std::ptrdiff_t>(id->index()));
    current_.reset();
    changed();
    return true;
}

bool SeatingEditor::place(SeatId id, const QRect& rect) {
    SeatingInfo* seat = seatAt(document_.classRecord, id);
    if (!seat) return false;
    const bool moved = seatRect(*seat) != rect;
    if (moved) setSeatRect(*seat, rect);
    choose(id);
    if (moved) changed();
    return moved;
}

bool SeatingEditor::move(SeatId id, const QPoint& centre) {
    const SeatingInfo* seat = seatAt(document_.classRecord, id);
    return seat && place(id, movedSeatRect(seatRect(*seat), centre));
}

bool SeatingEditor::nudgeCurrent(int dx, int dy) {
    const std::optional<SeatId> id = current();
    if (!id) return false;
    return place(*id, nudgedSeatRect(seatRect(*seatAt(document_.classRecord, *id)), dx, dy));
}

bool SeatingEditor::resize(SeatId id, SeatHandle handle, const QPoint& to) {
    const SeatingInfo* seat = seatAt(document_.classRecord, id);
    return seat && place(id, resizedSeatRect(seatRect(*seat), handle, to));
}

}  // namespace markwell
