// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

// Small classes written out by hand for the grade computation tests.

#include "core/data/ClassRecord.h"
#include "core/data/PointEntry.h"
#include "core/sheet/Sheet.h"

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <string>
#include <vector>

namespace markwell::test {

struct AssignmentSpec {
    std::string title;
    std::string type;
    double total;
    std::vector<std::string> points;  // one per student, in class order
};

inline CurrentGradeScale standardScale() {
    return {"<Default>", 1, "90,100,80,89.9,70,79.9,60,69.9,0,59.9"};
}

inline CurrentGradeScale expandedScale() {
    return {"Expanded", 0,
            "94,100,90,93.9,87,89.9,83,86.9,80,82.9,77,79.9,73,76.9,70,72.9,67,69.9,63,66.9,60,62.9,0,59.9"};
}

inline CurrentGradeScale passFailScale() {
    return {"Pass/Fail", 2, "75,100,0,74"};
}

// A student with these fields, every other one empty.
inline StudentInfo namedStudent(std::string name, std::string id = {}, std::string city = {}) {
    StudentInfo s;
    s.name = std::move(name);
    s.id = std::move(id);
    s.city = std::move(city);
    return s;
}

// A class whose point lists hold one entry per student in class order.
inline ClassRecord makeClass(const std::vector<std::string>& names, std::initializer_list<AssignmentSpec> assignments) {
    ClassRecord cls = newClassRecord(standardScale());
    for (const std::string& name : names) {
        cls.students.push_back(namedStudent(name));
        cls.comments.push_back({name, "comment of " + name});
    }
    for (const AssignmentSpec& wanted : assignments) {
        AssignmentInfo a;
        a.title = wanted.title;
        a.assign_type = wanted.type;
        a.total = wanted.total;
        for (std::size_t i = 0; i < wanted.points.size() && i < cls.students.size(); ++i) {
            a.namegrade.push_back(makePointEntry(cls.students[i].name, wanted.points[i]));
        }
        cls.assignments.push_back(std::move(a));
    }
    return cls;
}

inline ClassRecord makeClass(std::initializer_list<std::string> names,
                             std::initializer_list<AssignmentSpec> assignments) {
    return makeClass(std::vector<std::string>(names), assignments);
}

// Two students named Ann (an older file allows it; one row in the grades
// table) with Bo between them: Quiz "Ann~1", "Bo~2", "Ann~3"; Lab "Ann~4",
// "Ann~6", Bo without an entry, as only a damaged file leaves.
inline ClassRecord twoAnns() {
    ClassRecord cls =
        makeClass({"Ann", "Bo", "Ann"}, {{"Quiz", "Quiz", 10, {"1", "2", "3"}}, {"Lab", "Lab", 5, {"4", "5", "6"}}});
    cls.assignments[1].namegrade.erase(cls.assignments[1].namegrade.begin() + 1);
    return cls;
}

// "Student 1" to "Student `count`", for classes whose names do not matter.
inline std::vector<std::string> numberedNames(std::size_t count) {
    std::vector<std::string> names;
    for (std::size_t i = 1; i <= count; ++i) names.push_back("Student " + std::to_string(i));
    return names;
}

// Gives one entry of an assignment's point list new points, keeping its name.
inline void setPoints(ClassRecord& cls, std::size_t assignment, std::size_t entry, const std::string& points) {
    std::string& stored = cls.assignments[assignment].namegrade[entry];
    stored = makePointEntry(splitPointEntry(stored).name, points);
}

inline void dropByType(ClassRecord& cls, std::initializer_list<int> flaggedTypes) {
    cls.lowScoreInfo.drop_type = 2;
    for (int type : flaggedTypes) cls.lowScoreInfo.setFlag(type, true);
}

// One row of the sheet as its cell texts joined with "|".
inline QString rowText(const Sheet& sheet, int row) {
    QStringList cells;
    for (int col = 1; col <= sheet.maxCol(); ++col) cells << sheet.text(row, col);
    return cells.join(QLatin1Char('|'));
}

// Every row of the sheet, as rowText gives them.
inline QStringList tableText(const Sheet& sheet) {
    QStringList rows;
    for (int row = 1; row <= sheet.maxRow(); ++row) rows << rowText(sheet, row);
    return rows;
}

// A column of the student rows (2 .. maxRow-2).
inline QStringList studentColumn(const Sheet& sheet, int col) {
    QStringList cells;
    for (int row = 2; row <= sheet.maxRow() - 2; ++row) cells << sheet.text(row, col);
    return cells;
}

inline std::vector<std::string> studentNames(const ClassRecord& cls) {
    std::vector<std::string> names;
    for (const StudentInfo& s : cls.students) names.push_back(s.name);
    return names;
}

}  // namespace markwell::test
