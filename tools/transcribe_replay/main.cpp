// A developer's driver, not part of the wizard: replays one face typed into the transcription
// wizard, headless, and saves it into the given folder.
#include <filesystem>
#include <iostream>

#include "common/files/text_file.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"
#include "tools/transcribe_replay/wizard_replay.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: transcribe_replay <input.json> <out folder>\n";
        return 2;
    }
    std::string json;
    try {
        json = common::readWholeFile(common::fromPath(argv[1]));
    } catch (const common::Error& error) {
        std::cerr << "transcribe_replay: " << argv[1] << ": " << error.reason() << "\n";
        return 2;
    }
    std::error_code ignored;
    const std::filesystem::path folder = std::filesystem::absolute(argv[2], ignored);
    const tools::ReplayOutcome outcome =
        tools::replayWizard(json, common::fromPath(folder.empty() ? argv[2] : folder),
                            common::fromPath(std::filesystem::current_path()));
    for (const std::string& kept : outcome.keptValues) {
        std::cerr << "transcribe_replay: " << kept << "\n";
    }
    if (outcome.exitCode != 0) {
        std::cerr << outcome.message << "\n";
    }
    return outcome.exitCode;
}
