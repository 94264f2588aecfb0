#include "common/headless/recording_platform.h"

#include "common/files/text_file.h"
#include "common/open_failure.h"
#include "common/text/error.h"

namespace common {

// Read as the real platform reads: a pipe or folder named like a photo is refused, never waited on.
void RecordingPlatform::checkPicture(std::string_view path) {
    const std::string bytes = readWholeFile(path);
    const auto starts = [&bytes](std::string_view magic) { return bytes.starts_with(magic); };
    if (!(starts("\xFF\xD8\xFF") || starts("GIF8") || starts("BM") || starts("\x89PNG"))) {
        throw Error(ErrorCode::InvalidPicture, std::string(path));
    }
}

void RecordingPlatform::beep() {
    ++beeps;
}

void RecordingPlatform::openDocument(std::string_view path) {
    openedDocuments.emplace_back(path);
    if (!openFailure.empty()) {
        reportError(cannotOpenMessage(OpenTarget::Page, path, openFailure));
    }
}

void RecordingPlatform::openWebAddress(std::string_view address) {
    openedAddresses.emplace_back(address);
    if (!openFailure.empty()) {
        reportError(cannotOpenMessage(OpenTarget::WebAddress, address, openFailure));
    }
}

void RecordingPlatform::redrawNow(const forms::Control&) {
    ++redraws;
}

void RecordingPlatform::redrawNow(const forms::Window&) {
    ++redraws;
}

void RecordingPlatform::setBusyPointer(bool isBusy) {
    busy = isBusy;
}

void RecordingPlatform::activateWindow(const forms::Window&) {}

void RecordingPlatform::reportError(std::string_view message) {
    errors.emplace_back(message);
}

void RecordingPlatform::showNotice(std::string_view message) {
    notices.emplace_back(message);
}

bool RecordingPlatform::askYesNo(std::string_view question) {
    questions.emplace_back(question);
    return answerYes;
}

int RecordingPlatform::askChoice(std::string_view question, std::span<const std::string> answers) {
    questions.emplace_back(question);
    if (choiceAnswers.empty()) {
        return static_cast<int>(answers.size()) - 1;
    }
    const int answer = choiceAnswers.front();
    choiceAnswers.pop_front();
    return answer;
}

std::optional<std::string> RecordingPlatform::askText(std::string_view question, std::string_view) {
    questions.emplace_back(question);
    if (textAnswers.empty()) {
        return std::nullopt;
    }
    std::string answer = std::move(textAnswers.front());
    textAnswers.pop_front();
    return answer;
}

void RecordingPlatform::endProgram() {
    ended = true;
}

}  // namespace common
