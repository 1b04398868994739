// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/rules/GradeScaleDialog.h"

#include "core/common/Cp1252.h"
#include "core/common/NumberText.h"
#include "core/data/Tables.h"
#include "gui/shared/BoundDelegate.h"
#include "gui/shared/DiscardQuestion.h"
#include "gui/shared/HelpTopics.h"
#include "gui/shared/Translations.h"
#include "gui/shared/UserDialogs.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace markwell {
namespace {

const QString kDefaultName = QString::fromLatin1(kDefaultScaleName);

int indexOfName(const QComboBox* list, const QString& name) {
    // The store matches names without regard to letter case, so the list does too.
    for (int i = 0; i < list->count(); ++i) {
        if (list->itemText(i).compare(name, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

}  // namespace

GradeScaleDialog::GradeScaleDialog(ScaleStore& store, const CurrentGradeScale& classScale, UserDialogs& dialogs,
                                   QWidget* parent)
    : QDialog(parent), store_(store), dialogs_(dialogs), scaleList_(new QComboBox), table_(new QTableWidget(0, 2)),
      delegate_(new BoundDelegate(this)), kinds_(new QButtonGroup(this)), hint_(new QLabel),
      delete_(new QPushButton(tr("&Delete"))), saveAs_(new QPushButton(tr("Save &As"))) {
    setWindowTitle(tr("Grade Scale"));
    setObjectName(QStringLiteral("gradeScaleDialog"));
    setHelpTopic(this, HelpTopic::GradeScale);

    scaleList_->setObjectName(QStringLiteral("scaleList"));
    scaleList_->setEditable(false);
    auto* range = new QGroupBox(tr("&Scale"));
    auto* rangeLayout = new QVBoxLayout(range);
    rangeLayout->addWidget(scaleList_);
    // The group's letter leads to the list, as a label's would.
    range->setFocusProxy(scaleList_);

    table_->setObjectName(QStringLiteral("scaleTable"));
    table_->setAccessibleName(tr("Letter grades"));
    table_->setAccessibleDescription(tr("The lowest and highest percent of each letter grade."));
    table_->setHorizontalHeaderLabels({tr("Min %"), tr("Max %")});
    table_->setItemDelegate(delegate_);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    table_->setTabKeyNavigation(false);  // Tab leaves the table, arrows move in it
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table_->setMinimumHeight(table_->verticalHeader()->defaultSectionSize() * 13);

    hint_->setObjectName(QStringLiteral("boundHint"));
    hint_->setWordWrap(true);
    connect(delegate_, &BoundDelegate::boundRefused, this,
            [this] { hint_->setText(tr("Invalid value! A bound is a percentage such as 90 or 89.9.")); });
    connect(delegate_, &BoundDelegate::boundTyped, hint_, &QLabel::clear);
    connect(table_, &QTableWidget::currentCellChanged, hint_, &QLabel::clear);
    connect(table_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        lastTyped_ = BoundCell{item->row(), item->column()};
    });

    auto* options = new QGroupBox(tr("Options"));
    auto* optionsLayout = new QVBoxLayout(options);
    const std::array<std::pair<ScaleKind, QString>, 3> kinds = {{
        {ScaleKind::Standard, tr("S&tandard")},
        {ScaleKind::Expanded, tr("&Expanded")},
        {ScaleKind::PassFail, tr("&Pass/Fail")},
    }};
    for (const auto& [kind, caption] : kinds) {
        auto* button = new QRadioButton(caption);
        button->setObjectName(QStringLiteral("kind%1").arg(static_cast<int>(kind)));
        kinds_->addButton(button, static_cast<int>(kind));
        optionsLayout->addWidget(button);
    }
    optionsLayout->addStretch();
    connect(kinds_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked && static_cast<ScaleKind>(id) != kindShown_) layOutKind(static_cast<ScaleKind>(id));
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->addButton(saveAs_, QDialogButtonBox::ActionRole);
    buttons->addButton(delete_, QDialogButtonBox::ActionRole);
    // Enter in a cell stores the value; only OK closes the dialog.
    for (QPushButton* button : {saveAs_, delete_}) button->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(saveAs_, &QPushButton::clicked, this, &GradeScaleDialog::saveScaleAs);
    connect(delete_, &QPushButton::clicked, this, &GradeScaleDialog::deleteScale);

    auto* side = new QVBoxLayout;
    side->addWidget(range);
    side->addWidget(options);
    auto* body = new QHBoxLayout;
    body->addWidget(table_, 1);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(hint_);
    layout->addWidget(buttons);

    fillScaleList(classScale);
    connect(scaleList_, &QComboBox::currentIndexChanged, this, &GradeScaleDialog::showSelectedScale);
    showSelectedScale();
    table_->setCurrentCell(0, 0);
    table_->setFocus();
}

GradeScaleDialog::~GradeScaleDialog() = default;

QRadioButton* GradeScaleDialog::kindButton(ScaleKind kind) const {
    return qobject_cast<QRadioButton*>(kinds_->button(static_cast<int>(kind)));
}

bool GradeScaleDialog::isCarried(const QString& name) const {
    return carried_ && carried_->name.compare(name, Qt::CaseInsensitive) == 0;
}

void GradeScaleDialog::fillScaleList(const CurrentGradeScale& classScale) {
    QStringList names = store_.scaleNames();
    // The fallback of every scale is always there to choose.
    if (!names.contains(kDefaultName, Qt::CaseInsensitive)) names.prepend(kDefaultName);
    scaleList_->addItems(names);

    const QString className = cp1252::toUnicode(classScale.name);
    if (className.trimmed().isEmpty()) {
        selectName(kDefaultName);
        return;
    }
    if (!store_.contains(className) && className.compare(kDefaultName, Qt::CaseInsensitive) != 0) {
        // A class from another computer: its scale is shown as it carries it,
        // and OK keeps it under its own name rather than under no name.
        carried_ = storedScaleOf(classScale);
        if (indexOfName(scaleList_, className) < 0) scaleList_->addItem(className);
    }
    selectName(className);
}

void GradeScaleDialog::selectName(const QString& name) {
    const QSignalBlocker block(scaleList_);
    scaleList_->setCurrentIndex(std::max(0, indexOfName(scaleList_, name)));
}

void GradeScaleDialog::showSelectedScale() {
    const QString name = scaleList_->currentText();
    if (isCarried(name)) {
        showScale(*carried_);
        return;
    }
    // A scale that is gone or empty shows the default, which always reads.
    std::optional<StoredScale> scale = store_.readScale(name);
    if (!scale) scale = store_.readScale(kDefaultName);
    if (scale) showScale(*scale);
}

void GradeScaleDialog::showScale(const StoredScale& scale) {
    unchanged_ = scale;
    kindShown_ = scale.kind;
    {
        const QSignalBlocker block(kinds_);
        kinds_->button(static_cast<int>(scale.kind))->setChecked(true);
    }
    showRanges(scale.ranges);
}

void GradeScaleDialog::layOutKind(ScaleKind kind) {
    kindShown_ = kind;
    showRanges(defaultRanges(kind));
}

void GradeScaleDialog::showRanges(const std::vector<LetterRange>& ranges) {
    const int row = std::max(0, table_->currentRow());
    const int column = std::max(0, table_->currentColumn());
    const QSignalBlocker quiet(table_);  // laying out is no typing
    lastTyped_.reset();
    table_->setRowCount(static_cast<int>(ranges.size()));
    QStringList letters;
    for (int r = 0; r < table_->rowCount(); ++r) {
        const LetterRange& range = ranges[static_cast<std::size_t>(r)];
        letters << range.letter;  // exactly as stored: " B+" keeps its space
        table_->setItem(r, 0, new QTableWidgetItem(numberWithPoint(range.low, windowDecimalPoint())));
        table_->setItem(r, 1, new QTableWidgetItem(numberWithPoint(range.high, windowDecimalPoint())));
    }
    table_->setVerticalHeaderLabels(letters);
    table_->setCurrentCell(std::min(row, table_->rowCount() - 1), column);
    hint_->clear();
}

void GradeScaleDialog::finishTyping() const {
    if (QWidget* editor = table_->indexWidget(table_->currentIndex())) delegate_->finishEditing(editor);
}

StoredScale GradeScaleDialog::scaleShown() const {
    finishTyping();
    StoredScale scale{scaleList_->currentText(), static_cast<ScaleKind>(kinds_->checkedId()), {}};
    for (int r = 0; r < table_->rowCount(); ++r) {
        const auto text = [this, r](int column) {
            const QTableWidgetItem* item = table_->item(r, column);
            return item ? typedWithPoint(item->text().trimmed(), windowDecimalPoint()) : QString();
        };
        scale.ranges.push_back({table_->verticalHeaderItem(r)->text(), text(0), text(1)});
    }
    return scale;
}

bool GradeScaleDialog::boundsPass() {
    const std::vector<LetterRange> ranges = scaleShown().ranges;
    const std::optional<RangeProblem> problem = findRangeProblem(ranges);
    if (!problem) return true;
    dialogs_.inform(this, numbersInTextWithPoint(describeRangeProblem(ranges, *problem), windowDecimalPoint()));
    selectCellAtFault(*problem);
    return false;
}

void GradeScaleDialog::selectCellAtFault(const RangeProblem& problem) {
    // Of the two bounds compared, the one just typed is the one to correct.
    const BoundCell own{problem.row, problem.column};
    const BoundCell compared = comparedBound(problem);
    const BoundCell cell = lastTyped_ == compared ? compared : own;
    table_->setCurrentCell(cell.row, cell.column);
    table_->setFocus();
}

bool GradeScaleDialog::changesStoredScale(const StoredScale& scale) const {
    if (isCarried(scale.name)) return false;
    const std::optional<StoredScale> stored = store_.readScale(scale.name);
    return stored && !sameBounds(*stored, scale);
}

bool GradeScaleDialog::save(const StoredScale& scale) {
    if (const Result<void> saved = store_.saveScale(scale); !saved) {
        dialogs_.warn(this, tr("The grade scale \"%1\" could not be saved: %2").arg(scale.name, saved.message()));
        return false;
    }
    if (isCarried(scale.name)) carried_.reset();  // the store has it now
    unchanged_ = scale;
    return true;
}

void GradeScaleDialog::accept() {
    if (!boundsPass()) return;
    StoredScale scale = scaleShown();
    if (changesStoredScale(scale)) {
        // Every class that uses the scale takes its letters from the store.
        const QString question = tr("Change the scale \"%1\" for every class that uses it?").arg(scale.name);
        switch (dialogs_.askChoice(this, question, {tr("Change"), tr("Save as New..."), tr("Cancel")})) {
        case 0: break;
        case 1:
            if (!saveShownUnderName()) return;
            chosen_ = scaleShown();
            QDialog::accept();
            return;
        default: return;
        }
    }
    if (!save(scale)) return;
    chosen_ = std::move(scale);
    QDialog::accept();
}

void GradeScaleDialog::reject() {
    if (!sameBounds(scaleShown(), unchanged_) && !confirmDiscard(dialogs_, this)) return;
    QDialog::reject();
}

void GradeScaleDialog::saveScaleAs() {
    if (!boundsPass()) return;
    (void)saveShownUnderName();
}

std::optional<QString> GradeScaleDialog::saveShownUnderName() {
    const std::optional<QString> typed = dialogs_.askText(
        this,
        {tr("Saved Grade Scale"), tr("Save the grade scale as:"), scaleList_->currentText(), capacity::kScaleName - 1});
    if (!typed) return std::nullopt;
    const Result<QString> name = scaleNameFrom(*typed);
    if (!name) {
        dialogs_.inform(this, name.message());
        return std::nullopt;
    }
    if (store_.contains(*name) &&
        dialogs_.askYesNo(this,
                          tr("A grade scale named \"%1\" already exists. Do you want to replace it?").arg(*name)) !=
            UserDialogs::Answer::Yes) {
        return std::nullopt;
    }
    StoredScale scale = scaleShown();
    scale.name = *name;
    if (!save(scale)) return std::nullopt;
    // One entry per name: an existing one takes the name as now spelt.
    const QSignalBlocker block(scaleList_);
    if (const int existing = indexOfName(scaleList_, *name); existing >= 0) {
        scaleList_->setItemText(existing, *name);
    } else {
        scaleList_->addItem(*name);
    }
    selectName(*name);
    return *name;
}

void GradeScaleDialog::deleteScale() {
    const QString name = scaleList_->currentText();
    if (name.compare(kDefaultName, Qt::CaseInsensitive) == 0) {
        dialogs_.inform(this, tr("The scale %1 cannot be deleted: new classes use it.").arg(kDefaultName));
        return;
    }
    // Deleting is immediate and shared by every class of this computer.
    if (dialogs_.askYesNo(this, tr("Delete the grade scale \"%1\"? It is gone for every class on this computer; "
                                   "classes that use it keep their own copy.")
                                    .arg(name)) != UserDialogs::Answer::Yes) {
        return;
    }
    if (isCarried(name)) {
        carried_.reset();
    } else if (const Result<void> deleted = store_.deleteScale(name); !deleted) {
        dialogs_.warn(this, tr("The grade scale \"%1\" could not be deleted: %2").arg(name, deleted.message()));
        return;
    }
    {
        const QSignalBlocker block(scaleList_);
        scaleList_->removeItem(scaleList_->currentIndex());
        scaleList_->setCurrentIndex(0);
    }
    showSelectedScale();
}

}  // namespace markwell
