// Times "Run Comparisons" over generated folders of 1,000 and 10,000 faces. Each iteration
// starts a fresh headless analysis program and chooses face 1 outside the timing, so only the
// folder run itself is measured.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>

#include "bench/headless_analysis.h"
#include "common/text/cp1252.h"
#include "tools/face_generator/face_database.h"

namespace {

constexpr std::uint32_t kSeed = 20240601;

// A generated database in a folder of its own under the temporary folder, removed at the end.
class TemporaryDatabase {
  public:
    explicit TemporaryDatabase(int faceCount)
        : path_(
              std::filesystem::temp_directory_path() /
              ("facesuite-bench-" + std::to_string(::getpid()) + "-" + std::to_string(faceCount))) {
        std::filesystem::remove_all(path_);
        const auto faces = facegen::generateFaces(faceCount, kSeed);
        facegen::writeDatabase(folder(), faces, facegen::Pictures::Placeholders);
        firstFace_ = common::faceFileName(faces.front().face.name);
    }
    ~TemporaryDatabase() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TemporaryDatabase(const TemporaryDatabase&) = delete;
    TemporaryDatabase& operator=(const TemporaryDatabase&) = delete;

    std::string folder() const { return common::fromPath(path_); }
    const std::string& firstFace() const { return firstFace_; }

  private:
    std::filesystem::path path_;
    std::string firstFace_;
};

// Lets the peak memory of the process start again from what it holds now, so a size's figure
// leaves out the generating of the databases and the sizes run before it. Linux keeps the peak
// from the start of the process when this is not possible.
void restartPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

double peakMemoryMegabytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in kilobytes
}

void folderRun(benchmark::State& state, const TemporaryDatabase& database, int faceCount) {
    const std::string folder = database.folder();
    std::optional<facegen::HeadlessAnalysis> session;
    restartPeakMemory();
    for (auto _ : state) {
        state.PauseTiming();
        session.emplace(folder);
        session->openFolder(folder);
        const bool chosen = session->chooseFirstFace(database.firstFace());
        state.ResumeTiming();

        session->runFolderComparison();

        if (!chosen || session->failed()) {
            state.SkipWithError(chosen ? session->platform.errors.front().c_str()
                                       : "face 1 is not listed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * faceCount);
    state.counters["peak_MB"] = peakMemoryMegabytes();
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    try {
        const TemporaryDatabase small(1000);
        const TemporaryDatabase large(10000);
        for (const auto& [database, count] : {std::pair{&small, 1000}, std::pair{&large, 10000}}) {
            // Init-captures: clang before 16 cannot capture structured bindings by name.
            benchmark::RegisterBenchmark(
                ("FolderRun/" + std::to_string(count)).c_str(),
                [database = database, count = count](benchmark::State& state) {
                    folderRun(state, *database, count);
                })
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
        }
        benchmark::RunSpecifiedBenchmarks();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "folder_run_benchmark: %s\n", e.what());
        benchmark::Shutdown();
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
