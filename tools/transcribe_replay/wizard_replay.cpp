#include "tools/transcribe_replay/wizard_replay.h"

#include <nlohmann/json.hpp>

#include "common/forms/application.h"
#include "common/headless/recording_platform.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"
#include "common/text/strings.h"
#include "transcribe/program.h"

namespace tools {

namespace {

using nlohmann::json;

// Input that does not follow the format.
struct BadInput {
    std::string message;
};

// A value as the text a user would leave in the box, in the program's 8-bit form; nothing for
// null. Text that Windows-1252 cannot hold stays UTF-8 and is flagged.
struct Typed {
    std::string text;
    bool foreign = false;
};

std::optional<Typed> typedText(const json& value, std::string_view field) {
    if (value.is_null()) {
        return std::nullopt;
    }
    if (value.is_string()) {
        const std::string utf8 = value.get<std::string>();
        if (const auto text = common::utf8AsCp1252(utf8)) {
            return Typed{*text, false};
        }
        return Typed{utf8, true};
    }
    if (value.is_number_integer()) {
        return Typed{value.dump(), false};
    }
    if (value.is_number_float()) {
        return Typed{value.dump(), false};
    }
    throw BadInput{std::string(field) + ": a text, a number or null is expected"};
}

const json* member(const json& object, const char* name) {
    if (!object.is_object()) {
        return nullptr;
    }
    const auto found = object.find(name);
    return found == object.end() ? nullptr : &*found;
}

class Replay {
  public:
    explicit Replay(std::string_view startFolder)
        : app_(platform_, std::string(startFolder)), program_(app_) {}

    ReplayOutcome run(const json& input, std::string_view outFolder) {
        if (!input.is_object()) {
            throw BadInput{"the input is no JSON object"};
        }
        act([this] { program_.start(); });
        transcribe::InitialWindow& initial = program_.InitialForm;
        type(initial.NameBox, member(input, "name"), "name");
        type(initial.JobBox, member(input, "description"), "description");
        type(initial.HeightBox, member(input, "height"), "height");
        type(initial.URLbox, member(input, "url"), "url");
        if (refused()) {
            return refusal();
        }
        const json* mode = member(input, "mode");
        if (mode == nullptr || !mode->is_string()) {
            throw BadInput{"mode: one of photoshop, mspaint, paintshoppro, illustrator"};
        }
        const std::string modeName = mode->get<std::string>();
        forms::CommandButton* button = modeName == "photoshop"      ? &initial.photoshopButton
                                       : modeName == "mspaint"      ? &initial.FireworksButton
                                       : modeName == "paintshoppro" ? &initial.PSPButton
                                       : modeName == "illustrator"  ? &initial.IllustratorButton
                                                                    : nullptr;
        if (button == nullptr) {
            throw BadInput{"mode: one of photoshop, mspaint, paintshoppro, illustrator"};
        }
        act([button] { button->click(); });
        if (refused() || !program_.ColourForm.Visible()) {
            return refusal();
        }

        transcribe::ColourWindow& colours = program_.ColourForm;
        if (const json* given = member(input, "colours")) {
            if (!given->is_object() && !given->is_null()) {
                throw BadInput{"colours: an object with hair, eyes and skin is expected"};
            }
            type(colours.HairInputBox, member(*given, "hair"), "colours.hair");
            type(colours.EyeInputBox, member(*given, "eyes"), "colours.eyes");
            type(colours.SkinInputBox, member(*given, "skin"), "colours.skin");
        }
        act([&colours] { colours.ForwardButton.click(); });

        transcribe::Inputwindow& steps = program_.InputForm;
        const json* points = list(input, "points", 20);
        const json* angles = list(input, "angles", 10);
        for (int step = 1; step <= 30; ++step) {
            const json* given = nullptr;
            if (step <= 20 && points != nullptr &&
                points->size() >= static_cast<std::size_t>(step)) {
                given = &(*points)[static_cast<std::size_t>(step - 1)];
            } else if (step > 20 && angles != nullptr &&
                       angles->size() >= static_cast<std::size_t>(step - 20)) {
                given = &(*angles)[static_cast<std::size_t>(step - 21)];
            }
            const std::string field = (step <= 20 ? "points[" + std::to_string(step - 1)
                                                  : "angles[" + std::to_string(step - 21)) +
                                      "]";
            if (given != nullptr && given->is_array()) {
                if (given->size() != 2) {
                    throw BadInput{field + ": a pair is expected"};
                }
                type(steps.Xpos, &(*given)[0], field + "[0]");
                type(steps.Ypos, &(*given)[1], field + "[1]");
            } else if (given != nullptr && step > 20) {
                type(steps.Anglebox, given, field);
            } else if (given != nullptr && !given->is_null()) {
                throw BadInput{field + ": a pair [X, Y] is expected"};
            }
            if (refused()) {
                return refusal();
            }
            noteKeptValues(steps, field);
            act([&steps] { steps.GoForward.click(); });
        }

        answerReplaceQuestion(input);
        act([&steps, outFolder] { steps.Dir1.setPath(std::string(outFolder)); });
        if (refused()) {
            return refusal();
        }
        act([&steps] { steps.GoForward.click(); });
        if (app_.ended()) {
            return {0, {}, keptValues_};
        }
        return refusal();
    }

