// Developer tool: draws one view of the analysis program's plotter headless and prints its
// canvas model.
//
//   plot_view <data folder> <face 1 file> <face 2 file> <view 0-6> [--hide A,B,C] [--shaded]
//             [--arrows <list>] [--png <file>]
//
// The program starts in the working directory (its Prefs.prf gives the colours, units and quick
// keys), opens the data folder, selects face 1 and face 2 as the main window's buttons do and
// presses Plotter. Then it unticks the check boxes of --hide, chooses "Shaded Boxes" for
// --shaded, presses the view's button (view 0: none; 1 eyes, 2 nose, 3 mouth, 4 layout, 5 face
// shape, 6 profile) and the profile arrows of --arrows in order ("A+,A+,B-,C+": face A's right
// arrow twice, face B's left arrow, face C's right arrow). It prints the canvas, one item per
// line (see canvas_listing.h); --png also renders the plotter window offscreen into that file.
// Errors the program reports go to stderr and do not stop the run.
// Exit codes: 0 done, 1 usage or no such folder, 2 a face not in the folder, 3 the picture could
// not be written.
#include <QApplication>
#include <QPixmap>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "bench/canvas_listing.h"
#include "bench/headless_analysis.h"
#include "common/qt/qt_binding.h"
#include "common/qt/qt_platform.h"
#include "common/text/cp1252.h"

namespace {

struct Options {
    std::string folder;
    std::string face1;
    std::string face2;
    int view = 0;
    std::string hide;
    bool shaded = false;
    std::vector<std::string> arrows;
    std::string png;
};

// The binding's platform; the program itself reports through the session's recording one.
class SilentPlatform : public qtui::QtPlatform {
  protected:
    void showError(QWidget*, const QString&) override {}
    bool askQuestion(QWidget*, const QString&) override { return false; }
};

std::vector<std::string> splitAtCommas(std::string_view text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = text.find(',', start);
        const std::size_t end = comma == std::string_view::npos ? text.size() : comma;
        if (end > start) {
            parts.emplace_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return parts;
}

std::optional<Options> parse(int argc, char** argv) {
    std::vector<std::string> positional;
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--hide" && hasValue) {
            options.hide = argv[++i];
        } else if (arg == "--shaded") {
            options.shaded = true;
        } else if (arg == "--arrows" && hasValue) {
            options.arrows = splitAtCommas(argv[++i]);
        } else if (arg == "--png" && hasValue) {
            options.png = argv[++i];
        } else if (arg.starts_with("--")) {
            return std::nullopt;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 4 || positional[3].size() != 1 || positional[3][0] < '0' ||
        positional[3][0] > '6') {
        return std::nullopt;
    }
    for (const std::string& arrow : options.arrows) {
        if (arrow.size() != 2 || std::string_view("ABC").find(arrow[0]) == std::string::npos ||
            (arrow[1] != '+' && arrow[1] != '-')) {
            return std::nullopt;
        }
    }
    options.folder = positional[0];
    // A face may be given with its folder or without ".txt".
    for (auto [given, chosen] :
         {std::pair{&positional[1], &options.face1}, std::pair{&positional[2], &options.face2}}) {
        *chosen = common::fromPath(std::filesystem::path(*given).filename());
        if (!chosen->ends_with(".txt")) {
            *chosen += ".txt";
        }
    }
    options.view = positional[3][0] - '0';
    return options;
}

void pressView(analysis::PlotterForm& plotter, int view) {
    forms::Label* buttons[] = {nullptr,
                               &plotter.eyesViewButton,
                               &plotter.noseViewButton,
                               &plotter.mouthViewButton,
                               &plotter.layoutViewButton,
                               &plotter.faceShapeViewButton,
                               &plotter.ProfileButton};
    if (buttons[view] != nullptr) {
        buttons[view]->click();
    }
}

void pressArrow(analysis::PlotterForm& plotter, const std::string& arrow) {
    const bool right = arrow[1] == '+';
    forms::Image* images[3][2] = {{&plotter.RedLeftArrow, &plotter.RedRightArrow},
                                  {&plotter.BlueLeftArrow, &plotter.BlueRightArrow},
                                  {&plotter.GreenLeftArrow, &plotter.GreenRightArrow}};
    images[arrow[0] - 'A'][right ? 1 : 0]->click();
}

// Renders the windows as the program on the desktop would show them, step by step, so that the
// plotter is the active window, as the user's, when its view is drawn.
class Renderer {
  public:
    explicit Renderer(facegen::HeadlessAnalysis& session) : binding_(session.app, platform_) {
        settle();
    }
    void settle() {
        binding_.sync();
        QApplication::processEvents();
        binding_.sync();
    }
    bool save(const analysis::PlotterForm& plotter, const std::string& file) {
        settle();
        QWidget* window = binding_.widgetFor(plotter);
        return window != nullptr && window->grab().save(QString::fromStdString(file), "PNG");
    }

