// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// How a seat is drawn: the gradient's first and last columns, the colour
// conversion, the caption's place, and the chart's printout on one page.

#include "core/seating/SeatGeometry.h"
#include "render/seating/SeatPainter.h"
#include "render/seating/SeatingPrintout.h"
#include "tests/support/PdfText.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

using namespace markwell;
using namespace markwell::testing;

namespace {

const QColor kToolTipYellow(0xff, 0xff, 0xdc);

SeatingInfo seatOf(int width, int height, PlatformColour fill, const char* caption = "") {
    SeatingInfo seat;
    seat.name = caption;
    seat.width = width;
    seat.height = height;
    seat.color = fill;
    seat.font_name = "Arial";
    seat.font_size = 10;
    return seat;
}

// The seat on a magenta canvas, its own size unless given, at `at` on it.
QImage drawn(const SeatingInfo& seat, const QColor& end, CaptionAlignment alignment = CaptionAlignment::Centre,
             QSize canvas = {}, QPoint at = {}) {
    QImage image(canvas.isValid() ? canvas : QSize(seat.width, seat.height), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    painter.translate(at);
    paintSeat(painter, seat, end, alignment);
    painter.end();
    return image;
}

// Every pixel of a column has this colour.
void expectColumn(const QImage& image, int x, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y) {
        ASSERT_EQ(image.pixelColor(x, y), colour) << "column " << x << ", row " << y;
    }
}

// The box around the dark pixels (a black caption).
QRect darkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 100) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

}  // namespace

TEST(SeatPainter, ATealSeatRunsFromTealAtItsLeftToExactlyTheEndColourAtItsRight) {
    // 0x808000 is teal: red is the low byte of a stored colour.
    for (const int width : {100, 37, 600}) {
        SCOPED_TRACE(width);
        const QImage image = drawn(seatOf(width, 36, colour::kTeal), kToolTipYellow);
        expectColumn(image, 0, QColor(0, 128, 128));
        expectColumn(image, width - 1, kToolTipYellow);
        // Nothing outside the 255 steps between them, and never back.
        for (int x = 1; x < width; ++x) {
            ASSERT_GE(image.pixelColor(x, 0).red(), image.pixelColor(x - 1, 0).red()) << x;
        }
    }
}

TEST(SeatPainter, ASeatOfADamagedFilesSizeIsDrawnInItsStepsAlone) {
    // A width no screen has: drawn in 255 bands (not one per column), only
    // the part on the image painted, the first column still the begin colour.
    SeatingInfo huge = seatOf(std::numeric_limits<std::int32_t>::max(), 40, colour::kTeal, "Huge");
    const QImage image = drawn(huge, kToolTipYellow, CaptionAlignment::Centre, QSize(50, 40));
    expectColumn(image, 0, QColor(0, 128, 128));
    expectColumn(image, 49, QColor(0, 128, 128));
    SeatingPrintout printout({{huge}, defaultTeacherSeat(), false}, "/school/odd.SEA");
    EXPECT_EQ(printout.chartArea(), QRect(0, 0, kFarthestSeatPixel + 10, 353));
}

TEST(SeatPainter, TheTeachersDeskRunsFromAquaToWhite) {
    const SeatingInfo teacher = seatOf(79, 30, colour::kAqua);
    const QImage image = drawn(teacher, teacherSeatEndColour());
    expectColumn(image, 0, QColor(0, 255, 255));
    expectColumn(image, 78, Qt::white);
}

TEST(SeatPainter, GradientStepsStayWithinTheirBounds) {
    // The last step is exactly the end colour, also where a step more would
    // pass 255 or 0 and come round again in eight bits.
    const std::pair<QColor, QColor> pairs[] = {
        {QColor(0, 0, 0), QColor(255, 255, 255)},
        {QColor(255, 255, 255), QColor(0, 0, 0)},
        {QColor(0, 128, 128), kToolTipYellow},
        {QColor(1, 254, 3), QColor(254, 1, 252)},
    };
    for (const auto& [begin, end] : pairs) {
        EXPECT_EQ(gradientStep(begin, end, 0), begin);
        EXPECT_EQ(gradientStep(begin, end, kSeatGradientSteps - 1), end);
        EXPECT_EQ(gradientStep(begin, end, kSeatGradientSteps), end);
    }
    // Halfway: 127 steps of 255 / 254 each, rounded.
    EXPECT_EQ(gradientStep(Qt::black, Qt::white, 127), QColor(128, 128, 128));
}

