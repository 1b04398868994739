// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/rules/WeightsDialog.h"

#include "core/editing/GradingRules.h"
#include "gui/shared/HelpTopics.h"
#include "gui/shared/UserDialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace markwell {
namespace {

// A percentage box in which typing more than 100 is brought back to 100,
// rather than the last digit being silently refused.
class PercentBox : public QSpinBox {
public:
    QValidator::State validate(QString& text, int& pos) const override {
        const QValidator::State state = QSpinBox::validate(text, pos);
        if (state == QValidator::Invalid && isWholeNumber(text)) return QValidator::Intermediate;
        return state;
    }
    void fixup(QString& text) const override {
        if (isWholeNumber(text) && text.toLongLong() > maximum()) text = QString::number(maximum());
        else QSpinBox::fixup(text);
    }

private:
    static bool isWholeNumber(const QString& text) {
        const QString digits = text.trimmed();
        return !digits.isEmpty() && digits.size() <= 9 &&
               std::all_of(digits.begin(), digits.end(), [](QChar ch) { return ch.isDigit() && ch.unicode() < 128; });
    }
};

}  // namespace

WeightsDialog::WeightsDialog(const WeightedGrades& current, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), use_(new QCheckBox(tr("&Use Weighted"))), total_(new QLabel) {
    setWindowTitle(tr("Weighted Grades"));
    setObjectName(QStringLiteral("weightsDialog"));
    setHelpTopic(this, HelpTopic::Weights);

    // The labels in the order of the types: Final, Test, Quiz, Homework, Lab, Other.
    const std::array<QString, 6> labels = {tr("&Final"),    tr("&Test"), tr("&Quiz"),
                                           tr("&Homework"), tr("&Lab"),  tr("&Other")};
    auto* group = new QGroupBox(tr("Percentages"));
    auto* form = new QFormLayout(group);
    for (int type = 0; type < 6; ++type) {
        auto* box = new PercentBox;
        box->setObjectName(QStringLiteral("weight%1").arg(type));
        box->setRange(0, kMaxWeight);
        box->setSingleStep(5);
        box->setValue(std::clamp(current.weight(type), 0, kMaxWeight));
        box->setAccelerated(true);
        connect(box, &QSpinBox::valueChanged, this, &WeightsDialog::showTotal);
        weightBoxes_[static_cast<std::size_t>(type)] = box;
        form->addRow(labels[static_cast<std::size_t>(type)], box);
    }
    total_->setObjectName(QStringLiteral("weightTotal"));
    form->addRow(tr("Total:"), total_);
    use_->setObjectName(QStringLiteral("useWeighted"));
    use_->setChecked(current.enabled);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(use_);
    layout->addWidget(buttons);
    showTotal();
}

WeightedGrades WeightsDialog::weights() const {
    WeightedGrades w;
    for (int type = 0; type < 6; ++type) w.setWeight(type, weightBox(type)->value());
    w.enabled = use_->isChecked();
    return w;
}

void WeightsDialog::showTotal() {
    total_->setText(tr("%1%").arg(weightSum(weights())));
}

void WeightsDialog::accept() {
    // A number still being typed counts as typed.
    for (QSpinBox* box : weightBoxes_) box->interpretText();
    // The shares make 100 even while they are not used, so they are ready when they are.
    if (weightSum(weights()) != 100) {
        dialogs_.inform(this, tr("Percentage values do not equal to 100%"));
        weightBoxes_.front()->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace markwell
