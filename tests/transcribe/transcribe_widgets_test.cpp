#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "analysis/engine/face_file.h"
#include "analysis/engine/face_loading.h"
#include "analysis/program.h"
#include "common/files/text_file.h"
#include "common/headless/recording_platform.h"
#include "common/qt/design_pictures.h"
#include "common/qt/qt_binding.h"
#include "common/qt/qt_platform.h"
#include "common/text/cp1252.h"
#include "tests/common/temp_folder.h"
#include "tests/transcribe/hand_face.h"
#include "transcribe/program.h"

namespace {

// Reports errors into a list and answers questions from one, instead of a message box that
// would wait for a click; a question without an answer left is answered with its last answer.
class QuietPlatform : public qtui::QtPlatform {
  public:
    std::vector<QString> errors;
    std::vector<QString> questions;
    std::vector<int> answers;

  protected:
    void showError(QWidget*, const QString& message) override { errors.push_back(message); }
    int askChoiceBox(QWidget*, const QString& question, const QStringList& given) override {
        questions.push_back(question);
        if (answers.empty()) {
            return static_cast<int>(given.size()) - 1;
        }
        const int answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
};

template <typename Widget>
Widget* child(QWidget* window, const char* name) {
    auto* found = window->findChild<Widget*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Selects what the box holds and types text over it, key by key.
void typeInto(QWidget* window, const char* name, const QString& text) {
    auto* box = child<QLineEdit>(window, name);
    ASSERT_TRUE(box->isEnabled()) << name;
    box->setFocus();
    box->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(box, Qt::Key_Delete);
    }
    for (const QChar ch : text) {
        if (ch.unicode() < 128) {
            QTest::keyClick(box, ch.toLatin1());
        } else {
            // A key that has no ASCII letter: the event carries the typed character.
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(box, &key);
        }
    }
}

// The keys typed go to whatever has the keyboard, as a user types.
void typeAtFocus(const QString& text) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClicks(focus, text);
}

void press(QWidget* window, const char* name) {
    auto* button = child<QPushButton>(window, name);
    ASSERT_TRUE(button->isVisible()) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

// The wizard started on real widgets, with its first window shown.
struct WizardOnScreen : ::testing::Test {
    TempFolder folder;
    QuietPlatform platform;
    forms::Application app{platform, folder.text()};
    transcribe::TranscribeProgram program{app};
    qtui::QtBinding binding{app, platform};

    void SetUp() override {
        app.dispatch([this] { program.start(); });
        binding.sync();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(binding.widgetFor(program.InitialForm)));
    }

    // Photoshop mode and the colour window passed as they stand: the steps window, active.
    QWidget* openSteps() {
        press(binding.widgetFor(program.InitialForm), "ContinueBox");
        QWidget* colours = binding.widgetFor(program.ColourForm);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(colours));
        press(colours, "ForwardButton");
        QWidget* steps = binding.widgetFor(program.InputForm);
        steps->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(steps));
        return steps;
    }
};

}  // namespace