TEST(SeatPainter, TheCaptionIsCentredOrSetFiveFromTheChosenSide) {
    SeatingInfo seat = seatOf(160, 36, colour::kWhite, "WWWW");
    seat.font_color = colour::kBlack;
    const QRect centred = darkBox(drawn(seat, Qt::white));
    ASSERT_LT(centred.left(), centred.right());
    EXPECT_NEAR((centred.left() + centred.right()) / 2.0, 80, 2.5);
    EXPECT_NEAR(darkBox(drawn(seat, Qt::white, CaptionAlignment::Left)).left(), 5, 2);
    EXPECT_NEAR(darkBox(drawn(seat, Qt::white, CaptionAlignment::Right)).right(), 154, 2);

    // A caption wider than its seat stays inside it.
    seat.width = 20;
    const QImage around = drawn(seat, Qt::white, CaptionAlignment::Centre, QSize(60, 56), QPoint(20, 10));
    const QRect inside(20, 10, 20, 36);
    for (int y = 0; y < around.height(); ++y) {
        for (int x = 0; x < around.width(); ++x) {
            if (inside.contains(x, y)) continue;
            ASSERT_EQ(around.pixelColor(x, y), QColor(Qt::magenta)) << x << ", " << y;
        }
    }
}

TEST(SeatPainter, ALongNameWrapsWithinItsSeatThenEndsInAnEllipsis) {
    const QString name = QStringLiteral("Maximiliana Alexandrova-Featherstonehaugh");
    SeatingInfo seat = seatOf(100, 36, colour::kWhite, "Maximiliana Alexandrova-Featherstonehaugh");
    seat.font_color = colour::kBlack;
    const QFont font = seatFont(seat);
    const QFontMetrics metrics(font);
    const QStringList lines = seatCaptionLines(name, font, QSize(100, 36));
    ASSERT_EQ(lines.size(), 2) << lines.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(lines.front(), "Maximiliana");
    EXPECT_TRUE(lines.back().endsWith(QChar(0x2026))) << lines.back().toStdString();
    for (const QString& line : lines) EXPECT_LE(metrics.horizontalAdvance(line), 96) << line.toStdString();

    // Drawn, the name keeps off the seat's sides and takes two lines.
    const QRect ink = darkBox(drawn(seat, Qt::white));
    EXPECT_GE(ink.left(), 2);
    EXPECT_LE(ink.right(), 97);
    EXPECT_GT(ink.bottom() - ink.top(), metrics.height());

    // A short name is one line as it is; a seat one line high shows one
    // line, cut short; one long word breaks within itself.
    EXPECT_EQ(seatCaptionLines("Ann Lee", font, QSize(100, 36)), QStringList{"Ann Lee"});
    const QStringList low = seatCaptionLines(name, font, QSize(100, metrics.height()));
    ASSERT_EQ(low.size(), 1);
    EXPECT_TRUE(low.front().startsWith("Maxi") && low.front().endsWith(QChar(0x2026)));
    const QStringList word = seatCaptionLines("Wolfeschlegelsteinhausenberger", font, QSize(60, 36));
    ASSERT_EQ(word.size(), 2);
    EXPECT_TRUE(word.front().startsWith("Wolfe"));
    for (const QString& line : word) EXPECT_LE(metrics.horizontalAdvance(line), 56) << line.toStdString();
}

TEST(SeatingPrintout, EverySeatIsOnOnePageTurnedToTheChartsShape) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    SeatingChart chart;
    SeatingInfo near = seatOf(100, 36, colour::kTeal, "Near Seat");
    near.left = 10;
    near.Top = 10;
    SeatingInfo far = seatOf(100, 36, colour::kTeal, "Far Corner");
    far.left = 2000;
    far.Top = 1500;
    chart.seats = {near, far};

    const QString wide = dir.filePath("wide.pdf");
    ASSERT_TRUE(writeSeatingPdf(chart, "/school/p1.SEA", wide).ok());
    const QString text = pdfText(wide);
    for (const char* caption : {"Near Seat", "Far Corner", "Teacher", "/school/p1.SEA"}) {
        EXPECT_TRUE(text.contains(QLatin1String(caption))) << caption << "\n" << text.toStdString();
    }
    EXPECT_EQ(pdfPageCount(wide), 1);
    EXPECT_TRUE(pdfPageSize(wide).startsWith("842 x 595")) << pdfPageSize(wide).toStdString();

    // Taller than wide: upright, and as large as the page allows below the
    // header, in both directions alike.
    chart.seats[1].left = 300;
    SeatingPrintout tall(chart, "/school/p1.SEA");
    EXPECT_EQ(tall.orientationFor(QPageLayout()), QPageLayout::Portrait);
    EXPECT_EQ(tall.chartArea(), QRect(0, 0, 410, 1546));
    QBuffer buffer;
    QPdfWriter page(&buffer);
    page.setResolution(600);
    page.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                   QPageLayout::Millimeter));
    ASSERT_EQ(tall.layOut(page), 1);
    const double height = tall.scale() * 1546;
    EXPECT_LE(height, page.height());
    EXPECT_GT(height, page.height() * 0.9);  // only the header's line above it
    EXPECT_LT(tall.scale() * 410, page.width());
}
