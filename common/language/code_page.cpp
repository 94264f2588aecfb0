#include "common/language/code_page.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <memory>
#include <type_traits>

#include "common/text/cp1252.h"
#include "common/text/utf8.h"

namespace common::language {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

struct IconvClose {
    void operator()(std::remove_pointer_t<iconv_t>* converter) const { iconv_close(converter); }
};
using Converter = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvClose>;

}  // namespace

std::string_view windowsCodePage(std::string_view languageCode) {
    if (languageCode == "po") {
        return "CP1250";
    }
    if (languageCode == "ru") {
        return "CP1251";
    }
    if (languageCode == "kr") {
        return "CP949";
    }
    if (languageCode == "jp") {
        return "CP932";
    }
    return "CP1252";
}

std::string stringFileAsUtf8(std::string_view bytes, std::string_view codePage) {
    if (isUtf8(bytes)) {
        if (bytes.starts_with(kByteOrderMark)) {
            bytes.remove_prefix(kByteOrderMark.size());
        }
        return std::string(bytes);
    }
    const Converter converter(iconv_open("UTF-8", std::string(codePage).c_str()));
    if (converter.get() == reinterpret_cast<iconv_t>(-1)) {
        // Every page named here is part of glibc; a library without one still shows the
        // Western European text.
        return cp1252ToUtf8(bytes);
    }
    std::string out;
    out.reserve(bytes.size() * 2);
    std::string input(bytes);
    char* in = input.data();
    std::size_t inLeft = input.size();
    std::array<char, 4096> buffer{};
    while (inLeft > 0) {
        char* outPos = buffer.data();
        std::size_t outLeft = buffer.size();
        const std::size_t done = iconv(converter.get(), &in, &inLeft, &outPos, &outLeft);
        const int error = errno;
        out.append(buffer.data(), static_cast<std::size_t>(outPos - buffer.data()));
        if (done != static_cast<std::size_t>(-1) || error == E2BIG) {
            continue;
        }
        // A byte the page does not know, or a double-byte character cut off at the end.
        out += kReplacement;
        ++in;
        --inLeft;
        iconv(converter.get(), nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

}  // namespace common::language
