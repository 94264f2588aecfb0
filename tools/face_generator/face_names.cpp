#include "tools/face_generator/face_names.h"

#include <array>
#include <span>

namespace facegen {

namespace {

using namespace std::string_view_literals;

// Letters beyond ASCII are Windows-1252 bytes in octal: a hex escape would run on into a
// following letter a to f.
constexpr std::array kFemaleNames{
    "Anna"sv,      "Mary-Jane"sv, "Zo\353"sv,    "Chlo\351"sv,   "Ren\351e"sv,     "Ingrid"sv,
    "Sofia"sv,     "Isabella"sv,  "Olivia"sv,    "Amelia"sv,     "Emma"sv,         "Ava"sv,
    "Mia"sv,       "Charlotte"sv, "Luc\355a"sv,  "Camila"sv,     "Valentina"sv,    "Aisha"sv,
    "Yuki"sv,      "Mei"sv,       "Priya"sv,     "Fatima"sv,     "Marie-Claire"sv, "Anne-Sophie"sv,
    "Beatriz"sv,   "In\352s"sv,   "No\351mie"sv, "Hanna"sv,      "Agnieszka"sv,    "Katarzyna"sv,
    "Freya"sv,     "Astrid"sv,    "\305sa"sv,    "Siobh\341n"sv, "Ana-Lu\355sa"sv, "Grace"sv,
    "Leila"sv,     "Nadia"sv,     "Ama"sv,       "Ngozi"sv,      "Rosa"sv,         "Elena"sv,
    "Ir\350ne"sv,  "Maja"sv,      "Sakura"sv,    "Hye-jin"sv,    "Daniela"sv,      "Ebony"sv,
    "Lily-Rose"sv, "Ma\353lle"sv,
};

constexpr std::array kMaleNames{
    "James"sv,       "Jos\351"sv, "Bj\366rn"sv, "S\370ren"sv, "Fran\347ois"sv, "Jean-Luc"sv,
    "Jean-Pierre"sv, "Liam"sv,    "Noah"sv,     "Lucas"sv,    "Mateo"sv,       "Hiroshi"sv,
    "Arjun"sv,       "Kwame"sv,   "Tom\341s"sv, "Andr\351"sv, "Ra\372l"sv,     "Jo\343o"sv,
    "Piotr"sv,       "Marek"sv,   "Oliver"sv,   "Henry"sv,    "Samuel"sv,      "Omar"sv,
    "Ravi"sv,        "Chen"sv,    "Kenji"sv,    "Emeka"sv,    "Lars"sv,        "J\374rgen"sv,
    "Luca"sv,        "Marco"sv,   "Diego"sv,    "Ahmed"sv,    "Sean"sv,        "Paul-Henri"sv,
    "Min-jun"sv,     "Ethan"sv,   "Felix"sv,    "No\353l"sv,
};

constexpr std::array kSurnames{
    "Smith"sv,        "Garc\355a"sv,    "M\374ller"sv, "Dubois"sv,       "Rossi"sv,
    "Kowalski"sv,     "Nowak"sv,        "Silva"sv,     "Santos"sv,       "Tanaka"sv,
    "Sato"sv,         "Kim"sv,          "Nguyen"sv,    "Okafor"sv,       "Mensah"sv,
    "Patel"sv,        "Sharma"sv,       "O'Neill"sv,   "Jones"sv,        "Brown"sv,
    "Taylor"sv,       "Wilson"sv,       "Andersson"sv, "Johansson"sv,    "Larsen"sv,
    "Jensen"sv,       "Novak"sv,        "Horvat"sv,    "Fern\341ndez"sv, "N\372\361ez"sv,
    "L\363pez"sv,     "Mart\355nez"sv,  "Ferreira"sv,  "Costa"sv,        "Moreau"sv,
    "Lef\350vre"sv,   "Schr\366der"sv,  "Wei\337"sv,   "Bianchi"sv,      "Ricci"sv,
    "Romano"sv,       "Murphy"sv,       "Kelly"sv,     "Walsh"sv,        "Hern\341ndez"sv,
    "Chen"sv,         "Wang"sv,         "Li"sv,        "Singh"sv,        "Hassan"sv,
    "Cohen"sv,        "Levi"sv,         "Petrov"sv,    "Dvor\341k"sv,    "Szab\363"sv,
    "Nagy"sv,         "Papadopoulos"sv, "Yilmaz"sv,    "\326zt\374rk"sv, "Lindqvist"sv,
    "Bergstr\366m"sv, "Haugen"sv,       "Virtanen"sv,  "Smith-Jones"sv,  "Garc\355a-L\363pez"sv,
    "Bowes-Lyon"sv,   "Adeyemi"sv,      "Boateng"sv,   "Kaur"sv,         "Yamamoto"sv,
};

// ASCII letters for the Windows-1252 letters C0 to FF; "." drops the character.
constexpr std::string_view kAsciiLetters =
    "aaaaaaaceeeeiiiidnooooo.ouuuuy.saaaaaaaceeeeiiiidnooooo.ouuuuy.y";

char asciiLetter(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
        return static_cast<char>(c);
    }
    if (c >= 'A' && c <= 'Z') {
        return static_cast<char>(c + ('a' - 'A'));
    }
    if (c == ' ' || c == '-') {
        return '-';
    }
    if (c >= 0xC0 && kAsciiLetters[c - 0xC0] != '.') {
        return kAsciiLetters[c - 0xC0];
    }
    return '\0';
}

}  // namespace

std::string NameBook::draw(SeededRandom& random, bool female, int faceIndex) {
    const auto& firstNames = female ? std::span<const std::string_view>(kFemaleNames)
                                    : std::span<const std::string_view>(kMaleNames);
    // A middle initial widens the choice once plain names start to repeat; a face number settles
    // the rare name that still collides, since no drawn name ends in a digit.
    constexpr int kAttempts = 24;
    std::string name;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        name = std::string(random.pick(firstNames)) + " ";
        if (attempt >= kAttempts / 3) {
            name += static_cast<char>('A' + random.between(0, 25));
            name += ". ";
        }
        name += random.pick(std::span<const std::string_view>(kSurnames));
        if (taken_.insert(name).second) {
            return name;
        }
    }
    name += ' ';
    name += std::to_string(faceIndex + 1);
    taken_.insert(name);
    return name;
}

std::string webAddressFor(std::string_view name, SeededRandom& random) {
    static constexpr std::array kSites{"http://www.example.com/"sv,
                                       "https://www.example.org/people/"sv,
                                       "http://example.net/faces/"sv};
    std::string address(random.pick(std::span<const std::string_view>(kSites)));
    for (const char c : name) {
        const char letter = asciiLetter(static_cast<unsigned char>(c));
        // Keeps a "-" only between letters: "Zo\353 M. Li" gives "zoe-m-li".
        if (letter != '\0' &&
            !(letter == '-' && (address.back() == '-' || address.back() == '/'))) {
            address += letter;
        }
    }
    return address + ".htm";
}

}  // namespace facegen
