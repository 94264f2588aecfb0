#pragma once

#include <string>
#include <string_view>

namespace analysis {

// Every user-visible word and message that the program builds texts from. English at start-up;
// a string file overwrites them entry by entry.
struct UiWords {
    std::string ViewFullLength;
    std::string ViewPortrait;
    std::string ViewProfile;
    std::string ViewTypical;
    std::string ViewAlternative;
    std::string FacesWord;
    std::string FaceWord;
    std::string EyesWord;
    std::string NoseWord;
    std::string MouthWord;
    std::string LayoutWord;
    std::string JawlineWord;
    std::string FaceShapeWord;
    std::string ShapeWord;
    std::string SkinWord;
    std::string HairWord;
    std::string PortraitOnlyText;
    std::string NoDataText;
    std::string NeedThreeFacesText;
    std::string FirstPlacePrefix;
    std::string SecondPlacePrefix;
    std::string ThirdPlacePrefix;
    std::string HeightWord;
    std::string FeetWord;
    std::string InchesWord;
    std::string UnknownWord;
    std::string UnavailableText;
    std::string ResultsTitleText;
    std::string PercentOfAverageText;
    std::string WidthWord;
    std::string ShapeSquare;
    std::string ShapeOval;
    std::string ShapeRound;
    std::string ShapeLong;
    std::string ShapeHeart;
    std::string SamplesWord;
    // Only a string file gives these two; in English they stay empty.
    std::string ColoursWord;
    std::string FooterFaceWord;
    // True once a block-form string file gave the words: they are UTF-8 then, not 8-bit text.
    bool WordsInUtf8 = false;
};

// Gives every word its English text except SamplesWord, which start-up sets later, and the two
// words that have no English text.
void setEnglishDefaults(UiWords& words);

// A text of the 8-bit files (a face name, a description) in the form of the words, so that both
// can share one caption: UTF-8 while the words are UTF-8, else as it stands.
std::string besideWords(const UiWords& words, std::string_view text);
// A face's name or a file name the same way: a name on disk that Windows-1252 cannot hold is held
// as its UTF-8 bytes already and stays as it is.
std::string nameBesideWords(const UiWords& words, std::string_view name);

inline constexpr std::string_view kEnglishSamplesWord = " samples. ";

}  // namespace analysis
