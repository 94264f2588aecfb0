#pragma once

#include <string>
#include <string_view>

namespace analysis {

// How the texts of the data (names, descriptions, web addresses) go into a page: every "<" as
// "&lt;", and inside a quoted attribute every "'" as "&#39;" too; nothing else is escaped. In a
// UTF-8 page they are first converted from Windows-1252.
class PageText {
  public:
    PageText(bool utf8, bool webLinks) : utf8_(utf8), webLinks_(webLinks) {}

    std::string text(std::string_view data) const;
    std::string attribute(std::string_view data) const;
    // The same, added to the end of a page.
    void appendText(std::string& page, std::string_view data) const;
    void appendAttribute(std::string& page, std::string_view data) const;
    // A face's name or a file named after it is held as names on disk are: in a UTF-8 page a
    // name that Windows-1252 cannot hold, kept as its UTF-8 bytes, goes in as it stands.
    std::string name(std::string_view held) const;
    std::string nameAttribute(std::string_view held) const;
    void appendName(std::string& page, std::string_view held) const;
    void appendNameAttribute(std::string& page, std::string_view held) const;
    // The opening of a link to the address, "" when links are not wanted or the address leads
    // nowhere (webAddress): such a record is written as one without an address. Anchors are not
    // closed.
    std::string link(std::string_view address) const;
    void appendLink(std::string& page, std::string_view address) const;
    // The meta line's content type.
    std::string_view meta() const;
    std::string_view head3() const;

  private:
    enum class Held { Text, Name };
    void append(std::string& page, std::string_view data, bool quotes, Held held) const;
    bool utf8_;
    bool webLinks_;
};

// Every blank as "%20".
std::string blanksAsPercent20(std::string_view name);
// A number in the leading-blank form (" 85"), quick for whole numbers.
std::string strNumber(double value);
// Every "& " as "&amp; ".
std::string ampersandsBeforeBlanks(std::string_view text);

inline constexpr std::string_view kPC = "<p align='center'>";
inline constexpr std::string_view kWF2 =
    "<font face='Arial, Helvetica, sans-serif' size='2' color='#FFFFFF'>";
inline constexpr std::string_view kBF2 =
    "<font face='Arial, Helvetica, sans-serif' size='2' color='#000000'>";
inline constexpr std::string_view kBF =
    "<font face='Arial, Helvetica, sans-serif' color='#000000'>";
inline constexpr std::string_view kAF = "<font face='Arial, Helvetica, sans-serif'>";
inline constexpr std::string_view kTAB75 =
    "<table width='75%' border='1' align='center' cellpadding='0' cellspacing='0' "
    "bordercolor='#000066'>";
inline constexpr std::string_view kROW18 = "<tr><td width='18%'><div align='center'>";
inline constexpr std::string_view kENDROW = "</div></font></td></tr>";
inline constexpr std::string_view kSCORE18 =
    "<td width='18%' bordercolor='#FFFFFF' bgcolor='#CCCCFF'><p align='center'><font "
    "color='#000000' size='3'><b>";
inline constexpr std::string_view kHEIGHT18 =
    "<td width='18%' bordercolor='#FFFFFF' bgcolor='#FFFF99'><p align='center'><font "
    "color='#000000' size='3'><b>";
inline constexpr std::string_view kAFTERB = "</font></b><font color='#000000'>";
inline constexpr std::string_view kCRLF = "\r\n";

}  // namespace analysis
