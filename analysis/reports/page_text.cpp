#include "analysis/reports/page_text.h"

#include <cmath>
#include <optional>

#include "analysis/engine/web_address.h"
#include "common/text/convert.h"
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

}  // namespace

void PageText::append(std::string& page, std::string_view data, bool quotes, Held held) const {
    std::string converted;
    if (utf8_) {
        converted = held == Held::Name ? common::heldToUtf8(data) : common::cp1252ToUtf8(data);
        data = converted;
    }
    std::size_t from = 0;
    for (std::size_t at = 0; at < data.size(); ++at) {
        const char c = data[at];
        if (c == '<' || (quotes && c == '\'')) {
            page.append(data.substr(from, at - from));
            page.append(c == '<' ? "&lt;" : "&#39;");
            from = at + 1;
        }
    }
    page.append(data.substr(from));
}

void PageText::appendText(std::string& page, std::string_view data) const {
    append(page, data, false, Held::Text);
}

void PageText::appendAttribute(std::string& page, std::string_view data) const {
    append(page, data, true, Held::Text);
}

std::string PageText::text(std::string_view data) const {
    std::string out;
    append(out, data, false, Held::Text);
    return out;
}

std::string PageText::attribute(std::string_view data) const {
    std::string out;
    append(out, data, true, Held::Text);
    return out;
}

void PageText::appendName(std::string& page, std::string_view held) const {
    append(page, held, false, Held::Name);
}

void PageText::appendNameAttribute(std::string& page, std::string_view held) const {
    append(page, held, true, Held::Name);
}

std::string PageText::name(std::string_view held) const {
    std::string out;
    append(out, held, false, Held::Name);
    return out;
}

std::string PageText::nameAttribute(std::string_view held) const {
    std::string out;
    append(out, held, true, Held::Name);
    return out;
}

void PageText::appendLink(std::string& page, std::string_view address) const {
    if (!webLinks_) {
        return;
    }
    const std::optional<std::string> target = webAddress(address);
    if (!target) {
        return;
    }
    page.append("<a href='");
    appendAttribute(page, *target);
    page.append("'>");
}

std::string PageText::link(std::string_view address) const {
    std::string out;
    appendLink(out, address);
    return out;
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

std::string strNumber(double value) {
    // Whole numbers of report lists read the same in either form.
    if (value == std::floor(value) && std::fabs(value) < 1e15) {
        return common::Str(static_cast<long long>(value));
    }
    return common::Str(value);
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
