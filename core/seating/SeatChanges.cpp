// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/seating/SeatChanges.h"

#include "core/files/FixedFields.h"
#include "core/seating/SeatGeometry.h"

#include <QCoreApplication>

#include <utility>

namespace markwell {
namespace {

struct SeatChanges {
    Q_DECLARE_TR_FUNCTIONS(SeatChanges)
};

// The seating file's own check, so that a seat kept here can be saved.
bool seatTextsFit(const SeatingInfo& seat) {
    return textFieldProblem(seat.name, capacity::kSeatName).isEmpty() &&
           textFieldProblem(seat.font_name, capacity::kSeatFontName).isEmpty();
}

// One seat as it was before the change and after it.
class SeatReplaced final : public ChangeStep {
public:
    SeatReplaced(SeatId id, SeatingInfo before, SeatingInfo after, bool nudge)
        : id_(id), before_(std::move(before)), after_(std::move(after)), nudge_(nudge) {}

    void undo(Document& document) override { *seatAt(document.classRecord, id_) = before_; }
    void redo(Document& document) override { *seatAt(document.classRecord, id_) = after_; }
    std::size_t heldBytes() const override { return sizeof(*this) + before_.name.capacity() + after_.name.capacity(); }

    bool absorb(const ChangeStep& later) override {
        const auto* next = dynamic_cast<const SeatReplaced*>(&later);
        // Only a nudge of the same seat that starts where this one ends.
        if (!nudge_ || !next || !next->nudge_ || next->id_ != id_ || !(next->before_ == after_)) return false;
        after_ = next->after_;
        return true;
    }

private:
    SeatId id_;
    SeatingInfo before_;
    SeatingInfo after_;
    bool nudge_;
};

// A student seat that is in the list after the change at `index` and not before
// it (added), or the other way round (deleted).
class SeatInList final : public ChangeStep {
public:
    SeatInList(std::size_t index, SeatingInfo seat, bool added)
        : index_(index), seat_(std::move(seat)), added_(added) {}

    void undo(Document& document) override { added_ ? remove(document) : insert(document); }
    void redo(Document& document) override { added_ ? insert(document) : remove(document); }
    std::size_t heldBytes() const override { return sizeof(*this) + seat_.name.capacity(); }

private:
    void insert(Document& document) const {
        auto& seats = document.classRecord.Seats;
        seats.insert(seats.begin() + static_cast<std::ptrdiff_t>(index_), seat_);
    }
    void remove(Document& document) const {
        auto& seats = document.classRecord.Seats;
        seats.erase(seats.begin() + static_cast<std::ptrdiff_t>(index_));
    }

    std::size_t index_;
    SeatingInfo seat_;
    bool added_;
};

Result<void> lookAccepted(const SeatingInfo& look) {
    if (isTeacherCaption(look.name)) {
        return fail(SeatChanges::tr("A student's seat cannot be captioned \"%1\": that caption is the teacher's.")
                        .arg(QString::fromLatin1(kTeacherSeatName)));
    }
    if (!seatTextsFit(look)) return fail(SeatChanges::tr("The seat's caption or font name is too long to be saved."));
    return {};
}

Result<ChangeMade> noSuchSeat() {
    return fail(SeatChanges::tr("That seat is no longer on the chart."));
}

// The seat `id` altered by `alter`; nothing to undo when it is as it was.
Change seatChange(QString name, SeatId id, std::function<void(SeatingInfo&)> alter, bool nudge = false) {
    return Change(std::move(name), [id, alter = std::move(alter), nudge](Document& document) -> Result<ChangeMade> {
        SeatingInfo* seat = seatAt(document.classRecord, id);
        if (!seat) return noSuchSeat();
        SeatingInfo after = *seat;
        alter(after);
        if (after == *seat) return ChangeMade{nullptr};
        auto step = std::make_unique<SeatReplaced>(id, *seat, after, nudge);
        *seat = std::move(after);
        return ChangeMade{std::move(step)};
    });
}

Change placeChange(QString name, SeatId id, QRect place, bool nudge = false) {
    return seatChange(
        std::move(name), id, [place](SeatingInfo& seat) { setSeatRect(seat, place); }, nudge);
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

Change addSeatChange(SeatingInfo seat) {
    return Change(SeatChanges::tr("Add Seat"), [seat = std::move(seat)](Document& document) -> Result<ChangeMade> {
        if (Result<void> accepted = lookAccepted(seat); !accepted) return fail(accepted.message());
        std::vector<SeatingInfo>& seats = document.classRecord.Seats;
        seats.push_back(seat);
        return ChangeMade{std::make_unique<SeatInList>(seats.size() - 1, seat, true)};
    });
}

Change editSeatChange(SeatId id, SeatingInfo look) {
    const Change edit =
        seatChange(SeatChanges::tr("Edit Seat"), id, [look](SeatingInfo& seat) { applySeatLook(seat, look); });
    return Change(edit.name(), [id, look = std::move(look), edit](Document& document) -> Result<ChangeMade> {
        if (id.isTeacher()) return fail(SeatChanges::tr("The teacher's seat cannot be edited."));
        if (Result<void> accepted = lookAccepted(look); !accepted) return fail(accepted.message());
        return edit.applyTo(document);
    });
}

Change deleteSeatChange(SeatId id) {
    return Change(SeatChanges::tr("Delete Seat"), [id](Document& document) -> Result<ChangeMade> {
        if (id.isTeacher()) return fail(SeatChanges::tr("The teacher's seat cannot be deleted."));
        std::vector<SeatingInfo>& seats = document.classRecord.Seats;
        if (id.index() >= seats.size()) return noSuchSeat();
        auto step = std::make_unique<SeatInList>(id.index(), seats[id.index()], false);
        seats.erase(seats.begin() + static_cast<std::ptrdiff_t>(id.index()));
        return ChangeMade{std::move(step)};
    });
}

Change moveSeatChange(SeatId id, QRect place) {
    return placeChange(SeatChanges::tr("Move Seat"), id, place);
}

Change resizeSeatChange(SeatId id, QRect place) {
    return placeChange(SeatChanges::tr("Resize Seat"), id, place);
}

Change nudgeSeatChange(SeatId id, QRect place) {
    return placeChange(SeatChanges::tr("Move Seat"), id, place, true);
}

}  // namespace markwell
