#pragma once

#include <QString>

namespace markwell {

// Why one row of a file handed to an editing command was refused.
struct RowProblem {
    int line = 0;  // in the file, from 1
    QString reason;

    bool operator==(const RowProblem&) const = default;
};

}  // namespace markwell