  private:
    SilentPlatform platform_;
    qtui::QtBinding binding_;
};

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = parse(argc, argv);
    if (!options) {
        std::fprintf(stderr,
                     "usage: plot_view <data folder> <face 1 file> <face 2 file> <view 0-6> "
                     "[--hide A,B,C] [--shaded] [--arrows <list>] [--png <file>]\n");
        return 1;
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(options->folder, ec)) {
        std::fprintf(stderr, "plot_view: no folder %s\n", options->folder.c_str());
        return 1;
    }
    // A picture needs Qt; the listing alone runs without a display.
    std::unique_ptr<QApplication> qapp;
    if (!options->png.empty()) {
        if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        }
        qapp = std::make_unique<QApplication>(argc, argv);
    }

    facegen::HeadlessAnalysis session(common::fromPath(std::filesystem::current_path(ec)));
    session.openFolder(common::fromPath(std::filesystem::absolute(options->folder, ec)));
    for (const auto& [face, second] :
         {std::pair{options->face1, false}, std::pair{options->face2, true}}) {
        const bool chosen = second ? session.chooseSecondFace(face) : session.chooseFirstFace(face);
        if (!chosen) {
            std::fprintf(stderr, "plot_view: %s is not a face file of %s\n",
                         common::cp1252ToUtf8(face).c_str(), options->folder.c_str());
            return 2;
        }
    }
    analysis::AnalysisProgram& program = session.program;
    analysis::PlotterForm& plotter = program.PlotterWindow;
    std::optional<Renderer> renderer;
    if (qapp) {
        renderer.emplace(session);
    }
    const auto run = [&](const std::function<void()>& step) {
        session.app.dispatch(step);
        if (renderer) {
            renderer->settle();
        }
    };
    run([&] { program.MainWindow.PlotterButton.click(); });
    run([&] {
        for (char letter : options->hide) {
            forms::CheckBox* boxes[] = {&plotter.CheckBoxA, &plotter.CheckBoxB, &plotter.CheckBoxC};
            if (letter >= 'A' && letter <= 'C') {
                boxes[letter - 'A']->setValue(0);
            }
        }
        if (options->shaded) {
            plotter.shadedBoxes.setValue(true);
        }
    });
    run([&] { pressView(plotter, options->view); });
    for (const std::string& arrow : options->arrows) {
        run([&] { pressArrow(plotter, arrow); });
    }
    const bool pictureFailed = renderer && !renderer->save(plotter, options->png);
    for (const std::string& error : session.platform.errors) {
        std::fprintf(stderr, "plot_view: %s\n", common::shownInUtf8(error).c_str());
    }
    std::fputs(facegen::canvasListing(program).c_str(), stdout);
    if (pictureFailed) {
        std::fprintf(stderr, "plot_view: the picture could not be written to %s\n",
                     options->png.c_str());
        return 3;
    }
    return 0;
}
