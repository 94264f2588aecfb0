#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

#include "tools/face_generator/seeded_random.h"

namespace facegen {

// Draws person names, first name and surname, some hyphenated ("Mary-Jane") and some with the
// accented letters of Windows-1252 ("Zo\xEB"), and never gives the same name twice.
class NameBook {
  public:
    std::string draw(SeededRandom& random, bool female, int faceIndex);

  private:
    std::unordered_set<std::string> taken_;
};

// A web address for the person, in plain ASCII and without the marks "#", "~", "[" and "]" that
// the face readers look for in a trailer line.
std::string webAddressFor(std::string_view name, SeededRandom& random);

}  // namespace facegen
