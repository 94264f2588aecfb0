// Builds the bundled sample database, and a starting Prefs.prf when asked and absent. The exit
// codes and the command line are in the usage (command_line.h).
#include <QGuiApplication>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string_view>
#include <vector>

#include "common/text/cp1252.h"
#include "common/text/error.h"
#include "tools/sample_data/command_line.h"
#include "tools/sample_data/failure_message.h"
#include "tools/sample_data/sample_database.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const sample::CommandLine line = sample::parseCommandLine(args);
    if (line.kind == sample::CommandLine::Kind::Help) {
        std::cout << sample::kUsage;
        return 0;
    }
    if (line.kind == sample::CommandLine::Kind::Wrong) {
        std::cerr << sample::kUsage;
        return 2;
    }

    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Qt sees no argument of the command line, so none of its own options is taken from it.
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    try {
        sample::writeSampleDatabase(common::fromPath(line.folder));
        if (!line.prefs.empty()) {
            sample::writeStartingPrefs(common::fromPath(line.prefs));
        }
    } catch (const common::Error& error) {
        std::cerr << "make_sample_data: " << sample::failureMessage(error) << "\n";
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "make_sample_data: the sample database could not be drawn (" << error.what()
                  << ")\n";
        return 1;
    }
    return 0;
}