TEST(TranscribeWidgets, TypeAWholeFaceSaveItAndLoadItInTheAnalysisProgram) {
    TempFolder folder;
    const std::string data = folder.subfolder("Sample data");
    QuietPlatform platform;
    forms::Application app(platform, folder.text());
    transcribe::TranscribeProgram program(app);
    qtui::QtBinding binding(app, platform);
    app.dispatch([&program] { program.start(); });
    binding.sync();

    QWidget* first = binding.widgetFor(program.InitialForm);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(first));
    typeInto(first, "NameBox", QString::fromUtf8("  Zo\xC3\xAB Smith "));
    typeInto(first, "JobBox", "Actress, Dutch");
    typeInto(first, "HeightBox", "168");
    EXPECT_EQ(program.InitialForm.Imperial.Caption, "=  5 ft  6 inches");
    typeInto(first, "URLbox", "www.example.org/zoe");
    // Text the 8-bit file cannot hold is refused, naming the box; the box keeps its text.
    typeInto(first, "URLbox", QString::fromUtf8("\xCE\xA9"));
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_TRUE(platform.errors[0].contains("Website URL"));
    EXPECT_EQ(program.InitialForm.URLbox.Text(), "www.example.org/zoe");
    EXPECT_EQ(child<QLineEdit>(first, "URLbox")->text(), "www.example.org/zoe");
    press(first, "FireworksButton");

    QWidget* colours = binding.widgetFor(program.ColourForm);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(colours));
    EXPECT_FALSE(first->isVisible());
    typeInto(colours, "HairInputBox", "255,128,0,999,999");  // the box takes 11 characters
    EXPECT_EQ(program.ColourForm.HairInputBox.Text(), "255,128,0,9");
    typeInto(colours, "EyeInputBox", "51,102,153");
    typeInto(colours, "SkinInputBox", "224,176,144");
    press(colours, "ForwardButton");

    QWidget* steps = binding.widgetFor(program.InputForm);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(steps));
    for (const auto& [x, y] : kHandPoints) {
        typeInto(steps, "Xpos", x);
        typeInto(steps, "Ypos", y);
        press(steps, "GoForward");
    }
    EXPECT_EQ(steps->windowTitle(), "Point 21");
    EXPECT_EQ(child<QWidget>(steps, "LabelX")->isEnabled(), true);
    for (const auto& [dX, dY] : std::array<std::pair<const char*, const char*>, 10>{{{"10", "10"},
                                                                                     {"10", "-10"},
                                                                                     {"0", "5"},
                                                                                     {"4", "3"},
                                                                                     {"3", "4"},
                                                                                     {"100", "36"},
                                                                                     {"20", "1"},
                                                                                     {"-10", "10"},
                                                                                     {"1", "0"},
                                                                                     {"2", "7"}}}) {
        typeInto(steps, "Xpos", dX);
        typeInto(steps, "Ypos", dY);
        press(steps, "GoForward");
    }
    EXPECT_EQ(steps->windowTitle(), "Save as...");
    EXPECT_EQ(child<QPushButton>(steps, "GoForward")->text(), "Save");
    EXPECT_TRUE(child<QWidget>(steps, "Dir1")->isVisible());
    EXPECT_EQ(program.InputForm.Dir1.Path(), data);
    press(steps, "GoForward");

    EXPECT_TRUE(app.ended());
    EXPECT_EQ(platform.errors.size(), 1u);
    // The analysis program loads the new face as face 1.
    common::RecordingPlatform headless;
    forms::Application analysisApp(headless, folder.text());
    analysis::AnalysisProgram analysisProgram(analysisApp);
    analysisApp.dispatch([&analysisProgram, &data] {
        analysisProgram.MainWindow.Dir1.setPath(data);
        EXPECT_TRUE(analysis::LoadFirstFace(analysisProgram, "Zo\xEB Smith.txt"));
    });
    const analysis::FaceSlot& loaded = analysisProgram.Face1;
    EXPECT_EQ(loaded.FaceName, "Zo\xEB Smith");
    EXPECT_EQ(loaded.FaceHeight, 168);
    EXPECT_EQ(loaded.Coords[53], 500);
    EXPECT_EQ(loaded.Coords[56], 1000);
    EXPECT_EQ(loaded.Angles[21], -45);
    EXPECT_EQ(loaded.ColourLine, "~ 33023~ 10053171~ 9482464~");

    const std::string saved = common::readWholeFile(common::joinPath(data, "Zo\xEB Smith.txt"));
    const analysis::FaceFileContents face = analysis::parseFaceFile(saved);
    EXPECT_EQ(face.name, "Zo\xEB Smith");
    EXPECT_EQ(face.info, "Actress, Dutch (Portrait only)");
    EXPECT_EQ(face.height, 168);
    EXPECT_EQ(face.colourLine, "~ 33023~ 10053171~ 9482464~");
    EXPECT_EQ(face.webAddress, "www.example.org/zoe");
    // Portrait point k at elements 51 + 2k and 52 + 2k: the chin at 0, the eye edge at 1000.
    EXPECT_EQ(face.coords[53], 500);
    EXPECT_EQ(face.coords[54], 0);
    EXPECT_EQ(face.coords[56], 1000);
    EXPECT_EQ(face.coords[51 + 2 * 19], 430);
    // Portrait angle j at element 20 + j, stored falling.
    EXPECT_EQ(face.angles[21], -45);
    EXPECT_EQ(face.angles[22], -135);
    EXPECT_EQ(face.angles[23], -90);
    EXPECT_EQ(face.angles[30], -74);
}

