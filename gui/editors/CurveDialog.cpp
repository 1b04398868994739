// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/editors/CurveDialog.h"

#include "core/common/Cp1252.h"
#include "core/common/NumberText.h"
#include "core/reports/CurvePreview.h"
#include "gui/shared/HelpTopics.h"
#include "gui/sheetview/SheetView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace markwell {
namespace {

// Points and percentages as a teacher types them, in the window's language.
QDoubleSpinBox* numberBox(const QString& objectName, double value, double minimum = -1e6) {
    auto* box = new QDoubleSpinBox;
    box->setObjectName(objectName);
    box->setRange(minimum, 1e6);
    box->setDecimals(2);
    box->setValue(value);
    box->setMinimumWidth(90);
    return box;
}

QLabel* textLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

CurveDialog::CurveDialog(const ClassRecord& cls, std::size_t assignment, QWidget* parent) : QDialog(parent), cls_(cls) {
    setWindowTitle(tr("Curve"));
    setObjectName(QStringLiteral("curveDialog"));
    setHelpTopic(this, HelpTopic::Curve);

    assignments_ = new QComboBox;
    assignments_->setObjectName(QStringLiteral("curveAssignments"));
    for (const AssignmentInfo& a : cls_.assignments) assignments_->addItem(cp1252::toUnicode(a.title));
    possible_ = new QLabel;
    auto* chosen = new QLabel(tr("&Assignment:"));
    chosen->setBuddy(assignments_);
    auto* top = new QHBoxLayout;
    top->addWidget(chosen);
    top->addWidget(assignments_, 1);
    top->addWidget(possible_);

    scoresView_ = new SheetView;
    scoresView_->setObjectName(QStringLiteral("curveScoresView"));
    scoresView_->setAccessibleName(tr("Old and new scores"));
    effectView_ = new SheetView;
    effectView_->setObjectName(QStringLiteral("curveEffectView"));
    effectView_->setAccessibleName(tr("The class before and after"));
    auto* previews = new QHBoxLayout;
    previews->addWidget(scoresView_, 3);
    previews->addWidget(effectView_, 2);

    message_ = new QLabel;
    message_->setObjectName(QStringLiteral("curveMessage"));
    message_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    // Alt+C is the cancel of every dialog of the program.
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("&Cancel"));
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(makeCurveChoices());
    layout->addWidget(makeOptions());
    layout->addLayout(previews, 1);
    layout->addWidget(message_);
    layout->addWidget(buttons);
    resize(720, 600);

    assignments_->setCurrentIndex(static_cast<int>(std::min(assignment, cls_.assignments.size() - 1)));
    connect(assignments_, &QComboBox::currentIndexChanged, this, &CurveDialog::assignmentChosen);
    for (QRadioButton* kind : {add_, top_, meanKind_, map_}) {
        connect(kind, &QRadioButton::toggled, this, &CurveDialog::showPreview);
    }
    for (QDoubleSpinBox* box : {points_, mean_, mapBoxes_[0], mapBoxes_[1], mapBoxes_[2], mapBoxes_[3]}) {
        connect(box, &QDoubleSpinBox::valueChanged, this, &CurveDialog::showPreview);
    }
    connect(rounding_, &QComboBox::currentIndexChanged, this, &CurveDialog::showPreview);
    connect(cap_, &QCheckBox::toggled, this, &CurveDialog::showPreview);
    assignmentChosen();
}

CurveDialog::~CurveDialog() {
    scoresView_->setSheet(nullptr);
    effectView_->setSheet(nullptr);
}

