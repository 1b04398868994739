// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "render/text/StudentPrintout.h"

#include <QCoreApplication>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace markwell {
namespace {

struct StudentPrintout {
    Q_DECLARE_TR_FUNCTIONS(StudentPrintout)
};

// The lines under the name: a label and its field, or nothing for an empty line.
struct PrintedLine {
    const char* label;
    std::optional<StudentField> field;
};

constexpr PrintedLine kLines[] = {
    {nullptr, {}},
    {nullptr, {}},
    {QT_TRANSLATE_NOOP("StudentPrintout", "- Student ID: "), StudentField::Id},
    {QT_TRANSLATE_NOOP("StudentPrintout", "- Street Address: "), StudentField::Street},
    {QT_TRANSLATE_NOOP("StudentPrintout", "- City: "), StudentField::City},
    {QT_TRANSLATE_NOOP("StudentPrintout", "- State: "), StudentField::State},
    {QT_TRANSLATE_NOOP("StudentPrintout", "- Zipcode: "), StudentField::Zip},
    {QT_TRANSLATE_NOOP("StudentPrintout", "- Email Address: "), StudentField::StudentEmail},
    {nullptr, {}},
    {QT_TRANSLATE_NOOP("StudentPrintout", "- Mother's name: "), StudentField::MomName},
    {QT_TRANSLATE_NOOP("StudentPrintout", "- Father's name: "), StudentField::DadName},
    {QT_TRANSLATE_NOOP("StudentPrintout", "- Mother's phone: "), StudentField::MomPhone},
    {QT_TRANSLATE_NOOP("StudentPrintout", "- Father's phone: "), StudentField::DadPhone},
    {QT_TRANSLATE_NOOP("StudentPrintout", "- Mother's E-mail: "), StudentField::MomEmail},
    {QT_TRANSLATE_NOOP("StudentPrintout", "- Father's E-mail: "), StudentField::DadEmail},
    {nullptr, {}},
};

}  // namespace

std::unique_ptr<QTextDocument> studentPrintout(const StudentForm& shown) {
    auto document = std::make_unique<QTextDocument>();
    QTextCursor cursor(document.get());

    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    QTextCharFormat title;
    title.setFontPointSize(16);
    title.setFontWeight(QFont::Bold);
    title.setFontUnderline(true);
    cursor.setBlockFormat(centred);
    cursor.insertText(shown[StudentField::Name], title);

    QTextBlockFormat left;
    left.setAlignment(Qt::AlignLeft);
    QTextCharFormat plain;
    plain.setFontPointSize(10);
    for (const PrintedLine& line : kLines) {
        cursor.insertBlock(left, plain);
        if (line.field) cursor.insertText(StudentPrintout::tr(line.label) + shown[*line.field], plain);
    }
    cursor.insertBlock(left, plain);
    cursor.insertText(StudentPrintout::tr("- Comments: ") + shown.comment, plain);
    return document;
}

}  // namespace markwell
