#pragma once

#include <array>
#include <string>
#include <utility>

// A face read off a portrait by hand: chin at Y 600 and eye edge at Y 400, so every point scales
// by 5. Point 7's X is typed as 84.5 (stored 84) and point 19's as -86 (stored 86).
inline constexpr std::array<std::pair<const char*, const char*>, 20> kHandPoints{{
    {"100", "600"}, {"60", "400"},   {"70", "350"}, {"100", "480"}, {"40", "420"},
    {"72", "400"},  {"84.5", "400"}, {"62", "400"}, {"72", "410"},  {"72", "390"},
    {"55", "365"},  {"70", "360"},   {"88", "368"}, {"100", "530"}, {"80", "540"},
    {"100", "560"}, {"100", "495"},  {"93", "490"}, {"-86", "490"}, {"91", "450"},
}};

// Lines 31 to 50 of its face file.
inline constexpr std::array<const char*, 20> kHandPointLines{{
    "500&&&, 0&&&",    "300&&&, 1000&&&", "350&&&, 1250&&&", "500&&&, 600&&&", "200&&&, 900&&&",
    "360&&&, 1000&&&", "420&&&, 1000&&&", "310&&&, 1000&&&", "360&&&, 950&&&", "360&&&, 1050&&&",
    "275&&&, 1175&&&", "350&&&, 1200&&&", "440&&&, 1160&&&", "500&&&, 350&&&", "400&&&, 300&&&",
    "500&&&, 200&&&",  "500&&&, 525&&&",  "465&&&, 550&&&",  "430&&&, 550&&&", "455&&&, 750&&&",
}};

// The whole face file the wizard writes for this face: name, description, the 20 point lines
// above, the angle magnitudes given, then the trailer lines given (each without its CR LF).
inline std::string handFaceFile(const std::string& name, const std::string& description,
                                const std::array<int, 10>& angles,
                                const std::initializer_list<std::string>& trailer) {
    std::string text = name + "\r\n" + description + " (Portrait only)\r\n\r\nNormX1, NormY1\r\n";
    for (int i = 0; i < 23; ++i) {
        text += "*,*\r\n";
    }
    text += "99999,99999\r\n\r\nNormX2, NormY2\r\n";
    for (const char* line : kHandPointLines) {
        text += std::string(line) + "\r\n";
    }
    text += "*,*\r\n99999,99999\r\n\r\nAngles1\r\n";
    for (int i = 0; i < 19; ++i) {
        text += "*\r\n";
    }
    text += "99999\r\n\r\nAngles2\r\n";
    for (const int angle : angles) {
        text += "-" + std::to_string(angle) + "\r\n";
    }
    text += "99999\r\n\r\n";
    for (const std::string& line : trailer) {
        text += line + "\r\n";
    }
    return text;
}
