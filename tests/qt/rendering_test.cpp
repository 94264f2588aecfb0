#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <cstdlib>
#include <utility>

#include "common/qt/canvas_widget.h"
#include "common/qt/label_widget.h"
#include "common/qt/picture_widget.h"
#include "tests/qt/sample_program.h"

namespace {

struct Rendering : ::testing::Test, BindingFixture {
    // The window as the user sees it, every control on its drawing layer.
    QImage screen() { return top().grab().toImage(); }
    QPoint at(int xTwips, int yTwips) const {
        return {binding.twipsToPixels(xTwips), binding.twipsToPixels(yTwips)};
    }
};

int countNear(const QImage& image, const QRect& area, QColor colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                                 std::abs(c.blue() - colour.blue()) <
                             40
                         ? 1
                         : 0;
        }
    }
    return count;
}

}  // namespace

TEST_F(Rendering, EveryControlGetsAWidgetNamedByItsKey) {
    QWidget& window = top();
    EXPECT_EQ(window.objectName(), "Sample");
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Faces \u00A3 1"));
    EXPECT_NE(window.findChild<QLabel*>("Title"), nullptr);
    EXPECT_NE(window.findChild<qtui::LabelWidget*>("LinkLabel"), nullptr);
    EXPECT_NE(window.findChild<QPushButton*>("CompButton"), nullptr);
    EXPECT_NE(window.findChild<QGroupBox*>("Group"), nullptr);
    EXPECT_NE(window.findChild<QLineEdit*>("Name"), nullptr);
    EXPECT_NE(window.findChild<QPlainTextEdit*>("Notes"), nullptr);
    EXPECT_NE(window.findChild<QCheckBox*>("Tick"), nullptr);
    EXPECT_NE(window.findChild<qtui::PictureWidget*>("Photo"), nullptr);
    EXPECT_NE(window.findChild<qtui::PictureWidget*>("Board"), nullptr);
    EXPECT_NE(window.findChild<QComboBox*>("Drive1"), nullptr);
    EXPECT_NE(window.findChild<QListWidget*>("Dir1"), nullptr);
    EXPECT_NE(window.findChild<QListWidget*>("File1"), nullptr);
    EXPECT_NE(window.findChild<QSlider*>("Weight"), nullptr);
    EXPECT_NE(window.findChild<QPushButton*>("QuickKey(3)"), nullptr);
    // Lines and shapes are painted, not widgets.
    EXPECT_EQ(window.findChild<QWidget*>("Rule"), nullptr);
    EXPECT_EQ(window.findChild<QWidget*>("Blob"), nullptr);
}

TEST_F(Rendering, GeometryIsTwipsAtTheScreensResolution) {
    const double dpi = qtui::screenDotsPerInch();
    EXPECT_EQ(binding.twipsToPixels(1440), static_cast<int>(std::lround(dpi)));
    EXPECT_EQ(top().size(), QSize(binding.twipsToPixels(9000), binding.twipsToPixels(6000)));
    // A fixed-size window cannot be resized by the user.
    EXPECT_EQ(top().minimumSize(), top().maximumSize());

    const QWidget& button = widget<QPushButton>(window.CompButton);
    EXPECT_EQ(button.pos(), at(5000, 120));
    EXPECT_EQ(button.width(), binding.twipsToPixels(6500) - binding.twipsToPixels(5000));

    // Options in a frame are placed relative to it.
    const QWidget& option = widget<QRadioButton>(window.OptionB);
    EXPECT_EQ(option.parentWidget(), &widget<QGroupBox>(window.Group));
    EXPECT_EQ(option.pos(), at(120, 700));
}

