#include "tools/face_generator/face_details.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <string_view>

#include "common/text/strings.h"

namespace facegen {

namespace {

using namespace std::string_view_literals;

// Repeated entries make the categories of the statistics builder's lists common.
constexpr std::array kFemaleProfessions{
    "Model"sv,   "Model"sv,  "Model"sv,     "Actress"sv,   "Actress"sv,      "Singer"sv,
    "Singer"sv,  "Dancer"sv, "Engineer"sv,  "Teacher"sv,   "Doctor"sv,       "Nurse"sv,
    "Student"sv, "Writer"sv, "Lawyer"sv,    "Architect"sv, "Photographer"sv, "Athlete"sv,
    "Chef"sv,    "Pilot"sv,  "Scientist"sv, "Designer"sv,  "Journalist"sv,
};

constexpr std::array kMaleProfessions{
    "Model"sv,  "Model"sv,     "Actor"sv,     "Actor"sv,        "Singer"sv,  "Singer"sv,
    "Dancer"sv, "Engineer"sv,  "Teacher"sv,   "Doctor"sv,       "Nurse"sv,   "Student"sv,
    "Writer"sv, "Lawyer"sv,    "Architect"sv, "Photographer"sv, "Athlete"sv, "Chef"sv,
    "Pilot"sv,  "Scientist"sv, "Designer"sv,  "Journalist"sv,
};

constexpr std::array kFirstCategories{"Model"sv, "Actress"sv, "Singer"sv};

constexpr std::array kNationalities{
    "Brazilian"sv, "French"sv,     "American"sv,    "Polish"sv,    "British"sv,  "Italian"sv,
    "German"sv,    "Spanish"sv,    "Swedish"sv,     "Japanese"sv,  "Nigerian"sv, "Indian"sv,
    "Mexican"sv,   "Irish"sv,      "Danish"sv,      "Norwegian"sv, "Chinese"sv,  "Korean"sv,
    "Ghanaian"sv,  "Portuguese"sv, "Dutch"sv,       "Greek"sv,     "Turkish"sv,  "Hungarian"sv,
    "Canadian"sv,  "Australian"sv, "Argentinian"sv, "Russian"sv,   "Egyptian"sv, "Finnish"sv,
};

struct Rgb {
    int red;
    int green;
    int blue;
};

constexpr std::array kHairColours{
    Rgb{20, 17, 15},  Rgb{59, 36, 25},    Rgb{101, 67, 33},   Rgb{150, 111, 70},  Rgb{145, 60, 35},
    Rgb{190, 90, 40}, Rgb{220, 190, 120}, Rgb{235, 225, 200}, Rgb{150, 150, 150},
};

constexpr std::array kEyeColours{
    Rgb{90, 56, 37},   Rgb{50, 30, 20},    Rgb{140, 110, 60}, Rgb{80, 130, 80},
    Rgb{70, 120, 180}, Rgb{120, 130, 140}, Rgb{170, 120, 40},
};

constexpr std::array kSkinColours{
    Rgb{255, 224, 196}, Rgb{241, 194, 167}, Rgb{224, 172, 105}, Rgb{198, 134, 66},
    Rgb{141, 85, 36},   Rgb{92, 56, 30},    Rgb{255, 219, 172}, Rgb{234, 192, 134},
};

int varied(SeededRandom& random, int component) {
    return std::clamp(static_cast<int>(std::lround(random.normal(component, 6.0))), 0, 255);
}

std::int32_t colourFrom(SeededRandom& random, std::span<const Rgb> palette) {
    const Rgb base = random.pick(palette);
    const int red = varied(random, base.red);
    const int green = varied(random, base.green);
    const int blue = varied(random, base.blue);
    return common::RGB(red, green, blue);
}

}  // namespace

std::string drawDescription(SeededRandom& random, bool female, int faceIndex) {
    std::string_view profession;
    if (faceIndex >= 0 && faceIndex < static_cast<int>(kFirstCategories.size())) {
        profession = kFirstCategories[static_cast<std::size_t>(faceIndex)];
    } else if (female) {
        profession = random.pick(std::span<const std::string_view>(kFemaleProfessions));
    } else {
        profession = random.pick(std::span<const std::string_view>(kMaleProfessions));
    }
    return std::string(profession) + ", " +
           std::string(random.pick(std::span<const std::string_view>(kNationalities)));
}

std::string drawHeightText(SeededRandom& random, bool female) {
    const double height = female ? random.normalWithin(166.0, 7.0, 148.0, 190.0)
                                 : random.normalWithin(178.0, 7.0, 158.0, 205.0);
    return std::to_string(std::lround(height));
}

common::FaceColours drawColours(SeededRandom& random) {
    common::FaceColours colours;
    colours.hair = colourFrom(random, kHairColours);
    colours.eyes = colourFrom(random, kEyeColours);
    colours.skin = colourFrom(random, kSkinColours);
    return colours;
}

}  // namespace facegen
