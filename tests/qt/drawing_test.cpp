#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <filesystem>
#include <functional>

#include "common/forms/application.h"
#include "common/forms/controls.h"
#include "common/forms/window.h"
#include "common/headless/recording_platform.h"
#include "common/qt/containers.h"
#include "common/qt/design_pictures.h"
#include "common/qt/picture_cache.h"
#include "common/qt/picture_widget.h"
#include "common/qt/shape_painting.h"
#include "common/qt/twips_scale.h"
#include "tests/common/temp_folder.h"

namespace {

int countColour(const QImage& image, const QRect& area, QColor colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

QImage paintedOn(QSize size, const std::function<void(QPainter&)>& paint) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter);
    return image;
}

std::string savePhoto(const TempFolder& folder, const std::string& name, QColor colour) {
    QImage photo(120, 90, QImage::Format_RGB32);
    photo.fill(colour);
    const std::string path = folder.file(name);
    photo.save(QString::fromStdString(path), "JPG");
    return path;
}

}  // namespace

TEST(TwipsScale, FifteenTwipsMakeAPixelAtNinetySixDotsPerInch) {
    const qtui::TwipsScale screen(96);
    EXPECT_EQ(screen.pixels(1440), 96);
    EXPECT_EQ(screen.pixels(15), 1);
    EXPECT_EQ(screen.pixels(-30), -2);
    EXPECT_EQ(qtui::TwipsScale(120).pixels(1440), 120);
    // Neighbours that meet in twips meet in pixels, whatever the rounding of each.
    const QRect left = screen.rect(0, 0, 1007, 100);
    const QRect right = screen.rect(1007, 0, 1007, 100);
    EXPECT_EQ(left.right() + 1, right.left());
}

TEST(ShapePainting, FillStylesMapToQtPatternsOneToOne) {
    EXPECT_EQ(qtui::brushStyleFor(forms::kFillSolid), Qt::SolidPattern);
    EXPECT_EQ(qtui::brushStyleFor(forms::kFillTransparent), Qt::NoBrush);
    EXPECT_EQ(qtui::brushStyleFor(forms::kFillHorizontal), Qt::HorPattern);
    EXPECT_EQ(qtui::brushStyleFor(forms::kFillVertical), Qt::VerPattern);
    EXPECT_EQ(qtui::brushStyleFor(forms::kFillUpwardDiagonal), Qt::BDiagPattern);
    EXPECT_EQ(qtui::brushStyleFor(forms::kFillDownwardDiagonal), Qt::FDiagPattern);
    EXPECT_EQ(qtui::brushStyleFor(forms::kFillCross), Qt::CrossPattern);
    EXPECT_EQ(qtui::brushStyleFor(forms::kFillDiagonalCross), Qt::DiagCrossPattern);
    EXPECT_EQ(qtui::brushStyleFor(8), Qt::NoBrush);
    EXPECT_EQ(qtui::brushStyleFor(-1), Qt::NoBrush);
}

struct GraphicsFixture : ::testing::Test {
    common::RecordingPlatform platform;
    forms::Application app{platform, "/"};
    forms::Window window{app, "Plot"};
    forms::Shape shape{window, "Shape1"};
    qtui::TwipsScale scale{96};
};

TEST_F(GraphicsFixture, CirclesAndSquaresTakeTheShorterSideCentred) {
    shape.Left = 0;
    shape.Top = 0;
    shape.Width = 1500;
    shape.Height = 600;
    shape.Kind = forms::ShapeKind::Square;
    shape.FillStyle = forms::kFillSolid;
    shape.FillColor = 0x0000FF;
    shape.BorderColor = 0x0000FF;
    const QImage image =
        paintedOn({100, 40}, [&](QPainter& p) { qtui::paintShape(p, shape, scale); });
    EXPECT_EQ(image.pixelColor(50, 20), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(5, 20), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(95, 20), QColor(Qt::white));
}

TEST_F(GraphicsFixture, TransparentBorderAndFillPaintNothing) {
    shape.Width = 1500;
    shape.Height = 1500;
    shape.Style = forms::BorderStyle::Transparent;
    shape.FillStyle = forms::kFillTransparent;
    const QImage image =
        paintedOn({100, 100}, [&](QPainter& p) { qtui::paintShape(p, shape, scale); });
    EXPECT_EQ(countColour(image, image.rect(), Qt::white), 100 * 100);
}

// A colour swatch with no colour yet is an empty sunken well, not a flat square that looks like a
// blank button; with a colour it is the same well, filled. (The image starts grey, as a window.)
TEST_F(GraphicsFixture, AColourWellIsASunkenFrameEmptyUntilItHasAFill) {
    shape.Width = 1500;
    shape.Height = 1500;
    shape.Well = true;
    shape.FillStyle = forms::kFillTransparent;
    const QImage empty = paintedOn({100, 100}, [&](QPainter& p) {
        p.fillRect(0, 0, 100, 100, QColor(0xF0, 0xF0, 0xF0));
        qtui::paintShape(p, shape, scale);
    });
    // Shadow above and left, light below and right.
    EXPECT_LT(empty.pixelColor(50, 0).lightness(), empty.pixelColor(50, 99).lightness());
    EXPECT_LT(empty.pixelColor(0, 50).lightness(), empty.pixelColor(99, 50).lightness());
    // White inside with a slash across: no colour.
    EXPECT_EQ(empty.pixelColor(20, 20), QColor(Qt::white));
    EXPECT_EQ(empty.pixelColor(80, 80), QColor(Qt::white));
    EXPECT_LT(empty.pixelColor(49, 50).lightness(), 200);

    shape.FillStyle = forms::kFillSolid;
    shape.FillColor = 0x0000FF;
    const QImage filled =
        paintedOn({100, 100}, [&](QPainter& p) { qtui::paintShape(p, shape, scale); });
    EXPECT_EQ(countColour(filled, QRect(3, 3, 94, 94), Qt::red), 94 * 94);
    EXPECT_EQ(filled.pixelColor(50, 0), empty.pixelColor(50, 0));
}