TEST_F(Rendering, TextIsShownInUnicodeAndLabelsShowNoMarkup) {
    EXPECT_EQ(widget<QLabel>(window.Title).text(), QString::fromUtf8("Price \u00A35"));
    app.dispatch([this] {
        window.Title.Caption = "<b>bold</b>";
        window.Notes.setText("one\r\ntwo\rthree\nfour");
    });
    binding.sync();
    EXPECT_EQ(widget<QLabel>(window.Title).textFormat(), Qt::PlainText);
    EXPECT_EQ(widget<QPlainTextEdit>(window.Notes).toPlainText(), "one\ntwo\nthree\nfour");
}

// A name in a caption is shown as it stands: an "&" in it marks no access key, on any kind of
// button or frame, and on a label neither.
TEST_F(Rendering, AnAmpersandInACaptionShowsAsItIs) {
    const std::string name = "Brian &In\xE8s & Co";
    app.dispatch([this, &name] {
        window.CompButton.Caption = name;
        window.Tick.Caption = name;
        window.OptionA.Caption = name;
        window.Group.Caption = name;
        window.Title.Caption = name;
    });
    binding.sync();
    const QString shown = QString::fromUtf8("Brian &In\u00E8s & Co");
    const std::pair<const char*, QString> captions[] = {
        {"CompButton", widget<QPushButton>(window.CompButton).text()},
        {"Tick", widget<QCheckBox>(window.Tick).text()},
        {"OptionA", widget<QRadioButton>(window.OptionA).text()},
        {"Group", widget<QGroupBox>(window.Group).title()},
    };
    for (const auto& [key, text] : captions) {
        EXPECT_TRUE(QKeySequence::mnemonic(text).isEmpty()) << key;
        EXPECT_EQ(QString(text).replace("&&", "&"), shown) << key;
    }
    EXPECT_EQ(widget<QLabel>(window.Title).text(), shown);
}

// A CR on its own in a caption breaks the line, as CR LF does, and CR LF is one break, not two.
TEST_F(Rendering, ALoneCrInACaptionBreaksTheLine) {
    QLabel& title = widget<QLabel>(window.Title);
    // The rows of the label that hold ink, from the first to the last.
    const auto inkHeight = [&](const std::string& caption) {
        app.dispatch([&] {
            window.Title.Height = 1200;
            window.Title.Caption = caption;
        });
        binding.sync();
        const QImage image = title.grab().toImage();
        int first = -1;
        int last = -1;
        for (int y = 0; y < image.height(); ++y) {
            bool ink = false;
            for (int x = 0; x < image.width(); ++x) {
                ink = ink || qGray(image.pixel(x, y)) < 128;
            }
            if (ink) {
                first = first < 0 ? y : first;
                last = y;
            }
        }
        return first < 0 ? 0 : last - first + 1;
    };
    const int lineSpacing = title.fontMetrics().lineSpacing();
    EXPECT_LT(inkHeight("ab"), lineSpacing);
    const int twoLines = inkHeight("a\rb");
    EXPECT_EQ(title.text(), "a\nb");
    EXPECT_GT(twoLines, lineSpacing);
    EXPECT_LT(twoLines, 2 * lineSpacing);
    EXPECT_EQ(inkHeight("a\r\nb"), twoLines);
    EXPECT_EQ(title.text(), "a\nb");
    EXPECT_NEAR(inkHeight("a\r\rb"), twoLines + lineSpacing, 1);
}

TEST_F(Rendering, PropertiesFollowTheModelAfterSync) {
    app.dispatch([this] {
        window.CompButton.Enabled = false;
        window.Tick.Visible = false;
        window.Name.ToolTipText = "Name \xA3";
        window.Name.Locked = true;
        window.Tick.setValue(1);
        window.OptionA.setValue(true);
        window.Weight.setValue(15);
    });
    binding.sync();
    EXPECT_FALSE(widget<QPushButton>(window.CompButton).isEnabled());
    EXPECT_FALSE(widget<QCheckBox>(window.Tick).isVisible());
    EXPECT_TRUE(widget<QCheckBox>(window.Tick).isChecked());
    EXPECT_EQ(widget<QLineEdit>(window.Name).toolTip(), QString::fromUtf8("Name \u00A3"));
    EXPECT_TRUE(widget<QLineEdit>(window.Name).isReadOnly());
    EXPECT_TRUE(widget<QRadioButton>(window.OptionA).isChecked());
    EXPECT_FALSE(widget<QRadioButton>(window.OptionB).isChecked());
    EXPECT_EQ(widget<QSlider>(window.Weight).value(), 15);
}

