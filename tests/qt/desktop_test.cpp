#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "common/qt/label_widget.h"
#include "common/qt/picture_widget.h"
#include "tests/qt/sample_program.h"

namespace {

using Log = std::vector<std::string>;

// How the desktop behaves for a keyboard user: focus, keys on buttons, Escape, and where the
// secondary windows open.
struct Desktop : ::testing::Test, BindingFixture {
    Desktop() {
        top().move(120, 90);
        top().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&top()));
    }

    QWidget& showOther() {
        app.dispatch([this] { other.Show(); });
        binding.sync();
        QWidget& second = *binding.widgetFor(other);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&second));
        return second;
    }

    // Presses Tab until the widget has the focus; false if it never comes.
    static bool tabTo(QWidget& window, const QWidget& target) {
        for (int step = 0; step < 40 && !target.hasFocus(); ++step) {
            QWidget* from = QApplication::focusWidget();
            QTest::keyClick(from != nullptr ? from : &window, Qt::Key_Tab);
        }
        return target.hasFocus();
    }
};

int countColour(const QImage& image, QColor colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

}  // namespace

TEST_F(Desktop, TabReachesLabelButtonsAndCommandButtonsAndShowsTheFocus) {
    auto& link = widget<qtui::LabelWidget>(window.LinkLabel);
    auto& button = widget<QPushButton>(window.CompButton);
    // The window gives its first button the focus when it opens; the looks without it first.
    widget<QListWidget>(window.File1).setFocus();
    const QImage linkPlain = link.grab().toImage();
    const QImage buttonPlain = button.grab().toImage();

    ASSERT_TRUE(tabTo(top(), link));
    const QImage linkFocused = link.grab().toImage();
    // A ring of the highlight colour runs round the inside of the button.
    const QColor ring = link.palette().color(QPalette::Highlight);
    EXPECT_EQ(countColour(linkPlain, ring), 0);
    EXPECT_GE(countColour(linkFocused, ring), 2 * (link.width() + link.height()));

    ASSERT_TRUE(tabTo(top(), button));
    EXPECT_LT(countColour(buttonPlain, ring), 2 * (button.width() + button.height()));
    EXPECT_GE(countColour(button.grab().toImage(), ring), 2 * (button.width() + button.height()));
    // The ring goes with the focus.
    EXPECT_EQ(countColour(link.grab().toImage(), ring), 0);

    // A label that is no button, or a button that is disabled, is passed by.
    EXPECT_EQ(widget<QLabel>(window.Title).focusPolicy(), Qt::NoFocus);
    window.LinkLabel.Enabled = false;
    binding.sync();
    EXPECT_FALSE(tabTo(top(), link));
}