TEST_F(GraphicsFixture, ContainersThatCannotHoldOrFormACircleCountAsTheWindow) {
    forms::Frame outer{window, "Outer"};
    forms::Frame inner{window, "Inner"};
    forms::Label label{window, "Label1"};
    forms::CommandButton button{window, "Button1"};
    forms::Window elsewhere{app, "Elsewhere"};
    forms::Frame foreign{elsewhere, "Foreign"};

    inner.Container = &outer;
    label.Container = &inner;
    EXPECT_EQ(qtui::containerOf(label), &inner);
    EXPECT_EQ(qtui::containerOf(inner), &outer);
    EXPECT_EQ(qtui::containerOf(outer), nullptr);

    button.Container = &label;  // a label holds nothing
    EXPECT_EQ(qtui::containerOf(button), nullptr);
    button.Container = &foreign;
    EXPECT_EQ(qtui::containerOf(button), nullptr);

    outer.Container = &inner;  // a circle
    EXPECT_EQ(qtui::containerOf(inner), nullptr);
    EXPECT_EQ(qtui::containerOf(outer), nullptr);
    outer.Container = &outer;
    EXPECT_EQ(qtui::containerOf(outer), nullptr);
}

TEST(DesignPictures, KnownNamesPaintAndUnknownOnesPaintNothing) {
    for (const char* name :
         {"design:link", "design:next", "design:left", "design:right", "design:panel"}) {
        bool known = false;
        const QImage image = paintedOn({32, 32}, [&](QPainter& p) {
            known = qtui::paintDesignPicture(p, QRectF(0, 0, 32, 32), name, Qt::black, Qt::gray);
        });
        EXPECT_TRUE(known) << name;
        EXPECT_LT(countColour(image, image.rect(), Qt::white), 32 * 32 - 50) << name;
    }
    bool known = true;
    const QImage blank = paintedOn({32, 32}, [&](QPainter& p) {
        known = qtui::paintDesignPicture(p, QRectF(0, 0, 32, 32), "design:unknown", Qt::black,
                                         Qt::gray);
    });
    EXPECT_FALSE(known);
    EXPECT_EQ(countColour(blank, blank.rect(), Qt::white), 32 * 32);
}

TEST(DesignPictures, LeftAndRightArrowsPointOppositeWays) {
    const auto inkOnSide = [](const char* name, bool leftSide) {
        const QImage image = paintedOn({40, 40}, [&](QPainter& p) {
            qtui::paintDesignPicture(p, QRectF(0, 0, 40, 40), name, Qt::black, Qt::gray);
        });
        // Just above the middle the tail's shaft is inked, the narrowing tip is not.
        return image.pixelColor(leftSide ? 4 : 35, 20 - 4) != QColor(Qt::white);
    };
    EXPECT_TRUE(inkOnSide("design:right", true));
    EXPECT_FALSE(inkOnSide("design:right", false));
    EXPECT_TRUE(inkOnSide("design:left", false));
    EXPECT_FALSE(inkOnSide("design:left", true));
}

TEST(PictureCache, DecodesWhenShownOnceAndAgainWhenTheFileChanges) {
    TempFolder folder;
    const std::string path = savePhoto(folder, "face0.jpg", Qt::red);
    qtui::PictureCache cache;
    qtui::PictureWidget widget(nullptr, cache);
    widget.resize(60, 45);
    widget.setPicture(path, true);
    EXPECT_EQ(cache.decodeCount(), 0u);

    const QImage first = widget.grab().toImage();
    EXPECT_EQ(cache.decodeCount(), 1u);
    EXPECT_GT(first.pixelColor(30, 22).red(), 200);
    widget.grab();
    EXPECT_EQ(cache.decodeCount(), 1u);

    savePhoto(folder, "face0.jpg", Qt::blue);
    std::filesystem::last_write_time(
        folder.path() / "face0.jpg",
        std::filesystem::last_write_time(folder.path() / "face0.jpg") + std::chrono::seconds(2));
    const QImage second = widget.grab().toImage();
    EXPECT_EQ(cache.decodeCount(), 2u);
    EXPECT_GT(second.pixelColor(30, 22).blue(), 200);
}

TEST(PictureCache, AMissingOrBrokenFileShowsNothing) {
    TempFolder folder;
    folder.write("broken.jpg", "\xFF\xD8\xFF garbage");
    qtui::PictureCache cache;
    EXPECT_TRUE(cache.image(folder.file("missing.jpg"), {}).isNull());
    EXPECT_TRUE(cache.image(folder.file("broken.jpg"), {10, 10}).isNull());
}

TEST(PictureCache, KeepsWithinItsBudgetDroppingTheLeastRecentlyUsed) {
    TempFolder folder;
    const std::string a = savePhoto(folder, "a.jpg", Qt::red);
    const std::string b = savePhoto(folder, "b.jpg", Qt::green);
    // Room for one 100 x 100 picture only.
    qtui::PictureCache cache(100 * 100 * 4 + 16);
    cache.image(a, {100, 100});
    cache.image(b, {100, 100});
    cache.image(b, {100, 100});
    EXPECT_EQ(cache.decodeCount(), 2u);
    cache.image(a, {100, 100});
    EXPECT_EQ(cache.decodeCount(), 3u);
}