TEST_F(Rendering, HidingAWindowModelHidesItsWidgetAtTheNextSync) {
    ASSERT_TRUE(top().isVisible());
    EXPECT_FALSE(binding.widgetFor(other)->isVisible());
    app.dispatch([this] { window.Hide(); });
    EXPECT_TRUE(top().isVisible());
    binding.sync();
    EXPECT_FALSE(top().isVisible());
    app.dispatch([this] { other.Show(); });
    binding.sync();
    EXPECT_TRUE(binding.widgetFor(other)->isVisible());
}

TEST_F(Rendering, APhotoIsShownScaledIntoItsImage) {
    QImage photo(400, 300, QImage::Format_RGB32);
    photo.fill(QColor(200, 30, 30));
    const std::string path = folder.file("face0.jpg");
    ASSERT_TRUE(photo.save(QString::fromStdString(path), "JPG"));
    app.dispatch([&] { window.Photo.LoadPicture(path); });
    binding.sync();

    const QRect place = widget<qtui::PictureWidget>(window.Photo).geometry();
    const QImage shown = screen();
    EXPECT_GT(countNear(shown, place.adjusted(1, 1, -1, -1), QColor(200, 30, 30)),
              (place.width() - 2) * (place.height() - 2) * 9 / 10);
}

TEST_F(Rendering, ShapesAndLinesArePaintedBeneathTheControls) {
    const QImage shown = screen();
    const QRect oval(at(3500, 2200), at(5000, 3400));
    const QColor fill(Qt::red);
    // The diagonal cross hatch covers the oval in the fill colour, and nothing outside it.
    const QRect middle(oval.center() - QPoint(15, 15), QSize(30, 30));
    EXPECT_GT(countNear(shown, middle, fill), 30 * 30 / 8);
    EXPECT_LT(countNear(shown, middle, fill), 30 * 30 * 7 / 8);
    const QRect corner(oval.topLeft() + QPoint(1, 1), QSize(8, 8));
    EXPECT_EQ(countNear(shown, corner, fill), 0);
    EXPECT_GT(countNear(shown, QRect(oval.center().x(), oval.top(), 1, 3), QColor(Qt::blue)), 0);

    const QPoint onLine = at(4250, 3600);
    EXPECT_EQ(shown.pixelColor(onLine), QColor(Qt::green));
    EXPECT_NE(shown.pixelColor(onLine + QPoint(0, 5)), QColor(Qt::green));
}

TEST_F(Rendering, TheSurfaceAndGraphicsRepaintWhenTheModelChanges) {
    app.dispatch([this] {
        window.FillRect(0, 5000, 1500, 5900, 0x00FFFF);
        window.Rule.Visible = false;
    });
    binding.sync();
    const QImage shown = screen();
    EXPECT_EQ(shown.pixelColor(at(750, 5450)), QColor(Qt::yellow));
    EXPECT_NE(shown.pixelColor(at(4250, 3600)), QColor(Qt::green));
}

TEST_F(Rendering, DesignPicturesArePaintedAndUnknownOnesLeaveTheBackground) {
    const auto inkIn = [this](const char* design) {
        app.dispatch([&] { window.Board.setDesignPicture(design); });
        binding.sync();
        const QRect place = widget<qtui::PictureWidget>(window.Board).geometry();
        const QImage shown = screen();
        return place.width() * place.height() - countNear(shown, place, Qt::white);
    };
    EXPECT_GT(inkIn("design:link"), 100);
    EXPECT_GT(inkIn("design:next"), 100);
    EXPECT_EQ(inkIn("design:nothing-of-that-name"), 0);
}

