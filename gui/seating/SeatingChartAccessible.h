// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Seats.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>

#include <map>

namespace markwell {

class SeatingView;

// The seating chart as assistive technology sees it: a list whose items are
// the seats, the teacher's first and then the students' in the class's order,
// each named by its caption and placed where the chart shows it. The seats
// are drawn, not widgets: without this a screen reader finds an empty view.
class SeatingChartAccessible : public QAccessibleWidget {
public:
    explicit SeatingChartAccessible(SeatingView* chart);
    ~SeatingChartAccessible() override;
    SeatingChartAccessible(const SeatingChartAccessible&) = delete;
    SeatingChartAccessible& operator=(const SeatingChartAccessible&) = delete;

    // Makes every seating chart answer with this interface (once is enough;
    // again changes nothing).
    static void install();

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    SeatingView* chart() const;

    // The interface of each seat asked for, by its place in the list; they
    // name their seat by that place and answer for whatever seat is there.
    mutable std::map<int, QAccessible::Id> seats_;
};

// One seat of the chart, by its place in the list (0: the teacher's).
class SeatAccessible : public QAccessibleInterface {
    Q_DECLARE_TR_FUNCTIONS(SeatAccessible)

public:
    SeatAccessible(SeatingView* chart, int place);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation /*match*/) const override {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

private:
    SeatId id() const;

    QPointer<SeatingView> chart_;
    int place_;
};

}  // namespace markwell
