// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/seating/ModifySeatDialog.h"

#include "core/common/Cp1252.h"
#include "core/data/Seats.h"
#include "core/seating/SeatGeometry.h"
#include "gui/shared/HelpTopics.h"
#include "gui/shared/StoredFont.h"
#include "gui/shared/UserDialogs.h"
#include "render/seating/SeatPainter.h"
#include "render/style/CellStyle.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace markwell {

// The example seat: the chosen look at the size of a new seat.
class SeatExample : public QWidget {
public:
    static constexpr QSize kSize = kNewSeatSize;

    explicit SeatExample(QWidget* parent = nullptr) : QWidget(parent) {
        setObjectName(QStringLiteral("seatExample"));
        setFixedSize(kSize);
    }
    void showLook(const SeatingInfo& look) {
        look_ = look;
        look_.width = kSize.width();
        look_.height = kSize.height();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paintSeat(painter, look_, studentSeatEndColour());
    }

private:
    SeatingInfo look_;
};

ModifySeatDialog::ModifySeatDialog(const std::vector<StudentInfo>& students, const std::optional<SeatingInfo>& seat,
                                   UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), seat_(seat.value_or(newSeatLook())), names_(new QComboBox),
      fontButton_(new QPushButton(tr("&Font"))), fillButton_(new QPushButton(tr("Fill &Color"))),
      example_(new SeatExample) {
    setWindowTitle(tr("Modify Seating Chart"));
    setHelpTopic(this, HelpTopic::SeatDialog);
    names_->setObjectName(QStringLiteral("seatNames"));
    fontButton_->setObjectName(QStringLiteral("seatFont"));
    fillButton_->setObjectName(QStringLiteral("seatFillColour"));
    fillButton_->setAccessibleDescription(tr("The colour the seat is filled with: opens a choice of colours."));

    for (const StudentInfo& student : students) captions_.push_back(student.name);
    // A caption that is no student's name is offered first and kept.
    const bool editing = seat.has_value();
    if (editing && std::find(captions_.begin(), captions_.end(), seat_.name) == captions_.end()) {
        captions_.insert(captions_.begin(), seat_.name);
    }
    for (const std::string& caption : captions_) names_->addItem(cp1252::toUnicode(caption));
    const auto chosen = std::find(captions_.begin(), captions_.end(), seat_.name);
    names_->setCurrentIndex(editing && chosen != captions_.end() ? static_cast<int>(chosen - captions_.begin()) : 0);
    takeName(names_->currentIndex());

    auto* form = new QFormLayout;
    form->addRow(tr("&Name"), names_);
    auto* buttonsRow = new QHBoxLayout;
    buttonsRow->addWidget(fontButton_);
    buttonsRow->addWidget(fillButton_);
    buttonsRow->addStretch();
    form->addRow(QString(), buttonsRow);

    auto* exampleBox = new QGroupBox(tr("Example"));
    auto* exampleLayout = new QHBoxLayout(exampleBox);
    exampleLayout->addStretch();
    exampleLayout->addWidget(example_);
    exampleLayout->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!captions_.empty());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(exampleBox);
    layout->addWidget(buttons);

    connect(names_, &QComboBox::currentIndexChanged, this, &ModifySeatDialog::takeName);
    connect(fontButton_, &QPushButton::clicked, this, &ModifySeatDialog::chooseFont);
    connect(fillButton_, &QPushButton::clicked, this, &ModifySeatDialog::chooseFillColour);
    example_->showLook(seat_);
}

ModifySeatDialog::~ModifySeatDialog() = default;

void ModifySeatDialog::takeName(int index) {
    if (index < 0 || index >= static_cast<int>(captions_.size())) return;
    seat_.name = captions_[static_cast<std::size_t>(index)];
    example_->showLook(seat_);
}

void ModifySeatDialog::chooseFont() {
    const StoredFont current{seat_.font_name, seat_.font_size, seat_.font_color, seat_.font_style};
    const std::optional<StoredFont> font =
        askStoredFont(dialogs_, this, current, capacity::kSeatFontName,
                      tr("The font \"%1\" cannot be kept in the seating file: its name is too long or holds a "
                         "character the file cannot store. Please choose another."));
    if (!font) return;
    seat_.font_name = font->face;
    seat_.font_size = font->pointSize;
    seat_.font_color = font->colour;
    seat_.font_style = font->style;
    example_->showLook(seat_);
}

void ModifySeatDialog::chooseFillColour() {
    const std::optional<QColor> chosen = dialogs_.chooseColour(this, toQColor(seat_.color), tr("Fill Color"));
    if (!chosen) return;
    seat_.color = toPlatformColour(*chosen);
    example_->showLook(seat_);
}

void ModifySeatDialog::accept() {
    if (isTeacherCaption(seat_.name)) {
        dialogs_.warn(this, tr("A seat cannot be called \"%1\": the seating file keeps that name for the teacher's "
                               "desk, so the seat would become the teacher's desk when the class is opened again. "
                               "Please choose another name.")
                                .arg(cp1252::toUnicode(seat_.name)));
        return;
    }
    QDialog::accept();
}

}  // namespace markwell
