#include "analysis/reports/report_pages.h"

#include "analysis/reports/list_lines.h"
#include "analysis/reports/record_fields.h"
#include "common/files/safe_save.h"
#include "common/text/convert.h"
#include "common/text/strings.h"

namespace analysis {

namespace {

using common::Str;

// "</table>", the centred small footer in the given colour, then the text.
std::string footer(std::string_view colour, std::string_view text) {
    std::string out = "</table>";
    out.append(kPC).append("<font size='1' color='").append(colour).append("'>");
    out.append(text).append("</font></p>");
    return out;
}

std::string faceFooterText(const PageContext& page, long long count) {
    return page.words.FooterFaceWord + page.text.name(page.face1Name) + ". " + Str(count) +
           page.words.SamplesWord;
}

std::string title(const PageContext& page) {
    return "<title>" + page.words.ResultsTitleText + page.text.name(page.face1Name) + "</title>";
}

void appendTopThreeRow(std::string& out, const PageContext& page, const TopNine& top,
                       std::size_t p) {
    const PageText& t = page.text;
    const std::string total = Str(top.TopTotals[p]);
    out += "<tr>\r\n<td width='13%'>\r\n";
    out += "<div align='center'>" + t.link(top.TopLinks[p]) + "<img src='" +
           t.nameAttribute(blanksAsPercent20(top.TopNames[p] + "1.jpg")) +
           "' width='100' height='100'></div></td>\r\n";
    out += "<td width='60%'>\r\n";
    out.append(kPC).append(kWF2).append(t.name(top.TopNames[p])).append("</font></p>\r\n");
    out.append(kPC).append(kWF2).append(t.text(ampersandsBeforeBlanks(top.TopInfos[p])));
    out += "</font></p></td>\r\n";
    out += "</td>\r\n";
    out += "<td width='13%' bgcolor='#EEEEEE'>\r\n";
    const std::pair<const std::string*, std::int16_t> features[3] = {
        {&page.words.EyesWord, top.TopEyes[p]},
        {&page.words.NoseWord, top.TopNoses[p]},
        {&page.words.MouthWord, top.TopMouths[p]}};
    for (const auto& [word, score] : features) {
        out.append(kPC).append(kBF2).append(*word).append(" - ").append(Str(score));
        out += "%</font></p>";
    }
    out += "</td>\r\n";
    out += "<td width='14%' bgcolor='#FFFFFF'>";
    out += "<table width='" + total +
           "' border='0' cellspacing='0' cellpadding='0' height='20' align='center'>";
    out += "<tr>\r\n<td background='stars.gif'>&nbsp;</td>\r\n";
    out += "</tr>\r\n</table>\r\n";
    out.append(kPC).append("<font size='3'><b>").append(kAF).append(total).append("%");
    out += "</font></b></font></div>";
    out += "</td>\r\n</tr>\r\n";
}

void appendFeatureBlock(std::string& out, const PageContext& page, const BestCandidate& best,
                        std::string_view label, bool first) {
    const PageText& t = page.text;
    out.append(kROW18).append(t.link(best.link));
    out += "<img src='" + t.nameAttribute(best.name + "1.jpg") + "' width='100' height='100'></td>";
    out += "<td width='64%' bgcolor='#FF99FF'>";
    out.append(kPC).append(kBF2).append(label).append(" : ").append(t.name(best.name));
    out.append(" - ").append(t.text(best.info)).append("</font></p></td>");
    if (first) {
        out += kCRLF;
    }
    out.append(kSCORE18).append(kBF2).append(Str(best.score)).append("%").append(kAFTERB);
    out.append(kENDROW).append(kCRLF);
}

}  // namespace

std::string heightText(double height, bool imperial, const UiWords& words) {
    if (!imperial) {
        return strNumber(height) + "cm";
    }
    const double inches = height / 2.54;
    const double feet = common::Int(inches / 12);
    const double rest = common::Round(inches - 12 * feet, 0);
    return strNumber(feet) + words.FeetWord + " " + strNumber(rest) + words.InchesWord;
}

std::string bestThreePage(const PageContext& page, const TopNine& top) {
    std::string out = "<html>\r\n";
    out += "<head>\r\n" + title(page) + "\r\n";
    out.append(page.text.meta()).append(kCRLF);
    out += "</head>\r\n";
    out += "<body bgcolor='#FFFFFF' text='#000000' background='Resultsbg3.gif'>\r\n";
    out +=
        "<table width='100%' border='1' cellspacing='0' cellpadding='0' "
        "bordercolor='#000066'>\r\n";
    // A place the run did not fill names no face: it gets no block.
    for (std::size_t p = 1; p <= 3 && top.filled(p); ++p) {
        appendTopThreeRow(out, page, top, p);
    }
    out += "</table><p align='center'><font size='1' color='#FFFFFF'>" +
           faceFooterText(page, page.faceCount) + "</font></p>";
    out += "</body></html>\r\n\r\n";
    return out;
}

void allMatchesPage(PageOut& sink, const PageContext& page, std::string_view results2bText) {
    const PageText& t = page.text;
    std::string& out = sink.text;
    out += "<html>\r\n<head>\r\n" + title(page) + "\r\n";
    out.append(t.meta()).append(kCRLF);
    out += "</head>\r\n";
    out += "<body bgcolor='#FFFFFF' text='#000000' background='Resultsbg2.gif'>\r\n";
    out += "<table width='85%' border='1' cellspacing='0' cellpadding='0' align='center'>\r\n";
    out += kPC;
    const ListLines list = listLines(results2bText);
    for (std::string_view line : list.records) {
        const Results2Fields f = results2Fields(line);
        const std::string name = common::Trim(f.nameField);
        if (name == page.face1Name) {
            continue;
        }
        out += "<tr>\r\n<td width='100' height='100'>";
        t.appendLink(out, f.address);
        out += "<img src='";
        t.appendNameAttribute(out, blanksAsPercent20(name + "1.jpg"));
        out += "' width='100' height='100'></td><td width='75%' height='100'>";
        out.append(kPC).append(kBF);
        t.appendName(out, f.nameField);
        out += " - ";
        t.appendText(out, f.description);
        out +=
            "</td><td width='100' height='100'><div align='center'><font face='Arial, "
            "Helvetica, sans-serif' size='2'>";
        out += strNumber(f.total);
        out += "%</font></div>\r\n</td>\r\n</tr>\r\n";
        sink.rowDone();
    }
    out += footer("#000000", faceFooterText(page, page.faceCount));
    out += "</body></html>\r\n\r\n";
}

std::string featuresPage(const PageContext& page, const BestByFeature& best) {
    std::string out = "<html><head>" + title(page) + "\r\n";
    out.append(page.text.head3()).append(kCRLF);
    out += "<body bgcolor='#FFFFFF' text='#000000'>\r\n";
    out += kTAB75;
    const UiWords& w = page.words;
    // A feature no candidate scored above 0 on has no best match.
    if (best.eyes.score > 0) {
        appendFeatureBlock(out, page, best.eyes, w.EyesWord, true);
    }
    if (best.nose.score > 0) {
        appendFeatureBlock(out, page, best.nose, w.NoseWord, false);
    }
    if (best.mouth.score > 0) {
        appendFeatureBlock(out, page, best.mouth, w.MouthWord + "/" + w.JawlineWord, false);
    }
    out += footer("#000000", faceFooterText(page, page.faceCount));
    out += "</body></html>\r\n";
    return out;
}

void heightsPage(PageOut& sink, const PageContext& page, std::string_view heightText,
                 bool imperial) {
    const PageText& t = page.text;
    std::string& out = sink.text;
    out += "<html><head><title>" + page.words.HeightWord + "</title>\r\n";
    out.append(t.head3()).append(kCRLF);
    out += "<body bgcolor='#33CCFF' text='#000000'>\r\n";
    out += kTAB75;
    const std::vector<std::string_view> lines = splitLines(heightText);
    for (std::string_view line : lines) {
        const HeightFields f = heightFields(line);
        if (f.height == 0) {
            continue;
        }
        if (f.height > 999) {
            break;
        }
        out.append(kROW18);
        t.appendLink(out, f.address);
        out += "<img src='";
        t.appendNameAttribute(out, f.name);
        out += "3.jpg' width='100' height='100'></td><td width='64%' bgcolor='#FFCC33'>";
        out.append(kPC).append(kBF2);
        t.appendName(out, f.name);
        out += " - ";
        t.appendText(out, f.description);
        out += "</font></p></td>\r\n";
        out.append(kHEIGHT18).append(kBF2);
        out += analysis::heightText(f.height, imperial, page.words);
        out.append(kAFTERB).append(kENDROW).append(kCRLF);
        sink.rowDone();
    }
    out += footer("#000000", "");
    out += "</body></html>\r\n";
}

void coloursPage(PageOut& sink, const PageContext& page, std::string_view colourText) {
    const PageText& t = page.text;
    const UiWords& w = page.words;
    std::string& out = sink.text;
    out +=
        "<html><head><title>" + w.ColoursWord + " - " + t.name(page.face1FaceName) + "</title>\r\n";
    out.append(t.head3()).append(kCRLF);
    out += "<body bgcolor='#000099' text='#000000'>\r\n";
    out +=
        "<table width='90%' border='1' align='center' cellpadding='0' cellspacing='0' "
        "bordercolor='#000000'>";
    long long count = 0;
    const std::vector<std::string_view> lines = splitLines(colourText);
    for (std::string_view line : lines) {
        ++count;
        const auto f = colourFields(line);
        if (!f) {
            break;
        }
        out += "<tr><td width='100' bgcolor = '#00CCFF'><div align='center'><img src='";
        t.appendNameAttribute(out, f->name);
        out += "3.jpg' width='100' height='100'></td><td width='50%' bgcolor='#00CCFF'>";
        out.append(kPC).append(kBF2);
        t.appendName(out, f->name);
        out.append("</p>").append(kPC);
        t.appendText(out, f->description);
        out += "</font></p></td>\r\n<td width='150' bgcolor='#FFCCFF'>\r\n";
        out.append(kBF2).append(kPC).append(w.HairWord).append(" - ");
        t.appendText(out, f->hair);
        out.append("</p>").append(kPC).append(w.EyesWord).append(" - ");
        t.appendText(out, f->eyes);
        out.append("</P>").append(kPC).append(w.SkinWord).append(" - ");
        t.appendText(out, f->skin);
        out += "</p</font></p></td>\r\n";
        out +=
            "<td width='150' bordercolor='#0' bgcolor='#FFFFFF'><p align='center'><font "
            "color='#000000' size='3'><b>";
        out.append(kBF2);
        t.appendText(out, f->total);
        out.append(kAFTERB);
        out += "</font></td></tr>\r\n";
        sink.rowDone();
    }
    out += footer("#FFFFFF", common::plain(count) + w.SamplesWord);
    out += "</body></html>\r\n";
}

void profilePage(PageOut& sink, const PageContext& page, std::string_view profileText) {
    const PageText& t = page.text;
    const UiWords& w = page.words;
    std::string& out = sink.text;
    out += "<html>\r\n<head>\r\n" + title(page) + "\r\n";
    out.append(t.meta()).append(kCRLF);
    out += "</head>\r\n<body bgcolor='#990099' text='#000000'>\r\n";
    out += "<table width='100%' border='1' cellspacing='0' cellpadding='0' align='center'>\r\n";
    out += kPC;
    long long count = 1;
    const ListLines list = listLines(profileText);
    for (std::string_view line : list.records) {
        ++count;
        const ProfileFields f = profileFields(line);
        out += "<tr>\r\n<td width='100' height='100'><img src='";
        t.appendNameAttribute(out, f.name);
        out += "2.jpg' width='100' height='100'></td><td width='61%' height='100'>";
        out.append(kPC).append(
            "<font face='Arial, Helvetica, sans-serif' color='#FFFFFF' "
            "size='2'>");
        t.appendName(out, f.name);
        out += "</td><td width='13%' bgcolor='#EEEEEE' font color='#000000'";
        out.append(kPC).append(
            "<font face='Arial, Helvetica, sans-serif' color='#000000' "
            "size='1'>");
        out.append(w.EyesWord).append(strNumber(f.eyes)).append("%</p>");
        out.append(w.NoseWord).append(strNumber(f.nose)).append("%</p>");
        out.append(w.MouthWord).append(strNumber(f.mouth)).append("%</p>");
        out += "</font></td><td width='13%' bgcolor='#FFFFFF' font color='#000000'";
        out.append(kPC).append(
            "<font face='Arial, Helvetica, sans-serif' color='#000000' "
            "size='3'>");
        out += strNumber(f.score);
        out += "%</font></td></td>\r\n</tr>\r\n";
        sink.rowDone();
    }
    out += footer("#FFFFFF", faceFooterText(page, count));
    out += "</body></html>\r\n\r\n";
}

PageOut::PageOut(common::PendingSave* save) : save_(save) {
    if (save_ != nullptr) {
        text.reserve(kChunk + kChunk / 4);
    }
}

void PageOut::rowDone() {
    if (save_ != nullptr && text.size() >= kChunk) {
        save_->write(text);
        text.clear();
    }
}

void PageOut::finish() {
    if (save_ != nullptr) {
        save_->write(text);
        text.clear();
    }
}

std::string allMatchesPage(const PageContext& page, std::string_view results2bText) {
    PageOut out;
    allMatchesPage(out, page, results2bText);
    return std::move(out.text);
}

std::string heightsPage(const PageContext& page, std::string_view heightText, bool imperial) {
    PageOut out;
    heightsPage(out, page, heightText, imperial);
    return std::move(out.text);
}

std::string coloursPage(const PageContext& page, std::string_view colourText) {
    PageOut out;
    coloursPage(out, page, colourText);
    return std::move(out.text);
}

std::string profilePage(const PageContext& page, std::string_view profileText) {
    PageOut out;
    profilePage(out, page, profileText);
    return std::move(out.text);
}

}  // namespace analysis
