// Times the report pages of a run over 10,000 and 100,000 faces. BM_ReportPages is the first
// View after a run with the colours style chosen: two sorts and five pages, each list read and
// each file saved whole (flushed to disk). The result lists are made up as a run writes them and
// put back before every iteration. BM_ReportPageTexts does the three sorts and all six pages in
// memory only.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

#include "analysis/engine/comparison/result_files.h"
#include "analysis/engine/comparison/result_records.h"
#include "analysis/reports/report_pages.h"
#include "analysis/reports/report_steps.h"
#include "analysis/reports/result_sorting.h"
#include "bench/headless_analysis.h"
#include "common/files/text_file.h"
#include "common/text/cp1252.h"

namespace {

struct Lists {
    std::string results2;
    std::string heights;
    std::string colours;
    std::string profiles;
};

Lists makeLists(int faceCount) {
    std::mt19937 random(20261208);
    auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    Lists lists;
    lists.heights = std::string(analysis::kHeightResultsHead);
    for (int i = 0; i < faceCount; ++i) {
        const std::string name = "Face " + std::to_string(i) + " Example";
        const std::string url = i % 3 == 0 ? "[www.example.org/" + std::to_string(i) + "]" : "";
        const analysis::CandidateNames names{name, "Actor, British", url};
        analysis::PairScores scores;
        scores.Weighted.OverallScore = static_cast<std::int16_t>(pick(0, 100));
        scores.ProfileScore = static_cast<std::int16_t>(pick(0, 100));
        scores.Profile.NoseProfileScore = static_cast<std::int16_t>(pick(0, 100));
        scores.Profile.EyeProfileScore = static_cast<std::int16_t>(pick(0, 100));
        lists.results2 += analysis::results2Record(names, scores);
        lists.heights += analysis::heightRecord(names, static_cast<std::int16_t>(pick(140, 210)));
        lists.colours += analysis::colourRecord(std::to_string(pick(100, 999)), pick(0, 300),
                                                pick(0, 300), pick(0, 300), name, "Actor, British");
        lists.profiles += analysis::profileRecord(name, scores);
    }
    for (std::string* list : {&lists.results2, &lists.heights, &lists.colours, &lists.profiles}) {
        *list += analysis::kListEnd;
    }
    return lists;
}

void BM_ReportPages(benchmark::State& state) {
    const int faceCount = static_cast<int>(state.range(0));
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("facesuite-pages-" + std::to_string(::getpid()) + "-" + std::to_string(faceCount));
    std::filesystem::create_directories(path);
    const std::string folder = common::fromPath(path);
    const Lists lists = makeLists(faceCount);

    facegen::HeadlessAnalysis session(folder);
    session.openFolder(folder);
    analysis::AnalysisProgram& program = session.program;
    program.MainWindow.Person1.Caption = "Face 7 Example";
    analysis::Results& results = program.ResultsWindow;
    results.WebLinkCheck.setValue(1);
    // The colours page is the largest a View writes beside the four it always writes.
    results.Style5.setValue(true);
    using analysis::ResultFiles;
    for (auto _ : state) {
        state.PauseTiming();
        common::writeWholeFile(common::joinPath(folder, ResultFiles::kResults2), lists.results2);
        common::writeWholeFile(common::joinPath(folder, ResultFiles::kHeights), lists.heights);
        common::writeWholeFile(common::joinPath(folder, ResultFiles::kColours), lists.colours);
        common::writeWholeFile(common::joinPath(folder, ResultFiles::kProfiles), lists.profiles);
        // As a run leaves them: this run's lists, none of them sorted yet.
        program.Lists.recordRun(folder);
        program.PagesBuilt = 0;
        program.Results2Sorted = false;
        program.ProfilesSorted = false;
        state.ResumeTiming();
        results.ViewButton_Click();
    }
    state.counters["faces"] = faceCount;
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
}

// The same work in memory only: the sorts and the page texts, without reading or saving a file.
void BM_ReportPageTexts(benchmark::State& state) {
    const int faceCount = static_cast<int>(state.range(0));
    const Lists lists = makeLists(faceCount);
    analysis::UiWords words;
    analysis::setEnglishDefaults(words);
    const analysis::PageContext page{words, "Face 7 Example", faceCount,
                                     analysis::PageText(false, true)};
    // Three places and a best match for each feature, as a run over a folder leaves them.
    analysis::TopNine top;
    top.FilledPlaces = 3;
    analysis::BestByFeature best;
    for (analysis::BestCandidate* feature : {&best.eyes, &best.nose, &best.mouth}) {
        *feature = {50, "Face 1 Example", "Model", ""};
    }
    std::size_t bytes = 0;
    for (auto _ : state) {
        const analysis::SortedResults2 results2 = analysis::sortResults2(lists.results2);
        const std::string profiles = analysis::sortProfileResults(lists.profiles);
        const std::string heights = analysis::sortHeightResults(lists.heights);
        bytes = analysis::profilePage(page, profiles).size() +
                analysis::bestThreePage(page, top).size() +
                analysis::allMatchesPage(page, results2.sorted).size() +
                analysis::featuresPage(page, best).size() +
                analysis::heightsPage(page, heights, false).size() +
                analysis::coloursPage(page, lists.colours).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["faces"] = faceCount;
    state.counters["page MB"] = static_cast<double>(bytes) / 1e6;
}

BENCHMARK(BM_ReportPageTexts)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportPages)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
