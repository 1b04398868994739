// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

// The texts of a window that are wider than the room they are given, as the
// window shows them now: a label, a button, a tab, a group's title or a
// table's column heading cut short (its last letters out of sight, or
// touching what stands beside it).

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTabBar>
#include <QTableView>
#include <QWidget>

#include <algorithm>

namespace markwell::testing {

namespace textroom {

inline QString plain(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    shown.remove(QLatin1Char('&'));
    return shown.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// The width of a caption as Qt draws it: its underlined letter apart from
// the letters beside it, so that the kerning between them is lost.
inline int drawnWidth(const QFontMetrics& metrics, const QString& caption) {
    const qsizetype at = caption.indexOf(QLatin1Char('&'));
    if (at < 0 || at + 1 >= caption.size()) return metrics.horizontalAdvance(plain(caption));
    return metrics.horizontalAdvance(plain(caption.left(at))) + metrics.horizontalAdvance(caption.mid(at + 1, 1)) +
           metrics.horizontalAdvance(plain(caption.mid(at + 2)));
}

inline QString fault(const QWidget* widget, const QString& text, int room, int needed) {
    const QString name = widget->objectName().isEmpty() ? QString() : QLatin1Char('#') + widget->objectName();
    return QStringLiteral("%1%2 \"%3\": %4 px for %5")
        .arg(QLatin1String(widget->metaObject()->className()), name, plain(text))
        .arg(room)
        .arg(needed);
}

// The part of each column heading in view against the width of its text.
inline void checkHeadings(const QAbstractItemView& view, QStringList& faults) {
    const auto* table = qobject_cast<const QTableView*>(&view);
    const QHeaderView* header = table ? table->horizontalHeader() : nullptr;
    if (!header || !header->isVisible() || !view.model()) return;
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section)) continue;
        const QString text = view.model()->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString();
        if (text.isEmpty()) continue;
        const QVariant font = view.model()->headerData(section, Qt::Horizontal, Qt::FontRole);
        const QFontMetrics metrics(font.canConvert<QFont>() ? font.value<QFont>() : header->font());
        const int left = std::max(header->sectionViewportPosition(section), 0);
        const int right =
            std::min(header->sectionViewportPosition(section) + header->sectionSize(section), view.viewport()->width());
        const int needed = metrics.horizontalAdvance(text) + 2 * margin;
        if (right - left < needed) faults << fault(&view, text, right - left, needed);
    }
}

}  // namespace textroom

inline QStringList textsWiderThanTheirRoom(const QWidget& window) {
    using textroom::fault;
    QStringList faults;
    const auto shown = [&window](const QWidget* w) { return w->isVisibleTo(&window) && w->width() > 0; };
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!shown(label) || label->text().isEmpty()) continue;
        if (label->wordWrap()) {
            const int needed = label->heightForWidth(label->width());
            if (label->height() < needed) faults << fault(label, label->text(), label->height(), needed);
        } else if (label->textFormat() != Qt::RichText && label->buddy()) {
            const int needed = textroom::drawnWidth(label->fontMetrics(), label->text());
            if (label->contentsRect().width() < needed) {
                faults << fault(label, label->text(), label->contentsRect().width(), needed);
            }
        } else if (label->width() < label->minimumSizeHint().width()) {
            faults << fault(label, label->text(), label->width(), label->minimumSizeHint().width());
        }
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!shown(button) || button->text().isEmpty()) continue;
        const int needed = button->minimumSizeHint().width();
        if (button->width() < needed) faults << fault(button, button->text(), button->width(), needed);
    }
    for (const QTabBar* bar : window.findChildren<QTabBar*>()) {
        if (!shown(bar)) continue;
        const int needed = bar->sizeHint().width();
        if (bar->width() < needed) {
            QStringList tabs;
            for (int i = 0; i < bar->count(); ++i) tabs << bar->tabText(i);
            faults << fault(bar, tabs.join(QStringLiteral(" | ")), bar->width(), needed);
        }
    }
    for (const QGroupBox* group : window.findChildren<QGroupBox*>()) {
        if (!shown(group) || group->title().isEmpty()) continue;
        const int needed = group->minimumSizeHint().width();
        if (group->width() < needed) faults << fault(group, group->title(), group->width(), needed);
    }
    for (const QAbstractItemView* view : window.findChildren<QAbstractItemView*>()) {
        if (shown(view)) textroom::checkHeadings(*view, faults);
    }
    return faults;
}

}  // namespace markwell::testing
