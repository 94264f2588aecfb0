#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <climits>
#include <functional>

#include "common/forms/application.h"
#include "common/forms/controls.h"
#include "common/forms/window.h"
#include "common/headless/recording_platform.h"
#include "common/qt/shape_painting.h"
#include "common/qt/twips_scale.h"

// The plotter's canvas items as painted: empty items draw nothing, items far off the canvas
// neither overflow nor spill onto it, and a hatch is drawn in the fill colour with the background
// showing between its lines.

namespace {

const QColor kPaper(0xF0, 0xF0, 0xF0);

QImage painted(const std::function<void(QPainter&)>& paint) {
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(kPaper);
    QPainter painter(&image);
    paint(painter);
    return image;
}

int countOf(const QImage& image, QColor colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

struct Canvas : ::testing::Test {
    common::RecordingPlatform platform;
    forms::Application app{platform, "/"};
    forms::Window window{app, "Plot"};
    forms::Shape shape{window, "Perimeter1"};
    forms::Line line{window, "RedLine", 0};
    qtui::TwipsScale scale{96};

    void SetUp() override {
        shape.Kind = forms::ShapeKind::Oval;
        shape.BorderWidth = 2;
        shape.BorderColor = 0x0000FF;
        shape.FillColor = 0x0000FF;
        line.BorderWidth = 2;
        line.BorderColor = 0xFF0000;
    }
    QImage paintShape() {
        return painted([&](QPainter& p) { qtui::paintShape(p, shape, scale); });
    }
    QImage paintLine() {
        return painted([&](QPainter& p) { qtui::paintLine(p, line, scale); });
    }
};

TEST_F(Canvas, ZeroLengthLinesAndEmptyShapesDrawNothing) {
    line.X1 = line.X2 = 1500;
    line.Y1 = line.Y2 = 1500;
    EXPECT_EQ(countOf(paintLine(), kPaper), 200 * 200);
    for (const auto& [width, height] : {std::pair{0, 0}, std::pair{1500, 0}, std::pair{0, 1500}}) {
        shape.Left = 1500;
        shape.Top = 1500;
        shape.Width = width;
        shape.Height = height;
        shape.FillStyle = forms::kFillSolid;
        EXPECT_EQ(countOf(paintShape(), kPaper), 200 * 200) << width << "x" << height;
    }
}

TEST_F(Canvas, FarOffItemsAreClipped) {
    // Parked where the clearing procedures put them.
    shape.Left = 9999;
    shape.Top = 9999;
    shape.Width = 1500;
    shape.Height = 1500;
    shape.FillStyle = forms::kFillSolid;
    EXPECT_EQ(countOf(paintShape(), kPaper), 200 * 200);
    // At the 32-bit limits: no overflow, nothing on the canvas.
    shape.Left = INT_MAX - 10;
    shape.Width = INT_MAX;
    EXPECT_EQ(countOf(paintShape(), kPaper), 200 * 200);
    EXPECT_GT(qtui::TwipsScale(96).rect(INT_MAX - 10, 0, INT_MAX, 15).width(), 0);
    // A huge box that covers the canvas fills it.
    shape.Kind = forms::ShapeKind::Rectangle;
    shape.Left = -1000000;
    shape.Top = -1000000;
    shape.Width = 2000000;
    shape.Height = 2000000;
    EXPECT_EQ(countOf(paintShape(), QColor(Qt::red)), 200 * 200);
    // A line from far off crosses the canvas.
    line.X1 = INT_MIN;
    line.Y1 = 1500;
    line.X2 = INT_MAX;
    line.Y2 = 1500;
    EXPECT_GT(countOf(paintLine(), QColor(Qt::blue)), 190);
}

TEST_F(Canvas, HatchesAreInTheFillColourOverTheBackground) {
    shape.Kind = forms::ShapeKind::Rectangle;
    shape.Left = 0;
    shape.Top = 0;
    shape.Width = 3000;
    shape.Height = 3000;
    for (int style :
         {forms::kFillUpwardDiagonal, forms::kFillDownwardDiagonal, forms::kFillDiagonalCross}) {
        shape.FillStyle = style;
        const QImage image = paintShape();
        const QImage inside = image.copy(20, 20, 160, 160);
        EXPECT_GT(countOf(inside, QColor(Qt::red)), 160 * 160 / 10) << style;
        EXPECT_GT(countOf(inside, kPaper), 160 * 160 / 3) << style;
    }
    // Upward diagonals run from lower left to upper right.
    shape.FillStyle = forms::kFillUpwardDiagonal;
    const QImage up = paintShape();
    QPoint onLine;
    for (int x = 50; x < 60 && onLine.isNull(); ++x) {
        if (up.pixelColor(x, 100) == QColor(Qt::red)) {
            onLine = QPoint(x, 100);
        }
    }
    ASSERT_FALSE(onLine.isNull());
    EXPECT_EQ(up.pixelColor(onLine + QPoint(1, -1)), QColor(Qt::red));
    EXPECT_EQ(up.pixelColor(onLine + QPoint(4, -4)), QColor(Qt::red));
}

// Two shaded faces laid over one another: the one beneath still shows its colour.
TEST_F(Canvas, OverlaidHatchesKeepBothColours) {
    forms::Shape below{window, "Perimeter2"};
    for (forms::Shape* s : {&shape, &below}) {
        s->Kind = forms::ShapeKind::Rectangle;
        s->Width = 3000;
        s->Height = 3000;
    }
    below.FillStyle = forms::kFillUpwardDiagonal;
    below.FillColor = 0x00FF00;
    below.BorderColor = 0x00FF00;
    shape.FillStyle = forms::kFillDiagonalCross;
    const QImage image = painted([&](QPainter& p) {
        qtui::paintShape(p, below, scale);
        qtui::paintShape(p, shape, scale);
    });
    const QImage inside = image.copy(20, 20, 160, 160);
    EXPECT_GT(countOf(inside, QColor(Qt::green)), 160 * 160 / 20);
    EXPECT_GT(countOf(inside, QColor(Qt::red)), 160 * 160 / 20);
}

}  // namespace
