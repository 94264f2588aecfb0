// The analysis program's string files in both forms: whatever the bytes, the readers give entries
// that are whole lines (block words valid UTF-8), and the entry table takes
// them without an error.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "analysis/mainwindow/language_entries.h"
#include "analysis/program.h"
#include "common/language/string_file.h"
#include "common/recording_platform.h"
#include "fuzz/fuzz_input.h"

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

void checkEntries(const common::language::StringEntries& entries, bool block,
                  analysis::AnalysisProgram& program) {
    for (int n = 1; n <= entries.count(); ++n) {
        const auto entry = entries.entry(n);
        fuzz::check(entry.has_value(), "every entry up to the count is there");
        fuzz::check(entry->find('\n') == std::string_view::npos, "an entry holds no LF");
        if (block) {
            fuzz::check(validUtf8(*entry), "block words are UTF-8");
        }
    }
    analysis::applyAnalysisStrings(program, entries);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static common::RecordingPlatform platform;
    static forms::Application app(platform, ".");
    static analysis::AnalysisProgram program(app);
    const std::string bytes = fuzz::text(data, size);
    const auto& layout = analysis::kAnalysisStringFiles;
    checkEntries(common::language::readTextForm(bytes, layout), false, program);
    // A block needs its 6000 units: a short input is taken as the start of a block, after the
    // mark, padded with blanks; a long one is read as it stands.
    const std::size_t blockBytes = 2 + 2 * static_cast<std::size_t>(layout.blockUnits);
    std::string block = bytes;
    if (block.size() < blockBytes) {
        block = "\xFF\xFE" + bytes;
        block.resize(blockBytes, ' ');
    }
    if (const auto entries = common::language::readBlockForm(block, layout)) {
        checkEntries(*entries, true, program);
    }
    return 0;
}