TEST_F(WizardOnScreen, AFailedScalingShowsItsMessageOverTheStepsAndGoesBackToStepOne) {
    QWidget* steps = openSteps();
    for (int step = 1; step <= 31; ++step) {
        press(steps, "GoForward");
    }
    QWidget* error = binding.widgetFor(program.ErrorForm);
    ASSERT_TRUE(error->isVisible());
    EXPECT_EQ(steps->windowTitle(), "Point 1");
    // A dialog of the steps, which X11 keeps above them; the steps, which took the place of the
    // colour window as that took the first window's, are windows of their own.
    EXPECT_EQ(error->windowType(), Qt::Dialog);
    EXPECT_EQ(error->parentWidget(), steps);
    ASSERT_NE(error->windowHandle(), nullptr);
    EXPECT_EQ(error->windowHandle()->transientParent(), steps->windowHandle());
    for (const QWidget* step : {steps, binding.widgetFor(program.ColourForm)}) {
        EXPECT_EQ(step->windowType(), Qt::Window);
        EXPECT_EQ(step->parentWidget(), nullptr);
    }
    // Centred over the window in use, not wherever the hidden first window stood.
    const QPoint offset = error->geometry().center() - steps->geometry().center();
    EXPECT_LE(offset.manhattanLength(), 4);
    EXPECT_FALSE(app.ended());
    EXPECT_TRUE(platform.errors.empty());
}

namespace {

QImage guidePicture(const std::string& name) {
    QImage image(150, 190, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    EXPECT_TRUE(qtui::paintDesignPicture(painter, QRectF(0, 0, 150, 190), name, Qt::red, Qt::white))
        << name;
    return image;
}

int inkPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += pixel.red() > 150 && pixel.green() < 100 && pixel.blue() < 100 ? 1 : 0;
        }
    }
    return count;
}

}  // namespace

// Each step's guide picture marks its own landmark or line on the face outline.
TEST(GuidePictures, EveryStepMarksSomethingOfItsOwn) {
    std::vector<QImage> pictures;
    for (int step = 1; step <= 30; ++step) {
        pictures.push_back(guidePicture("design:guide-" + std::to_string(step)));
        EXPECT_GT(inkPixels(pictures.back()), 20) << step;
    }
    for (std::size_t a = 0; a < pictures.size(); ++a) {
        for (std::size_t b = a + 1; b < pictures.size(); ++b) {
            EXPECT_NE(pictures[a], pictures[b]) << a + 1 << " and " << b + 1;
        }
    }
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    for (const char* unknown :
         {"design:guide-0", "design:guide-31", "design:guide-", "design:guide-1x"}) {
        EXPECT_FALSE(
            qtui::paintDesignPicture(painter, QRectF(0, 0, 10, 10), unknown, Qt::red, Qt::white))
            << unknown;
    }
}

// The first window's name is typed at once over the one offered.
TEST_F(WizardOnScreen, TypingIntoTheFirstWindowReplacesTheNameOffered) {
    QWidget* first = binding.widgetFor(program.InitialForm);
    first->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(first));
    auto* name = child<QLineEdit>(first, "NameBox");
    EXPECT_EQ(QApplication::focusWidget(), name);
    EXPECT_EQ(name->selectedText(), "NewSampleFace");
    typeAtFocus("Jane");
    EXPECT_EQ(program.InitialForm.NameBox.Text(), "Jane");
}

// The title bar's close button asks as "Quit without saving" does once there is work to lose;
// Keep going leaves the window open.
TEST_F(WizardOnScreen, TheCloseButtonAsksOnceSomethingWasTyped) {
    QWidget* steps = openSteps();
    steps->close();
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0], "Quit without saving? The values typed so far are lost.");
    EXPECT_TRUE(steps->isVisible());
    EXPECT_FALSE(app.ended());
    platform.answers = {0};
    steps->close();
    EXPECT_TRUE(app.ended());
    EXPECT_FALSE(steps->isVisible());
}

