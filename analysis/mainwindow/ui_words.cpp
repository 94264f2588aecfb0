#include "analysis/mainwindow/ui_words.h"

#include "common/text/cp1252.h"

namespace analysis {

void setEnglishDefaults(UiWords& words) {
    words.ViewFullLength = "Full-length";
    words.ViewPortrait = "Portrait";
    words.ViewProfile = "Profile";
    words.ViewTypical = "Typical";
    words.ViewAlternative = "Alternative";
    words.FacesWord = " faces";
    words.FaceWord = "FACE";
    words.EyesWord = "Eyes";
    words.NoseWord = "Nose";
    words.MouthWord = "Mouth";
    words.LayoutWord = "Layout";
    words.JawlineWord = "Jawline";
    words.FaceShapeWord = "Face Shape";
    words.ShapeWord = "Shape";
    words.SkinWord = "Skin";
    words.HairWord = "Hair";
    words.PortraitOnlyText = "Portrait only";
    words.NoDataText = "No data has been loaded.";
    words.NeedThreeFacesText = "You need at least 3 faces to make comparisons";
    words.FirstPlacePrefix = "1st : ";
    words.SecondPlacePrefix = "2nd : ";
    words.ThirdPlacePrefix = "3rd : ";
    words.HeightWord = "Height";
    words.FeetWord = "ft";
    words.InchesWord = "in";
    words.UnknownWord = "unknown";
    words.UnavailableText = " is unavailable. Change the settings in Preferences.";
    words.ResultsTitleText = "Comparison results for ";
    words.PercentOfAverageText = "% of average";
    words.WidthWord = "Width";
    words.ShapeSquare = "Square";
    words.ShapeOval = "Oval";
    words.ShapeRound = "Round";
    words.ShapeLong = "Long";
    words.ShapeHeart = "Heart";
}

std::string besideWords(const UiWords& words, std::string_view text) {
    return words.WordsInUtf8 ? common::cp1252ToUtf8(text) : std::string(text);
}

std::string nameBesideWords(const UiWords& words, std::string_view name) {
    return words.WordsInUtf8 ? common::heldToUtf8(name) : std::string(name);
}

}  // namespace analysis
