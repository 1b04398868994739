// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/shared/FontDialog.h"

#include "gui/shared/HelpTopics.h"
#include "render/style/CellStyle.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace markwell {
namespace {

QIcon swatch(const QColor& colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

}  // namespace

FontDialog::FontDialog(const UserDialogs::FontChoice& initial, QWidget* parent)
    : QDialog(parent), initialFamily_(initial.family), colour_(initial.colour), family_(new QFontComboBox),
      size_(new QComboBox), bold_(new QCheckBox(tr("&Bold"))), italic_(new QCheckBox(tr("&Italic"))),
      underline_(new QCheckBox(tr("&Underline"))), strikeOut_(new QCheckBox(tr("S&trikeout"))),
      colourButton_(new QPushButton(tr("C&olor..."))), sample_(new QLabel(QStringLiteral("AaBbYyZz 0123456789"))) {
    setWindowTitle(tr("Font"));
    setHelpTopic(this, HelpTopic::Font);

    family_->setCurrentFont(QFont(availableFamily(initial.family)));
    size_->setEditable(true);
    size_->setValidator(new QIntValidator(4, 72, size_));
    for (int size : {6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 24, 28, 36, 48, 72}) {
        size_->addItem(QString::number(size));
    }
    size_->setCurrentText(QString::number(initial.pointSize));
    // The boxes typed into inside the lists are not labelled as the lists are.
    family_->lineEdit()->setAccessibleName(tr("Font"));
    size_->lineEdit()->setAccessibleName(tr("Size"));
    colourButton_->setAccessibleDescription(tr("The colour of the text: opens a choice of colours."));
    bold_->setChecked(initial.bold);
    italic_->setChecked(initial.italic);
    underline_->setChecked(initial.underline);
    strikeOut_->setChecked(initial.strikeOut);
    colourButton_->setIcon(swatch(colour_));

    auto* form = new QFormLayout;
    form->addRow(tr("&Font:"), family_);
    const QString shownWith = availableFamily(initial.family);
    if (!initial.family.isEmpty() && shownWith != initial.family) {
        auto* note = new QLabel(tr("The class asks for \"%1\", which this computer lacks; it is shown "
                                   "with %2.")
                                    .arg(initial.family, shownWith));
        note->setWordWrap(true);
        note->setEnabled(false);  // drawn in the quieter colour of a remark
        form->addRow(QString(), note);
        connect(family_, &QFontComboBox::currentFontChanged, note, &QWidget::hide);
    }
    form->addRow(tr("&Size:"), size_);
    auto* styles = new QHBoxLayout;
    for (QCheckBox* box : {bold_, italic_, underline_, strikeOut_}) styles->addWidget(box);
    form->addRow(tr("Style:"), styles);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(colourButton_);
    colourRow->addStretch();
    form->addRow(tr("Color:"), colourRow);

    auto* sampleBox = new QGroupBox(tr("Sample"));
    auto* sampleLayout = new QVBoxLayout(sampleBox);
    sample_->setAlignment(Qt::AlignCenter);
    sample_->setMinimumHeight(60);
    sample_->setAutoFillBackground(true);
    sampleLayout->addWidget(sample_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(sampleBox);
    layout->addWidget(buttons);

    connect(family_, &QFontComboBox::currentFontChanged, this, [this] {
        familyChanged_ = true;
        updateSample();
    });
    connect(size_, &QComboBox::currentTextChanged, this, &FontDialog::updateSample);
    for (QCheckBox* box : {bold_, italic_, underline_, strikeOut_}) {
        connect(box, &QCheckBox::toggled, this, &FontDialog::updateSample);
    }
    connect(colourButton_, &QPushButton::clicked, this, &FontDialog::chooseColour);
    updateSample();
}

UserDialogs::FontChoice FontDialog::choice() const {
    UserDialogs::FontChoice c;
    // A face this desktop lacks is kept as the class names it unless another is chosen.
    c.family = familyChanged_ ? family_->currentFont().family() : initialFamily_;
    c.pointSize = std::max(4, size_->currentText().toInt());
    c.colour = colour_;
    c.bold = bold_->isChecked();
    c.italic = italic_->isChecked();
    c.underline = underline_->isChecked();
    c.strikeOut = strikeOut_->isChecked();
    return c;
}

void FontDialog::updateSample() {
    const UserDialogs::FontChoice c = choice();
    QFont font(availableFamily(c.family));
    font.setPointSize(c.pointSize);
    font.setBold(c.bold);
    font.setItalic(c.italic);
    font.setUnderline(c.underline);
    font.setStrikeOut(c.strikeOut);
    sample_->setFont(font);
    QPalette palette = sample_->palette();
    palette.setColor(QPalette::WindowText, colour_);
    palette.setColor(QPalette::Window, Qt::white);
    sample_->setPalette(palette);
}

void FontDialog::chooseColour() {
    const QColor picked = QColorDialog::getColor(colour_, this, tr("Font Color"));
    if (!picked.isValid()) return;
    colour_ = picked;
    colourButton_->setIcon(swatch(colour_));
    updateSample();
}

}  // namespace markwell
