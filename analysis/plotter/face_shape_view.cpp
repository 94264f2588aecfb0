#include "analysis/plotter/face_shape_view.h"

#include <cstdlib>
#include <string>

#include "analysis/plotter/plot_figures.h"
#include "analysis/plotter/plotter_form.h"
#include "analysis/program.h"

// View 5: the outlines of faces A, B and C hanging from one eye line, centred on one axis, with
// each loaded face's shape word and its width and length as a percentage of the average face.

namespace analysis {

namespace {

constexpr std::int16_t kFaceShapeView = 5;
constexpr double kAxisX = 4000;
constexpr double kEyeLineY = 1400;
constexpr double kScale = 3.6;
constexpr int kEyeLineLeft = 250;
constexpr int kEyeLineRight = 7000;
// The eye lies 1000 units above the chin in the normalised frame.
constexpr double kEyeHeight = 1000;
constexpr int kSquareMargin = 5;
constexpr int kSquareLimit = 28;

// Face width from the nose tip (portrait point 4) to the face edge (point 5), doubled, and face
// length from the chin to the top of the eyebrows (point 3). The average face keeps its points
// two elements higher than a face slot.
struct Outline {
    int width;
    int length;
};

Outline slotOutline(const FaceCoords& coords) {
    return {2 * (coords[59] - coords[61]), coords[58]};
}

Outline averageOutline(const FaceCoords& coords) {
    return {std::abs(2 * (coords[61] - coords[63])), coords[60]};
}

void drawOutline(forms::Shape& shape, const Outline& outline) {
    const double top = kEyeLineY - kScale * (outline.length - kEyeHeight);
    const double left = kAxisX - kScale * outline.width / 2;
    SetShapeBounds(shape, left, top, kScale * outline.width, kScale * outline.length);
}

std::string shapeWord(FaceShapeClass shape, const UiWords& words) {
    switch (shape) {
        case FaceShapeClass::Heart:
            return words.ShapeHeart;
        case FaceShapeClass::Square:
            return words.ShapeSquare;
        case FaceShapeClass::Round:
            break;
    }
    return words.ShapeRound;
}

// A face longer than it is wide: Square becomes Square Long, Round and Heart become Oval.
void lengthen(std::string& word, float widthPercent, float lengthPercent, const UiWords& words) {
    if (lengthPercent > widthPercent && word == words.ShapeSquare) {
        word = words.ShapeSquare + " " + words.ShapeLong;
    }
    if (lengthPercent > widthPercent && (word == words.ShapeRound || word == words.ShapeHeart)) {
        word = words.ShapeOval;
    }
}

std::string faceBlock(const UiWords& words, const char* letter, const std::string& shape,
                      float widthPercent, float lengthPercent) {
    return words.FaceWord + letter + "\r\n" + shape + "\r\n" + words.WidthWord + " = " +
           FigureText(widthPercent) + "%\r\n" + words.HeightWord + " = " +
           FigureText(lengthPercent) + "%\r\n\r\n";
}

}  // namespace

int JawlineDifference(std::int16_t angle1, std::int16_t angle2) {
    return std::abs(std::abs(static_cast<int>(angle2)) - std::abs(static_cast<int>(angle1)));
}

// Later tests overwrite earlier ones: a difference above the limit is Square even when it would
// also be a Heart.
FaceShapeClass ClassifyFaceShape(int dFace, int dAverage) {
    FaceShapeClass shape = FaceShapeClass::Round;
    if (dFace <= dAverage) {
        shape = FaceShapeClass::Round;
    }
    if (dFace <= dAverage - kSquareMargin) {
        shape = FaceShapeClass::Heart;
    }
    if (dFace > kSquareLimit) {
        shape = FaceShapeClass::Square;
    }
    return shape;
}

void PlotterForm::faceShapeViewButton_Click() {
    BlankPanel.Visible = false;
    program_.Plotter.ViewMode = kFaceShapeView;
    SetPersonCaptions();
    HidePlotLines();
    HideFeatureShapes();
    DrawFaceShapeView();
    ResetPlotLines();
    TopLabel.Visible = true;
    BottomLabel.Visible = true;
}

void PlotterForm::DrawFaceShapeView() {
    SetPersonCaptions();
    EyeLevelLabel.Visible = true;
    EyeLevel.Y1 = static_cast<int>(kEyeLineY);
    EyeLevel.Y2 = static_cast<int>(kEyeLineY);
    EyeLevel.X1 = kEyeLineLeft;
    EyeLevel.X2 = kEyeLineRight;
    EyeLevel.Visible = true;

    drawOutline(Perimeter1, slotOutline(program_.Face1.Coords));
    drawOutline(Perimeter2, slotOutline(program_.Face2.Coords));
    drawOutline(Perimeter3, averageOutline(program_.Statistics.MedianCoords));

    ClassifyFaceShapes();

    const UiWords& words = program_.Words;
    PlotterState& state = program_.Plotter;
    // The percentages are of the sizes the canvas holds.
    const float widthA = HundredTimesOver(Perimeter1.Width, Perimeter3.Width);
    const float lengthA = HundredTimesOver(Perimeter1.Height, Perimeter3.Height);
    lengthen(state.FaceShapeA, widthA, lengthA, words);

    Statsbox.setText(words.PercentOfAverageText + "\r\n\r\n");
    if (program_.Face1.Loaded) {
        Statsbox.setText(Statsbox.Text() +
                         faceBlock(words, " A : ", state.FaceShapeA, widthA, lengthA));
    }
    if (program_.Face2.Loaded) {
        const float widthB = HundredTimesOver(Perimeter2.Width, Perimeter3.Width);
        const float lengthB = HundredTimesOver(Perimeter2.Height, Perimeter3.Height);
        lengthen(state.FaceShapeB, widthB, lengthB, words);
        Statsbox.setText(Statsbox.Text() +
                         faceBlock(words, " B : ", state.FaceShapeB, widthB, lengthB));
    }
}

// Face B is classified only when face A has its jawline measured.
void PlotterForm::ClassifyFaceShapes() {
    const UiWords& words = program_.Words;
    PlotterState& state = program_.Plotter;
    state.FaceShapeA = words.ShapeRound;
    state.FaceShapeB = words.ShapeRound;
    const FaceAngles& anglesA = program_.Face1.Angles;
    if (anglesA[21] == 0) {
        return;
    }
    const FaceAngles& average = program_.Statistics.MedianAngles;
    const int dAverage = JawlineDifference(average[21], average[22]);
    state.FaceShapeA =
        shapeWord(ClassifyFaceShape(JawlineDifference(anglesA[21], anglesA[22]), dAverage), words);
    const FaceAngles& anglesB = program_.Face2.Angles;
    if (anglesB[21] != 0) {
        state.FaceShapeB = shapeWord(
            ClassifyFaceShape(JawlineDifference(anglesB[21], anglesB[22]), dAverage), words);
    }
}

}  // namespace analysis