TEST_F(Desktop, SpaceAndReturnClickLabelButtonsAndCommandButtons) {
    auto& link = widget<qtui::LabelWidget>(window.LinkLabel);
    auto& button = widget<QPushButton>(window.CompButton);
    ASSERT_TRUE(tabTo(top(), link));
    // Space sinks the button and clicks when it is let go, as on a push button.
    const QImage up = link.grab().toImage();
    QTest::keyPress(&link, Qt::Key_Space);
    EXPECT_NE(link.grab().toImage(), up);
    EXPECT_TRUE(window.log.empty());
    QTest::keyRelease(&link, Qt::Key_Space);
    EXPECT_EQ(link.grab().toImage(), up);
    QTest::keyClick(&link, Qt::Key_Return);
    QTest::keyClick(&link, Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_TRUE(tabTo(top(), button));
    QTest::keyClick(&button, Qt::Key_Space);
    QTest::keyClick(&button, Qt::Key_Return);
    QTest::keyClick(&button, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(window.log, (Log{"LinkLabel_Click", "LinkLabel_Click", "LinkLabel_Click",
                               "CompButton_Click", "CompButton_Click", "CompButton_Click"}));
}

// A plain label or a picture that acts on a click (a hot area, a "next view" arrow) is a button to
// the keyboard too; one that does not act is passed by.
TEST_F(Desktop, LabelsAndPicturesThatActOnAClickAreButtonsToTheKeyboard) {
    auto& title = widget<qtui::LabelWidget>(window.Title);
    auto& photo = widget<qtui::PictureWidget>(window.Photo);
    EXPECT_EQ(title.focusPolicy(), Qt::NoFocus);
    window.Title.onClick = [this] { window.log.push_back("Title_Click"); };
    binding.sync();

    // Tab goes round the window, through a multi-line text box too, and back to the top.
    ASSERT_TRUE(tabTo(top(), photo));
    ASSERT_TRUE(tabTo(top(), title));
    const QColor ring = title.palette().color(QPalette::Highlight);
    EXPECT_GE(countColour(title.grab().toImage(), ring), 2 * (title.width() + title.height()));
    QTest::keyClick(&title, Qt::Key_Return);
    ASSERT_TRUE(tabTo(top(), photo));
    EXPECT_GE(countColour(photo.grab().toImage(), ring), 2 * (photo.width() + photo.height()));
    QTest::keyClick(&photo, Qt::Key_Space);
    QTest::keyClick(&photo, Qt::Key_Return);
    EXPECT_EQ(window.log, (Log{"Title_Click", "Photo_Click", "Photo_Click"}));
}

TEST_F(Desktop, EscapePressesTheCancelButtonOfTheWindow) {
    // A cancel label button, from a control that has the focus: its click handler hides the
    // window.
    QWidget& second = showOther();
    QTest::keyClick(&widget<QPushButton>(other.Done), Qt::Key_Escape);
    EXPECT_EQ(other.log, (Log{"Back_Click"}));
    EXPECT_FALSE(other.Visible());
    EXPECT_FALSE(second.isVisible());

    // A cancel command button, from the window itself.
    other.Back.Cancel = false;
    other.Done.Cancel = true;
    showOther();
    QTest::keyClick(&second, Qt::Key_Escape);
    EXPECT_EQ(other.log, (Log{"Back_Click", "Done_Click"}));
    EXPECT_FALSE(second.isVisible());

    // A cancel button the user could not click is not pressed either.
    other.Done.Enabled = false;
    showOther();
    QTest::keyClick(&second, Qt::Key_Escape);
    EXPECT_EQ(other.log.size(), 2U);
    EXPECT_TRUE(second.isVisible());

    // A window without a cancel button stays.
    QTest::keyClick(&widget<QListWidget>(window.File1), Qt::Key_Escape);
    EXPECT_TRUE(window.Visible());
    EXPECT_TRUE(top().isVisible());
}

TEST_F(Desktop, AWindowWithAnOwnerIsItsDialogAndOpensCentredOverIt) {
    QWidget& second = showOther();
    EXPECT_EQ(second.parentWidget(), &top());
    EXPECT_TRUE(second.isWindow());
    // Only a dialog gets WM_TRANSIENT_FOR on X11, which keeps it above its owner.
    EXPECT_EQ(second.windowType(), Qt::Dialog);
    ASSERT_NE(second.windowHandle(), nullptr);
    EXPECT_EQ(second.windowHandle()->transientParent(), top().windowHandle());
    EXPECT_LE((second.geometry().center() - top().geometry().center()).manhattanLength(), 2);

    // Moved by the user, it opens again where it was left.
    second.move(second.pos() + QPoint(40, 30));
    const QPoint left = second.pos();
    app.dispatch([this] { other.Hide(); });
    binding.sync();
    showOther();
    EXPECT_EQ(second.pos(), left);
    // The main window belongs to no one.
    EXPECT_EQ(top().parentWidget(), nullptr);
    EXPECT_EQ(top().windowType(), Qt::Window);
}

// Shown again while it is open, behind the window the user went on in, a window comes to the
// front and takes the keyboard.
TEST_F(Desktop, OpeningAWindowThatIsOpenRaisesAndActivatesIt) {
    QWidget& second = showOther();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&second));
    top().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&top()));
    showOther();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&second));
    EXPECT_EQ(app.activeWindow(), &other);
}

