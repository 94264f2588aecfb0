#pragma once

#include <gtest/gtest.h>

#include "analysis/program.h"
#include "common/files/text_file.h"
#include "tests/common/temp_folder.h"
#include "tools/sample_data/sample_database.h"

// A start folder holding the bundled sample database, as the run command makes it, and the
// starting Prefs.prf beside it. Drawn once for all tests of a suite.
class SampleDatabase {
  public:
    static const TempFolder& folder() {
        static const TempFolder start;
        static const bool written = [] {
            sample::writeSampleDatabase(start.file("Sample data"));
            sample::writeStartingPrefs(start.file("Prefs.prf"));
            return true;
        }();
        (void)written;
        return start;
    }
};

// Index of a face file in the main window's file box.
inline int indexOf(const forms::FileListBox& files, const std::string& name) {
    for (int i = 0; i < files.ListCount(); ++i) {
        if (files.List(i) == name) {
            return i;
        }
    }
    return -1;
}
