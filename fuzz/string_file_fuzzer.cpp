// The string files of the three programs in both forms: whatever the bytes, the readers give
// entries that are whole lines (block words valid UTF-8), and each program's entry table takes
// them without an error.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "analysis/mainwindow/language_entries.h"
#include "analysis/program.h"
#include "common/language/code_page.h"
#include "common/language/string_file.h"
#include "common/headless/recording_platform.h"
#include "fuzz/fuzz_input.h"
#include "transcribe/program.h"
#include "transcribe/transcribe_strings.h"
#include "vismaker/language/vismaker_texts.h"

namespace {

bool validUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80         ? 1
                                   : (lead >> 5) == 6  ? 2
                                   : (lead >> 4) == 14 ? 3
                                   : (lead >> 3) == 30 ? 4
                                                       : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

void checkEntries(const common::language::StringEntries& entries, bool block) {
    for (int n = 1; n <= entries.count(); ++n) {
        const auto entry = entries.entry(n);
        fuzz::check(entry.has_value(), "every entry up to the count is there");
        fuzz::check(entry->find('\n') == std::string_view::npos, "an entry holds no LF");
        if (block) {
            fuzz::check(validUtf8(*entry), "block words are UTF-8");
        }
    }
}

// Both forms of one program's string file, each handed to its entry table.
template <typename Apply>
void readBothForms(const std::string& bytes, const common::language::StringFileLayout& layout,
                   Apply apply) {
    const auto text = common::language::readTextForm(bytes, layout);
    checkEntries(text, false);
    apply(text);
    if (layout.blockUnits == 0) {
        return;
    }
    // A block needs all its units: a short input is taken as the start of a block, after the
    // mark, padded with blanks; a long one is read as it stands.
    const std::size_t blockBytes = 2 + 2 * static_cast<std::size_t>(layout.blockUnits);
    std::string block = bytes;
    if (block.size() < blockBytes) {
        block = "\xFF\xFE" + bytes;
        block.resize(blockBytes, ' ');
    }
    if (const auto entries = common::language::readBlockForm(block, layout)) {
        checkEntries(*entries, true);
        apply(*entries);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static common::RecordingPlatform platform;
    static forms::Application analysisApp(platform, ".");
    static analysis::AnalysisProgram analysisProgram(analysisApp);
    static forms::Application wizardApp(platform, ".");
    static transcribe::TranscribeProgram wizard(wizardApp);
    const std::string bytes = fuzz::text(data, size);
    readBothForms(bytes, analysis::kAnalysisStringFiles, [](const auto& entries) {
        analysis::applyAnalysisStrings(analysisProgram, entries);
    });
    readBothForms(bytes, vismaker::kVismakerStringFiles, [](const auto& entries) {
        vismaker::VismakerTexts texts = vismaker::englishTexts();
        vismaker::applyStringEntries(entries, texts);
    });
    readBothForms(bytes, transcribe::kTranscribeStrings,
                  [](const auto& entries) { transcribe::ReadTranscribeStrings(wizard, entries); });
    // The wizard's files in each code page: whatever the bytes, the words are UTF-8.
    for (const char* code : {"po", "ru", "kr", "jp", "fr"}) {
        const std::string words = common::language::stringFileAsUtf8(
            bytes, common::language::windowsCodePage(code));
        fuzz::check(validUtf8(words), "code-page text becomes UTF-8");
    }
    return 0;
}
