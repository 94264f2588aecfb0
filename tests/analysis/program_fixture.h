#pragma once

#include <gtest/gtest.h>

#include "analysis/program.h"
#include "common/headless/recording_platform.h"
#include "tests/analysis/sample_files.h"
#include "tests/common/temp_folder.h"

// A fresh program started in an empty temporary folder (no Sample data below it, so the data
// folder is the start folder itself).
struct ProgramFixture : ::testing::Test {
    TempFolder folder;
    common::RecordingPlatform platform;
    forms::Application app{platform, folder.text()};
    analysis::AnalysisProgram program{app};
    analysis::Analysis& window = program.MainWindow;

    void SetUp() override { program.start(); }

    void writeStatistics() const {
        folder.write("Upper.vis", sample::vis("Max values", sample::visValues(sample::kUpperBase)));
        folder.write("Lower.vis", sample::vis("Min values", sample::visValues(sample::kLowerBase)));
        folder.write("Median.vis",
                     sample::vis("Average face", sample::visValues(sample::kMedianBase), true));
    }
};
