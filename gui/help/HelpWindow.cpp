// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/help/HelpWindow.h"

#include "gui/shared/Icons.h"
#include "gui/shared/Translations.h"

#include <QAction>
#include <QFile>
#include <QHBoxLayout>
#include <QListWidget>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace markwell {
namespace {

// The room an item of a list takes beside its text: its margins and the
// focus frame drawn round it.
constexpr int kItemPadding = 16;

QString helpStyleSheet() {
    QFile file(QStringLiteral(":/help/help.css"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), contents_(new QListWidget), browser_(new QTextBrowser) {
    setWindowTitle(tr("Markwell Help"));
    setWindowIcon(applicationIcon());
    setObjectName(QStringLiteral("helpWindow"));

    // Pages in the user's language first; a page not translated yet, and the
    // style sheet, come from the English ones.
    QStringList searchPaths{QStringLiteral(":/help")};
    if (const QString language = helpLanguage(); !language.isEmpty()) {
        searchPaths.prepend(QStringLiteral(":/help/") + language);
    }
    browser_->setSearchPaths(searchPaths);
    contents_->setAccessibleName(tr("Help contents"));
    browser_->setAccessibleName(tr("Help page"));
    browser_->document()->setDefaultStyleSheet(helpStyleSheet());
    browser_->setOpenExternalLinks(true);
    browser_->setOpenLinks(true);

    for (const HelpPage& page : helpPages()) {
        auto* item = new QListWidgetItem(helpPageTitle(page.topic), contents_);
        item->setData(Qt::UserRole, static_cast<int>(page.topic));
    }
    // Every title whole, in every language: as wide as the widest one.
    int widest = 0;
    for (int i = 0; i < contents_->count(); ++i) {
        widest = std::max(widest, contents_->fontMetrics().horizontalAdvance(contents_->item(i)->text()));
    }
    const int contentsWidth = std::max(190, widest + 2 * contents_->frameWidth() + kItemPadding +
                                                contents_->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    contents_->setMinimumWidth(contentsWidth);
    connect(contents_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showTopic(static_cast<HelpTopic>(item->data(Qt::UserRole).toInt())); });
    connect(contents_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showTopic(static_cast<HelpTopic>(item->data(Qt::UserRole).toInt())); });
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::followSource);

    auto* tools = new QToolBar;
    tools->setIconSize(QSize(20, 20));
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back = tools->addAction(QIcon::fromTheme(QStringLiteral("go-previous")), tr("&Back"), browser_,
                                     &QTextBrowser::backward);
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    QAction* forward =
        tools->addAction(QIcon::fromTheme(QStringLiteral("go-next")), tr("&Forward"), browser_, &QTextBrowser::forward);
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    tools->addAction(QIcon::fromTheme(QStringLiteral("go-home")), tr("&Contents"), this,
                     [this] { showTopic(HelpTopic::Contents); });
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    auto* splitter = new QSplitter;
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({contentsWidth, 560});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(splitter);
    resize(std::max(800, contentsWidth + 590), 580);

    // Esc and Ctrl+W close the window, as they do a dialog or a document tab.
    auto* close = new QAction(this);
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
}

void HelpWindow::showTopic(HelpTopic topic) {
    browser_->setSource(QUrl(QString::fromUtf8(helpPage(topic).file)));
}

namespace {

HelpTopic topicOfPage(const QUrl& source) {
    const QString file = source.fileName();
    for (const HelpPage& page : helpPages()) {
        if (file == QLatin1String(page.file)) return page.topic;
    }
    return HelpTopic::Contents;
}

}  // namespace

HelpTopic HelpWindow::currentTopic() const {
    return topicOfPage(browser_->source());
}

// The browser tells the new page before it reports it as its source.
void HelpWindow::followSource(const QUrl& source) {
    const HelpTopic topic = topicOfPage(source);
    for (int i = 0; i < contents_->count(); ++i) {
        if (contents_->item(i)->data(Qt::UserRole).toInt() == static_cast<int>(topic)) {
            const QSignalBlocker block(contents_);
            contents_->setCurrentRow(i);
            break;
        }
    }
    setWindowTitle(tr("Markwell Help - %1").arg(helpPageTitle(topic)));
}

}  // namespace markwell