// Each step puts the keyboard in the box its value is typed into: X for a point, the angle box
// for an angle, so a face is typed without reaching for the mouse.
TEST_F(WizardOnScreen, EachStepTakesTheKeyboardToItsFirstBox) {
    QWidget* steps = openSteps();
    for (int step = 1; step <= 20; ++step) {
        EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>(steps, "Xpos")) << step;
        press(steps, "GoForward");
    }
    EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>(steps, "Anglebox"));
    press(steps, "GoBack");
    EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>(steps, "Xpos"));
}

// A step shows its stored value selected, so typing replaces it ("200", not "2000" or "0200").
TEST_F(WizardOnScreen, TypingIntoAFreshStepReplacesTheValueShown) {
    QWidget* steps = openSteps();
    typeAtFocus("200");
    EXPECT_EQ(child<QLineEdit>(steps, "Xpos")->text(), "200");
    EXPECT_EQ(program.PointCoords[0], 200);
    // Return goes on to Y, its value selected too, and Return there to the next step.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>(steps, "Ypos"));
    typeAtFocus("300");
    EXPECT_EQ(program.PointCoords[1], 300);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(program.InputForm.step(), 2);
    EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>(steps, "Xpos"));
    // Back at step 1 its stored value is selected again and typed over.
    press(steps, "GoBack");
    child<QLineEdit>(steps, "Xpos")->setFocus();
    EXPECT_EQ(child<QLineEdit>(steps, "Xpos")->selectedText(), "200");
    typeAtFocus("250");
    EXPECT_EQ(program.PointCoords[0], 250);
}

// "99999" in Y leaves 9999 stored, and says so beside the box.
TEST_F(WizardOnScreen, ARefusedKeystrokeIsNamedBesideItsBox) {
    QWidget* steps = openSteps();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    typeAtFocus("99999");
    EXPECT_EQ(program.PointCoords[1], 9999);
    binding.sync();
    auto* kept = child<QWidget>(steps, "KeptY");
    EXPECT_TRUE(kept->isVisible());
    EXPECT_EQ(kept->property("text").toString(), "too large: 9999 is kept");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    binding.sync();
    EXPECT_EQ(kept->property("text").toString(), "");
}

// Tab goes X, Y, ">>", "<<" and only then "Quit without saving".
TEST_F(WizardOnScreen, TabVisitsTheBoxesTheStepButtonsAndQuitLast) {
    QWidget* steps = openSteps();
    std::vector<QString> order;
    for (int key = 0; key < 5; ++key) {
        order.push_back(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, (std::vector<QString>{"Xpos", "Ypos", "GoForward", "GoBack", "QuitButton"}));
    EXPECT_NE(steps, nullptr);
}

// A step easily taken for another marks its own spot: the two pictures differ in much more than
// a mark moved by a few pixels.
TEST(GuidePictures, ConfusableStepsMarkClearlyDifferentSpots) {
    const auto pixelsApart = [](int a, int b) {
        const QImage first = guidePicture("design:guide-" + std::to_string(a));
        const QImage second = guidePicture("design:guide-" + std::to_string(b));
        int apart = 0;
        for (int y = 0; y < first.height(); ++y) {
            for (int x = 0; x < first.width(); ++x) {
                apart += first.pixel(x, y) != second.pixel(x, y) ? 1 : 0;
            }
        }
        return apart;
    };
    // A mark moved by two or three pixels changes some 130 pixels of a picture this size.
    constexpr int kMovedMark = 130;
    EXPECT_GT(pixelsApart(2, 8), 2 * kMovedMark);
    EXPECT_GT(pixelsApart(3, 12), 2 * kMovedMark);
    // Step 20 draws its vertical line: one column holds a long run of ink.
    const QImage nose = guidePicture("design:guide-20");
    int longest = 0;
    for (int x = 0; x < nose.width(); ++x) {
        int run = 0;
        for (int y = 0; y < nose.height(); ++y) {
            const QColor pixel = nose.pixelColor(x, y);
            run = pixel.red() > 150 && pixel.green() < 100 ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    EXPECT_GT(longest, nose.height() / 8);
}
