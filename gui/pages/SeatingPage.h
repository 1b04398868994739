#pragma once

#include <QWidget>

namespace markwell {

// The Seating page. The seating chart itself comes with a later version;
// until then the page says so plainly, and the seats of a class are kept
// and saved with it unchanged.
class SeatingPage : public QWidget {
    Q_OBJECT
public:
    explicit SeatingPage(QWidget* parent = nullptr);
};

}  // namespace markwell
