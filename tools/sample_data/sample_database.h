#pragma once

#include <string_view>
#include <vector>

#include "tools/face_generator/face_generator.h"

namespace sample {

// The 48 faces of the bundled sample database, the same on every machine; the side view of each
// that has one fits the plotter's canvas.
std::vector<facegen::GeneratedFace> sampleFaces();

// Writes the sample database into the folder: every face data file with its drawn views (a few
// faces lack their alternative view, as real collections do), Missing.jpg, the pictures the
// report pages name (Resultsbg2.gif, Resultsbg3.gif, stars.gif), the statistics files
// and the list Favourites.lst. Drawing needs a QGuiApplication.
void writeSampleDatabase(std::string_view folder);

// A starting Prefs.prf in which every feature counts fully and the quick keys hold the first ten
// faces; an existing file is left as it is.
void writeStartingPrefs(std::string_view path);

}  // namespace sample