TEST_F(Rendering, ListsKeepTheirItemsWhileTheirContentsStay) {
    auto& files = widget<QListWidget>(window.File1);
    ASSERT_EQ(files.count(), 3);
    const QListWidgetItem* first = files.item(0);
    EXPECT_EQ(first->text(), "alpha.txt");
    binding.sync();
    EXPECT_EQ(files.item(0), first);

    folder.write("delta.txt", "d");
    app.dispatch([this] { window.File1.Refresh(); });
    binding.sync();
    EXPECT_EQ(files.count(), 4);
    EXPECT_EQ(files.item(2)->text(), "delta.txt");

    // The folder box shows the chain down to the start folder, then its sub-folders.
    auto& folders = widget<QListWidget>(window.Dir1);
    ASSERT_GE(folders.count(), 3);
    EXPECT_EQ(folders.item(folders.count() - 2)->text(), "Sample data");
    EXPECT_EQ(folders.item(folders.count() - 1)->text(), "Zeta");
    EXPECT_EQ(folders.currentRow(), folders.count() - 3);
}

TEST_F(Rendering, RedrawNowShowsAProgressCaptionInTheMiddleOfAHandler) {
    QString seen;
    window.CompButton.onClick = [&] {
        window.Title.Caption = "50%";
        window.Title.Refresh();
        seen = widget<QLabel>(window.Title).text();
        window.Title.Caption = "100%";
    };
    QTest::mouseClick(&widget<QPushButton>(window.CompButton), Qt::LeftButton);
    EXPECT_EQ(seen, "50%");
    EXPECT_EQ(widget<QLabel>(window.Title).text(), "100%");
}

// Two controls refreshed one after the other in a long handler both show their new state: the
// display's pace holds for each control on its own.
TEST_F(Rendering, RedrawNowPaintsEachControlAtItsOwnPace) {
    QString title;
    QString notes;
    window.CompButton.onClick = [&] {
        window.Title.Caption = "50%";
        window.Title.Refresh();
        window.Notes.setText("half way");
        window.Notes.Refresh();
        title = widget<QLabel>(window.Title).text();
        notes = widget<QPlainTextEdit>(window.Notes).toPlainText();
    };
    QTest::mouseClick(&widget<QPushButton>(window.CompButton), Qt::LeftButton);
    EXPECT_EQ(title, "50%");
    EXPECT_EQ(notes, "half way");
}

namespace {

// The first and last rows of a picture that hold a pixel darker than mid-grey.
std::pair<int, int> inkRows(const QImage& image) {
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).lightness() < 128) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

}  // namespace

// The text of a box of its own colour (a place, a quick key's face) stands in its middle, like a
// text box's; a plain label's text starts at its top.
TEST_F(Rendering, ABoxOfItsOwnColourCentresItsTextUpright) {
    window.Title.Height = 900;
    window.Title.Opaque = true;
    window.Title.BackColor = forms::kWhite;
    binding.sync();
    auto& box = widget<QLabel>(window.Title);
    const auto [top, bottom] = inkRows(box.grab().toImage());
    ASSERT_GE(top, 0);
    EXPECT_LE(std::abs((top + bottom) - box.height()), 4);

    window.Title.Opaque = false;
    binding.sync();
    EXPECT_LT(inkRows(box.grab().toImage()).first, box.height() / 4);
}

// Open and closed folders may come in different sizes from the icon theme; the list shows them at
// one size, row by row alike.
TEST_F(Rendering, EveryFolderRowHasOneHeight) {
    auto& folders = widget<QListWidget>(window.Dir1);
    ASSERT_GE(folders.count(), 3);
    const int height = folders.visualItemRect(folders.item(0)).height();
    for (int row = 1; row < folders.count(); ++row) {
        EXPECT_EQ(folders.visualItemRect(folders.item(row)).height(), height) << row;
    }
}