// A window the program takes its owner from becomes a window of its own; given one again, it
// is again that one's dialog.
TEST_F(Desktop, AWindowGoesWithTheOwnerItIsGiven) {
    QWidget& second = showOther();
    forms::Window* const owners[] = {nullptr, &window};
    for (forms::Window* owner : owners) {
        app.dispatch([this] { other.Hide(); });
        binding.sync();
        other.Owner = owner;
        showOther();
        EXPECT_EQ(second.parentWidget(), owner != nullptr ? &top() : nullptr);
        EXPECT_EQ(second.windowType(), owner != nullptr ? Qt::Dialog : Qt::Window);
        EXPECT_TRUE(second.isVisible());
    }
}

TEST_F(Desktop, ASecondaryWindowOverAMainWindowHalfOffTheScreenOpensOnTheScreen) {
    const QRect room = top().screen()->availableGeometry();
    top().move(room.topLeft() - QPoint(top().width() - 40, top().height() - 40));
    const QWidget& second = showOther();
    EXPECT_TRUE(room.contains(second.geometry())) << second.x() << "," << second.y();
}

namespace {

// A window of the given size in twips and nothing else.
class PlainWindow : public forms::Window {
  public:
    PlainWindow(forms::Application& app, std::string name, int width, int height)
        : Window(app, std::move(name)) {
        Caption = this->name();
        Width = width;
        Height = height;
    }
};

// A wizard: its first window is the main one, and each step shows the next window and hides the
// one in use, as the desktop then activates the window it shows.
struct Wizard : ::testing::Test {
    Wizard() {
        app.dispatch([this] { first.Show(); });
        binding.sync();
        widget(first).move(100, 80);
        activate(first);
    }

    QWidget& widget(const forms::Window& window) { return *binding.widgetFor(window); }

    void activate(const forms::Window& window) {
        widget(window).activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&widget(window)));
    }

    QWidget& goFrom(forms::Window& from, forms::Window& to) {
        app.dispatch([&from, &to] {
            to.Show();
            from.Hide();
        });
        binding.sync();
        EXPECT_TRUE(widget(from).isHidden());
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&widget(to)));
        activate(to);
        return widget(to);
    }

    static int offCentre(const QWidget& window, const QRect& over) {
        return (window.geometry().center() - over.center()).manhattanLength();
    }

    TempFolder folder;
    QuietPlatform platform;
    forms::Application app{platform, folder.text()};
    PlainWindow first{app, "First", 6000, 4500};
    PlainWindow colours{app, "Colours", 3000, 2000};
    PlainWindow steps{app, "Steps", 5000, 3600};
    qtui::QtBinding binding{app, platform};
};

}  // namespace

TEST_F(Wizard, AWindowOpensOverTheWindowItReplacesAndWhereTheUserLeftItOverTheSameOne) {
    const QRect firstPlace = widget(first).geometry();
    QWidget& colourWindow = goFrom(first, colours);
    EXPECT_LE(offCentre(colourWindow, firstPlace), 2);
    QWidget& stepWindow = goFrom(colours, steps);
    EXPECT_LE(offCentre(stepWindow, colourWindow.geometry()), 2);
    // A step that takes the place of another is an ordinary window of its own.
    for (const QWidget* step : {&colourWindow, &stepWindow}) {
        EXPECT_EQ(step->parentWidget(), nullptr);
        EXPECT_EQ(step->windowType(), Qt::Window);
    }

    // Back from a step window the user moved: the colours open over it, not where they were.
    stepWindow.move(stepWindow.pos() + QPoint(150, 100));
    const QRect stepPlace = stepWindow.geometry();
    goFrom(steps, colours);
    EXPECT_LE(offCentre(colourWindow, stepPlace), 2) << colourWindow.x() << "," << colourWindow.y();

    // On again over the same window: the step window opens where the user left it.
    colourWindow.move(colourWindow.pos() + QPoint(-30, 40));
    goFrom(colours, steps);
    EXPECT_EQ(stepWindow.geometry(), stepPlace);
}
