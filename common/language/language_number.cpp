#include "common/language/language_number.h"

#include "common/files/text_file.h"
#include "common/text/convert.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"
#include "common/text/int16.h"

namespace common::language {

std::optional<std::int16_t> readLanguageNumber(std::string_view startFolder) {
    try {
        TextFileReader file(joinPath(startFolder, "language.txt"));
        return toInt16(Val(file.lineInput()));
    } catch (const Error&) {
        return std::nullopt;
    }
}

}  // namespace common::language
