// Times the statistics builder's "Select all" over generated folders of 10,000 and 100,000 faces,
// each face with its five views (placeholder files: the run only checks that they are there).
// Each iteration starts a fresh headless program outside the timing, so only the run itself, with
// its picture checks and the statistics files, is measured.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>

#include "common/forms/application.h"
#include "common/headless/recording_platform.h"
#include "common/text/cp1252.h"
#include "tools/face_generator/face_database.h"
#include "vismaker/window/statistics_window.h"

namespace {

constexpr std::uint32_t kSeed = 20240601;

// Written without the safe save's flush to disk: the folder is a scratch copy, and a flush per
// file would make the set-up take minutes.
void writeScratch(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class PictureFolderDatabase {
  public:
    explicit PictureFolderDatabase(int faceCount)
        : path_(std::filesystem::temp_directory_path() /
                ("facesuite-vismaker-bench-" + std::to_string(::getpid()) + "-" +
                 std::to_string(faceCount))) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
        for (const facegen::FaceFile& file :
             facegen::faceFiles(facegen::generateFaces(faceCount, kSeed))) {
            const std::filesystem::path face =
                common::toPath(common::joinPath(folder(), file.name));
            writeScratch(face, file.text);
            const std::string stem = file.name.substr(0, file.name.size() - 4);
            for (char view = '0'; view <= '4'; ++view) {
                writeScratch(common::toPath(common::joinPath(folder(), stem + view + ".jpg")),
                             "\xFF\xD8\xFF\xD9");
            }
        }
    }
    ~PictureFolderDatabase() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    PictureFolderDatabase(const PictureFolderDatabase&) = delete;
    PictureFolderDatabase& operator=(const PictureFolderDatabase&) = delete;

    std::string folder() const { return common::fromPath(path_); }

  private:
    std::filesystem::path path_;
};

void selectAll(benchmark::State& state, const PictureFolderDatabase& database, int faceCount,
               bool showPictures) {
    const std::string folder = database.folder();
    for (auto _ : state) {
        state.PauseTiming();
        common::RecordingPlatform platform;
        forms::Application app(platform, folder);
        vismaker::StatisticsWindow window(app);
        app.dispatch([&] {
            window.Show();
            window.Dir1.setPath(folder);
            window.ShowPicsTick.setValue(showPictures ? 1 : 0);
        });
        state.ResumeTiming();

        app.dispatch([&window] { window.selectAllButton.click(); });

        if (!window.SaveLog.Visible || !platform.errors.empty()) {
            state.SkipWithError(window.statusMessage.Caption.c_str());
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * faceCount);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    try {
        const PictureFolderDatabase small(10000);
        const PictureFolderDatabase large(100000);
        for (const auto& [database, count] :
             {std::pair{&small, 10000}, std::pair{&large, 100000}}) {
            for (const bool show : {false, true}) {
                benchmark::RegisterBenchmark(
                    ("SelectAll/" + std::to_string(count) + (show ? "/ShowPictures" : "")).c_str(),
                    [database = database, count = count, show](benchmark::State& state) {
                        selectAll(state, *database, count, show);
                    })
                    ->Unit(benchmark::kMillisecond)
                    ->UseRealTime()
                    ->Iterations(3);
            }
        }
        benchmark::RunSpecifiedBenchmarks();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vismaker_run_benchmark: %s\n", e.what());
        benchmark::Shutdown();
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
