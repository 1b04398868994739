// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/rules/DropRuleDialog.h"

#include "core/data/Tables.h"
#include "core/editing/GradingRules.h"
#include "gui/shared/HelpTopics.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace markwell {

DropRuleDialog::DropRuleDialog(const DropLowScoreInfo& current, QWidget* parent)
    : QDialog(parent), rules_(new QButtonGroup(this)) {
    setWindowTitle(tr("Drop Scores"));
    setObjectName(QStringLiteral("dropRuleDialog"));
    setHelpTopic(this, HelpTopic::DropLowest);

    auto* layout = new QVBoxLayout(this);
    const std::array<std::pair<std::int32_t, QString>, 3> choices = {{
        {droprule::kNone, tr("&Don't drop lowest score")},
        {droprule::kLowestOverall, tr("Drop lowest score &overall")},
        {droprule::kLowestPerType, tr("Drop lowest score by assignment t&ype")},
    }};
    for (const auto& [dropType, caption] : choices) {
        auto* button = new QRadioButton(caption);
        button->setObjectName(QStringLiteral("dropRule%1").arg(dropType));
        rules_->addButton(button, dropType);
        layout->addWidget(button);
    }

    // The types, each with an Alt letter no other control of the dialog has.
    static constexpr std::array<const char*, kAssignmentTypeCount> kTypeWithLetter = {
        QT_TR_NOOP("&Final"),    QT_TR_NOOP("&Test"), QT_TR_NOOP("&Quiz"),
        QT_TR_NOOP("Home&work"), QT_TR_NOOP("&Lab"),  QT_TR_NOOP("Ot&her")};
    auto* types = new QVBoxLayout;
    types->setContentsMargins(24, 0, 0, 0);  // under the by-type rule they belong to
    for (int type = 0; type < kAssignmentTypeCount; ++type) {
        const QString name = tr(kTypeWithLetter[static_cast<std::size_t>(type)]);
        auto* box = new QCheckBox(tr("Drop lowest score in \"%1\" type").arg(name));
        box->setObjectName(QStringLiteral("dropType%1").arg(type));
        typeBoxes_[static_cast<std::size_t>(type)] = box;
        types->addWidget(box);
    }
    layout->addLayout(types);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("&Cancel"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    const DropLowScoreInfo shown = dropRuleAsShown(current);
    rules_->button(shown.drop_type)->setChecked(true);
    ruleChosen();
    for (int type = 0; type < 6; ++type) typeBox(type)->setChecked(shown.flag(type));
    connect(rules_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) ruleChosen();
    });
}

QRadioButton* DropRuleDialog::ruleButton(std::int32_t dropType) const {
    return qobject_cast<QRadioButton*>(rules_->button(dropType));
}

void DropRuleDialog::ruleChosen() {
    const bool byType = rules_->checkedId() == droprule::kLowestPerType;
    for (QCheckBox* box : typeBoxes_) {
        if (!byType) box->setChecked(false);
        box->setEnabled(byType);
    }
}

DropLowScoreInfo DropRuleDialog::rule() const {
    DropLowScoreInfo r;
    r.drop_type = rules_->checkedId();
    for (int type = 0; type < 6; ++type) r.setFlag(type, typeBox(type)->isChecked());
    return dropRuleAsShown(r);
}

}  // namespace markwell