QWidget* CurveDialog::makeCurveChoices() {
    add_ = new QRadioButton(tr("A&dd"));
    top_ = new QRadioButton(tr("Scale so that the &highest score becomes the possible points"));
    meanKind_ = new QRadioButton(tr("Set the &mean to"));
    map_ = new QRadioButton(tr("Ma&p"));
    add_->setChecked(true);
    points_ = numberBox(QStringLiteral("curvePoints"), 5);
    points_->setAccessibleName(tr("Points to add"));
    mean_ = numberBox(QStringLiteral("curveMean"), 75, 0.01);
    mean_->setAccessibleName(tr("Mean in percent of the possible points"));
    // The teacher's example: 40 becomes 60 and 95 becomes 100.
    const double mapDefaults[4] = {40, 95, 60, 100};
    const char* mapNames[4] = {"curveMapLow", "curveMapHigh", "curveMapNewLow", "curveMapNewHigh"};
    const QString mapSpoken[4] = {tr("Low score"), tr("High score"), tr("New low score"), tr("New high score")};
    for (int i = 0; i < 4; ++i) {
        mapBoxes_[i] = numberBox(QString::fromLatin1(mapNames[i]), mapDefaults[i]);
        mapBoxes_[i]->setAccessibleName(mapSpoken[i]);
    }

    auto* grid = new QGridLayout;
    grid->addWidget(add_, 0, 0);
    grid->addWidget(points_, 0, 1);
    grid->addWidget(new QLabel(tr("points to every score")), 0, 2, 1, 5);
    grid->addWidget(top_, 1, 0, 1, 7);
    grid->addWidget(meanKind_, 2, 0);
    grid->addWidget(mean_, 2, 1);
    grid->addWidget(new QLabel(tr("% of the possible points")), 2, 2, 1, 5);
    grid->addWidget(map_, 3, 0);
    grid->addWidget(mapBoxes_[0], 3, 1);
    grid->addWidget(textLabel(tr("to")), 3, 2);
    grid->addWidget(mapBoxes_[2], 3, 3);
    grid->addWidget(textLabel(tr("and")), 3, 4);
    grid->addWidget(mapBoxes_[1], 3, 5);
    grid->addWidget(textLabel(tr("to")), 3, 6);
    grid->addWidget(mapBoxes_[3], 3, 7);
    grid->setColumnStretch(8, 1);
    auto* box = new QGroupBox(tr("Curve"));
    box->setLayout(grid);
    return box;
}

QWidget* CurveDialog::makeOptions() {
    rounding_ = new QComboBox;
    rounding_->setObjectName(QStringLiteral("curveRounding"));
    rounding_->addItem(tr("Not at all"), 0.0);
    rounding_->addItem(tr("To whole points"), 1.0);
    rounding_->addItem(tr("To half points"), 0.5);
    auto* rounded = new QLabel(tr("&Round:"));
    rounded->setBuddy(rounding_);
    cap_ = new QCheckBox(tr("Cap a&t the possible points"));
    cap_->setObjectName(QStringLiteral("curveCap"));
    auto* options = new QWidget;
    auto* row = new QHBoxLayout(options);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(rounded);
    row->addWidget(rounding_);
    row->addSpacing(24);
    row->addWidget(cap_);
    row->addStretch();
    return options;
}

std::size_t CurveDialog::assignment() const {
    return static_cast<std::size_t>(std::max(0, assignments_->currentIndex()));
}

QRadioButton* CurveDialog::kindButton(CurveKind kind) const {
    switch (kind) {
    case CurveKind::Add: return add_;
    case CurveKind::Top: return top_;
    case CurveKind::Mean: return meanKind_;
    case CurveKind::Map: return map_;
    }
    return add_;
}

QDoubleSpinBox* CurveDialog::mapBox(int index) const {
    return mapBoxes_[index];
}

QString CurveDialog::message() const {
    return message_->text();
}

CurveRule CurveDialog::rule() const {
    CurveRule rule;
    if (top_->isChecked()) rule.kind = CurveKind::Top;
    if (meanKind_->isChecked()) rule.kind = CurveKind::Mean;
    if (map_->isChecked()) rule.kind = CurveKind::Map;
    rule.points = points_->value();
    rule.meanPercent = mean_->value();
    rule.low = mapBoxes_[0]->value();
    rule.high = mapBoxes_[1]->value();
    rule.newLow = mapBoxes_[2]->value();
    rule.newHigh = mapBoxes_[3]->value();
    rule.step = rounding_->currentData().toDouble();
    rule.cap = cap_->isChecked();
    return rule;
}

void CurveDialog::assignmentChosen() {
    const double total = cls_.assignments[assignment()].total;
    possible_->setText(tr("Possible points: %1").arg(generalQText(total)));
    showPreview();
}

void CurveDialog::showPreview() {
    const Result<CurvePreview> preview = previewCurve(cls_, assignment(), rule());
    if (!preview) {
        scores_ = Sheet();
        effect_ = Sheet();
        message_->setText(preview.message());
    } else {
        scores_ = curvedScoresSheet(preview->column);
        effect_ = curveEffectSheet(cls_, *preview, assignment());
        message_->setText(tr("Scores that change: %1. Edit > Undo takes the curve back.")
                              .arg(QString::number(preview->column.changed)));
    }
    scoresView_->setSheet(&scores_);
    effectView_->setSheet(&effect_);
    ok_->setEnabled(preview.ok());
}

}  // namespace markwell