  private:
    // The words a step shows beside a box whose typed text it did not store.
    void noteKeptValues(const transcribe::Inputwindow& steps, const std::string& field) {
        const std::pair<const forms::Label*, const char*> boxes[] = {
            {&steps.KeptX, "[0]"}, {&steps.KeptY, "[1]"}, {&steps.KeptAngle, ""}};
        for (const auto& [kept, part] : boxes) {
            if (!kept->Caption.empty()) {
                keptValues_.push_back(field + part + ": " + kept->Caption);
            }
        }
    }

    void act(const std::function<void()>& handler) { app_.dispatch(handler); }

    bool refused() const { return !platform_.errors.empty(); }

    // Saving over an existing face asks first: "replace": true answers Replace, "rename_to"
    // answers Another name with that name. Any further question, and every question when
    // neither is given, is answered Cancel.
    void answerReplaceQuestion(const json& input) {
        const json* replace = member(input, "replace");
        const json* renameTo = member(input, "rename_to");
        if (replace != nullptr && !replace->is_boolean() && !replace->is_null()) {
            throw BadInput{"replace: true or false is expected"};
        }
        if (renameTo != nullptr && !renameTo->is_string() && !renameTo->is_null()) {
            throw BadInput{"rename_to: a name is expected"};
        }
        const bool replacing = replace != nullptr && replace->is_boolean() && replace->get<bool>();
        const bool renaming = renameTo != nullptr && renameTo->is_string();
        if (replacing && renaming) {
            throw BadInput{"replace and rename_to: give one of them"};
        }
        if (replacing) {
            platform_.choiceAnswers.push_back(0);
        } else if (renaming) {
            platform_.choiceAnswers.push_back(1);
            platform_.textAnswers.push_back(renameTo->get<std::string>());
        }
    }

    ReplayOutcome refusal() const {
        std::string message;
        if (!platform_.errors.empty()) {
            message = platform_.errors.front();
        } else if (program_.ErrorForm.Visible()) {
            message = program_.ErrorForm.Errorlabel.Caption;
        } else if (!platform_.questions.empty()) {
            message = platform_.questions.back();
        } else {
            message = "the wizard did not save the face";
        }
        // Messages are 8-bit text, apart from words a string file gave in UTF-8.
        return {1, common::shownInUtf8(message), {}};
    }

    static const json* list(const json& input, const char* name, std::size_t count) {
        const json* given = member(input, name);
        if (given == nullptr || given->is_null()) {
            return nullptr;
        }
        if (!given->is_array() || given->size() > count) {
            throw BadInput{std::string(name) + ": a list of at most " + std::to_string(count) +
                           " entries is expected"};
        }
        return given;
    }

    // Sets the box's whole text in one assignment, as far as the box lets a user type; the
    // change handler runs once, also when the text typed is the one it showed.
    void type(forms::TextBox& box, const json* value, const std::string& field) {
        if (value == nullptr) {
            return;
        }
        const std::optional<Typed> typed = typedText(*value, field);
        if (!typed) {
            return;
        }
        act([&box, &typed] {
            if (typed->foreign) {
                if (box.onForeignText) {
                    box.onForeignText();
                }
                return;
            }
            std::string text = typed->text;
            if (box.MaxLength > 0 && text.size() > static_cast<std::size_t>(box.MaxLength)) {
                text.resize(static_cast<std::size_t>(box.MaxLength));
            }
            if (text == box.Text()) {
                if (box.onChange) {
                    box.onChange();
                }
            } else {
                box.userEdit(std::move(text));
            }
        });
    }

    common::RecordingPlatform platform_;
    forms::Application app_;
    std::vector<std::string> keptValues_;
    transcribe::TranscribeProgram program_;
};

}  // namespace

ReplayOutcome replayWizard(std::string_view jsonText, std::string_view outFolder,
                           std::string_view startFolder) {
    try {
        const json input = json::parse(jsonText);
        Replay replay(startFolder);
        return replay.run(input, outFolder);
    } catch (const json::exception& error) {
        return {2, std::string("the input is no usable JSON: ") + error.what(), {}};
    } catch (const BadInput& bad) {
        return {2, bad.message, {}};
    }
}

}  // namespace tools
