#pragma once

#include <fstream>
#include <string>
#include <string_view>

namespace analysis {

// The five result record files of one comparison run, created empty in the data folder and kept
// open for appending while the run goes on; closing appends the "99999" line to each.
class ResultFiles {
  public:
    // Raises common::Error when a file cannot be created.
    explicit ResultFiles(std::string_view folder);
    ~ResultFiles();
    ResultFiles(const ResultFiles&) = delete;
    ResultFiles& operator=(const ResultFiles&) = delete;

    void appendResults(std::string_view record) { append(results_, record); }
    void appendResults2(std::string_view record) { append(results2_, record); }
    void appendHeight(std::string_view record) { append(heights_, record); }
    void appendColour(std::string_view record) { append(colours_, record); }
    void appendProfile(std::string_view record) { append(profiles_, record); }

    // Ends every file with its "99999" line and closes it; raises common::Error when a write
    // failed on the way.
    void close();

    static constexpr std::string_view kResults = "Results.tmp";
    static constexpr std::string_view kResults2 = "Results2.tmp";
    static constexpr std::string_view kHeights = "HeightResults.tmp";
    static constexpr std::string_view kColours = "ColourResults.tmp";
    static constexpr std::string_view kProfiles = "ProfileResults.tmp";

  private:
    void append(std::ofstream& file, std::string_view record);
    std::ofstream open(std::string_view folder, std::string_view name);

    std::ofstream results_;
    std::ofstream results2_;
    std::ofstream heights_;
    std::ofstream colours_;
    std::ofstream profiles_;
    bool closed_ = false;
};

}  // namespace analysis
