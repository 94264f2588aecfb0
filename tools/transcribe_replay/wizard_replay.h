#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tools {

struct ReplayOutcome {
    // 0 the face file was written; 1 the wizard refused (the message says why); 2 the input
    // could not be used.
    int exitCode = 0;
    // UTF-8.
    std::string message;
    // A typed value the wizard did not store (too large, no number), one a line in UTF-8, with the
    // field it came from and the value kept, as the step shows it beside its box; the face is
    // saved all the same, as a user pressing ">>" saves it.
    std::vector<std::string> keptValues;
};

// Drives the transcription wizard's window models as a user would: the first window's boxes,
// one mode button, the colour boxes, steps 1 to 30 forward in order, then the save step into
// outFolder (8-bit path form). Each given value is set as the box's whole text in one
// assignment, so its change handler runs once with the final text, X before Y.
//
// Input: {"mode": "photoshop" | "mspaint" | "paintshoppro" | "illustrator", "name", "description",
// "height", "url", "colours": {"hair", "eyes", "skin"}, "points": [[X, Y] x 20],
// "angles": [angle, or [dX, dY] in Paint mode] x 10, "replace": true | "rename_to": "<name>"}.
// A value is text or a number (its decimal text); null or a missing field leaves the box as it
// shows. When the face file exists already, "replace" answers the wizard's question with
// Replace and "rename_to" with Another name; with neither nothing is written and the outcome
// (1) carries the question.
ReplayOutcome replayWizard(std::string_view json, std::string_view outFolder,
                           std::string_view startFolder);

}  // namespace tools
