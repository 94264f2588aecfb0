#include "analysis/reports/page_text.h"

#include "analysis/engine/web_address.h"
#include "common/text/cp1252.h"

namespace analysis {

namespace {

constexpr std::string_view kMeta8Bit =
    "<meta http-equiv='Content-Type' content='text/html; charset=iso-8859-1'>";
constexpr std::string_view kMetaUtf8 =
    "<meta http-equiv='Content-Type' content='text/html; charset=utf-8'>";
constexpr std::string_view kHead3_8Bit =
    "<meta http-equiv='Content-Type' content='text/html; charset=iso-8859-1'></head>";
constexpr std::string_view kHead3Utf8 =
    "<meta http-equiv='Content-Type' content='text/html; charset=utf-8'></head>";

std::string escaped(std::string_view text, bool quotes) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '<') {
            out += "&lt;";
        } else if (quotes && c == '\'') {
            out += "&#39;";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

std::string PageText::convert(std::string_view data) const {
    return utf8_ ? common::cp1252ToUtf8(data) : std::string(data);
}

std::string PageText::text(std::string_view data) const {
    return escaped(convert(data), false);
}

std::string PageText::attribute(std::string_view data) const {
    return escaped(convert(data), true);
}

std::string PageText::link(std::string_view address) const {
    if (!webLinks_ || address.empty()) {
        return {};
    }
    return "<a href='" + attribute(webAddress(address)) + "'>";
}

std::string_view PageText::meta() const {
    return utf8_ ? kMetaUtf8 : kMeta8Bit;
}

std::string_view PageText::head3() const {
    return utf8_ ? kHead3Utf8 : kHead3_8Bit;
}

std::string blanksAsPercent20(std::string_view name) {
    std::string out;
    for (char c : name) {
        if (c == ' ') {
            out += "%20";
        } else {
            out += c;
        }
    }
    return out;
}

std::string ampersandsBeforeBlanks(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size() && text[i + 1] == ' ') {
            out += "&amp;";
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace analysis
