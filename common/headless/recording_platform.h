#pragma once

#include <deque>
#include <string>
#include <vector>

#include "common/platform.h"

namespace common {

// A platform without a desktop: it checks pictures by their file header and records every other
// request, so window models run headless in tests and developer tools.
class RecordingPlatform : public Platform {
  public:
    void checkPicture(std::string_view path) override;
    void beep() override;
    // Records the page or address; with openFailure set, each is also refused with that reason,
    // as the desktop reports a failure.
    void openDocument(std::string_view path) override;
    void openWebAddress(std::string_view address) override;
    void redrawNow(const forms::Control& control) override;
    void redrawNow(const forms::Window& window) override;
    void setBusyPointer(bool busy) override;
    void activateWindow(const forms::Window& window) override;
    void reportError(std::string_view message) override;
    void showNotice(std::string_view message) override;
    // Records the question and gives answerYes.
    bool askYesNo(std::string_view question) override;
    // Records the question and gives the next of choiceAnswers; once they are used up, the last
    // answer, which leaves everything as it was.
    int askChoice(std::string_view question, std::span<const std::string> answers) override;
    // Records the question and gives the next of textAnswers; once they are used up, nothing.
    std::optional<std::string> askText(std::string_view question,
                                       std::string_view suggested) override;
    void endProgram() override;

    int beeps = 0;
    int redraws = 0;
    bool busy = false;
    bool ended = false;
    std::vector<std::string> openedDocuments;
    std::vector<std::string> openedAddresses;
    std::string openFailure;
    std::vector<std::string> errors;
    std::vector<std::string> notices;
    std::vector<std::string> questions;
    bool answerYes = true;
    std::deque<int> choiceAnswers;
    std::deque<std::string> textAnswers;
};

}  // namespace common
