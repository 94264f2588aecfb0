#include "analysis/reports/report_pages.h"

#include <gtest/gtest.h>

#include <string>

#include "analysis/engine/web_address.h"
#include "common/text/cp1252.h"
#include "common/text/utf8.h"

// Every page of one small made-up comparison, worked out by hand from the page layouts: face 1
// is Zoe, the data folder holds four faces.
namespace {

using namespace analysis;

// Expected pages are written with a line break wherever the page has CR LF.
std::string crlf(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
    return out;
}

struct ReportPages : ::testing::Test {
    UiWords words = [] {
        UiWords w;
        setEnglishDefaults(w);
        w.SamplesWord = kEnglishSamplesWord;
        return w;
    }();
    PageContext plain{words, "Zoe", 4, PageText(false, false), "Zoe"};
    PageContext linked{words, "Zoe", 4, PageText(false, true), "Zoe"};

    TopNine top() const {
        TopNine t;
        t.TopNames[1] = "Ann Lee";
        t.TopInfos[1] = "Tom & Jerry&Co";
        t.TopLinks[1] = "www.ann.example";
        t.TopTotals[1] = 85;
        t.TopEyes[1] = 80;
        t.TopNoses[1] = 70;
        t.TopMouths[1] = 90;
        t.TopNames[2] = "Ben";
        t.TopInfos[2] = "Actor";
        t.TopLinks[2] = "";
        t.TopTotals[2] = 60;
        t.TopEyes[2] = 50;
        t.TopNoses[2] = 40;
        t.TopMouths[2] = 30;
        t.FilledPlaces = 2;
        return t;
    }
};

std::string topRow(std::string_view link, std::string_view picture, std::string_view name,
                   std::string_view info, std::string_view eyes, std::string_view nose,
                   std::string_view mouth, std::string_view total) {
    std::string row = crlf(
        "<tr>\n<td width='13%'>\n<div align='center'>LINK<img src='PIC' width='100' "
        "height='100'></div></td>\n<td width='60%'>\n<p align='center'><font face='Arial, "
        "Helvetica, sans-serif' size='2' color='#FFFFFF'>NAME</font></p>\n<p align='center'><font "
        "face='Arial, Helvetica, sans-serif' size='2' color='#FFFFFF'>INFO</font></p></td>\n</td>\n"
        "<td width='13%' bgcolor='#EEEEEE'>\n<p align='center'><font face='Arial, Helvetica, "
        "sans-serif' size='2' color='#000000'>Eyes - EYES%</font></p><p align='center'><font "
        "face='Arial, Helvetica, sans-serif' size='2' color='#000000'>Nose - NOSE%</font></p><p "
        "align='center'><font face='Arial, Helvetica, sans-serif' size='2' color='#000000'>Mouth - "
        "MOUTH%</font></p></td>\n<td width='14%' bgcolor='#FFFFFF'><table width='TOTAL' "
        "border='0' cellspacing='0' cellpadding='0' height='20' align='center'><tr>\n<td "
        "background='stars.gif'>&nbsp;</td>\n</tr>\n</table>\n<p align='center'><font "
        "size='3'><b><font face='Arial, Helvetica, sans-serif'>TOTAL%</font></b></font></div>"
        "</td>\n</tr>\n");
    const std::pair<std::string_view, std::string_view> fields[] = {
        {"LINK", link}, {"PIC", picture}, {"NAME", name},   {"INFO", info},
        {"EYES", eyes}, {"NOSE", nose},   {"MOUTH", mouth}, {"TOTAL", total}};
    for (const auto& [mark, value] : fields) {
        for (std::size_t at = row.find(mark); at != std::string::npos;
             at = row.find(mark, at + value.size())) {
            row.replace(at, mark.size(), value);
        }
    }
    return row;
}

TEST_F(ReportPages, BestThreeWithAndWithoutWebLinks) {
    const std::string head = crlf(
        "<html>\n<head>\n<title>Comparison results for Zoe</title>\n<meta "
        "http-equiv='Content-Type' content='text/html; charset=iso-8859-1'>\n</head>\n<body "
        "bgcolor='#FFFFFF' text='#000000' background='Resultsbg3.gif'>\n<table width='100%' "
        "border='1' cellspacing='0' cellpadding='0' bordercolor='#000066'>\n");
    const std::string foot = crlf(
        "</table><p align='center'><font size='1' color='#FFFFFF'>Zoe.  4 samples. "
        "</font></p></body></html>\n\n");
    const std::string ann2 =
        topRow("", "Ann%20Lee1.jpg", "Ann Lee", "Tom &amp; Jerry&Co", " 80", " 70", " 90", " 85");
    const std::string ben = topRow("", "Ben1.jpg", "Ben", "Actor", " 50", " 40", " 30", " 60");
    // A place the run did not fill gets no block.
    EXPECT_EQ(bestThreePage(plain, top()), head + ann2 + ben + foot);

    const std::string annLinked =
        topRow("<a href='http://www.ann.example'>", "Ann%20Lee1.jpg", "Ann Lee",
               "Tom &amp; Jerry&Co", " 80", " 70", " 90", " 85");
    EXPECT_EQ(bestThreePage(linked, top()), head + annLinked + ben + foot);

    // A third place filled with 0% is a face like any other; none filled writes no block.
    TopNine three = top();
    three.TopNames[3] = "Cy";
    three.TopInfos[3] = "Extra";
    three.FilledPlaces = 3;
    const std::string cy = topRow("", "Cy1.jpg", "Cy", "Extra", " 0", " 0", " 0", " 0");
    EXPECT_EQ(bestThreePage(plain, three), head + ann2 + ben + cy + foot);
    EXPECT_EQ(bestThreePage(plain, TopNine{}), head + foot);
}

TEST_F(ReportPages, AllMatchesLeavesFace1OutAndReadsTotalsBeforeTheFirstBlank) {
    const std::string list =
        " 85 50 Cent ^Singer & rapper ~[www.cent.example]\r\n 70 Zoe ^Herself ~\r\n"
        " 5 Ann Lee ^Actor ~\r\n 100 Ann Lee ^Actor ~\r\n99999\r\n 40 After ^End ~\r\n";
    const std::string head = crlf(
        "<html>\n<head>\n<title>Comparison results for Zoe</title>\n<meta "
        "http-equiv='Content-Type' content='text/html; charset=iso-8859-1'>\n</head>\n<body "
        "bgcolor='#FFFFFF' text='#000000' background='Resultsbg2.gif'>\n<table width='85%' "
        "border='1' cellspacing='0' cellpadding='0' align='center'>\n<p align='center'>");
    auto row = [](std::string_view link, std::string_view picture, std::string_view nameField,
                  std::string_view info, std::string_view total) {
        return crlf("<tr>\n<td width='100' height='100'>" + std::string(link) + "<img src='" +
                    std::string(picture) +
                    "' width='100' height='100'></td><td width='75%' height='100'><p "
                    "align='center'><font face='Arial, Helvetica, sans-serif' color='#000000'>" +
                    std::string(nameField) + " - " + std::string(info) +
                    "</td><td width='100' height='100'><div align='center'><font face='Arial, "
                    "Helvetica, sans-serif' size='2'>" +
                    std::string(total) + "%</font></div>\n</td>\n</tr>\n");
    };
    const std::string foot = crlf(
        "</table><p align='center'><font size='1' color='#000000'>Zoe.  4 samples. "
        "</font></p></body></html>\n\n");
    EXPECT_EQ(allMatchesPage(plain, list),
              head + row("", "50%20Cent1.jpg", "50 Cent ", "Singer & rapper ", " 85") +
                  row("", "Ann%20Lee1.jpg", "Ann Lee ", "Actor ", " 5") +
                  row("", "Ann%20Lee1.jpg", "Ann Lee ", "Actor ", " 100") + foot);
    EXPECT_EQ(allMatchesPage(linked, list),
              head +
                  row("<a href='http://www.cent.example'>", "50%20Cent1.jpg", "50 Cent ",
                      "Singer & rapper ", " 85") +
                  row("", "Ann%20Lee1.jpg", "Ann Lee ", "Actor ", " 5") +
                  row("", "Ann%20Lee1.jpg", "Ann Lee ", "Actor ", " 100") + foot);
}

TEST_F(ReportPages, FeaturesPageWithAndWithoutWebLinks) {
    BestByFeature best;
    best.eyes = {81, "Ann Lee", "Actor", "www.ann.example"};
    best.nose = {72, "Ben", "Singer", ""};
    best.mouth = {63, "Cleo", "Dancer", "http://cleo.example/"};
    auto block = [](std::string_view link, std::string_view name, std::string_view label,
                    std::string_view info, std::string_view score, bool eyes) {
        return crlf("<tr><td width='18%'><div align='center'>" + std::string(link) + "<img src='" +
                    std::string(name) +
                    "1.jpg' width='100' height='100'></td><td width='64%' bgcolor='#FF99FF'><p "
                    "align='center'><font face='Arial, Helvetica, sans-serif' size='2' "
                    "color='#000000'>" +
                    std::string(label) + " : " + std::string(name) + " - " + std::string(info) +
                    "</font></p></td>" + (eyes ? "\n" : "") +
                    "<td width='18%' bordercolor='#FFFFFF' bgcolor='#CCCCFF'><p "
                    "align='center'><font color='#000000' size='3'><b><font face='Arial, "
                    "Helvetica, sans-serif' size='2' color='#000000'>" +
                    std::string(score) +
                    "%</font></b><font color='#000000'></div></font></td></tr>\n");
    };
    const std::string head = crlf(
        "<html><head><title>Comparison results for Zoe</title>\n<meta http-equiv='Content-Type' "
        "content='text/html; charset=iso-8859-1'></head>\n<body bgcolor='#FFFFFF' "
        "text='#000000'>\n<table width='75%' border='1' align='center' cellpadding='0' "
        "cellspacing='0' bordercolor='#000066'>");
    const std::string foot = crlf(
        "</table><p align='center'><font size='1' color='#000000'>Zoe.  4 samples. "
        "</font></p></body></html>\n");
    EXPECT_EQ(featuresPage(plain, best),
              head + block("", "Ann Lee", "Eyes", "Actor", " 81", true) +
                  block("", "Ben", "Nose", "Singer", " 72", false) +
                  block("", "Cleo", "Mouth/Jawline", "Dancer", " 63", false) + foot);
    // An address with its own scheme is used as it stands.
    EXPECT_EQ(
        featuresPage(linked, best),
        head + block("<a href='http://www.ann.example'>", "Ann Lee", "Eyes", "Actor", " 81", true) +
            block("", "Ben", "Nose", "Singer", " 72", false) +
            block("<a href='http://cleo.example/'>", "Cleo", "Mouth/Jawline", "Dancer", " 63",
                  false) +
            foot);

    // A feature no candidate scored above 0 on has no entry; the others stand as they are.
    BestByFeature noEyes = best;
    noEyes.eyes = {};
    EXPECT_EQ(featuresPage(plain, noEyes),
              head + block("", "Ben", "Nose", "Singer", " 72", false) +
                  block("", "Cleo", "Mouth/Jawline", "Dancer", " 63", false) + foot);
    EXPECT_EQ(featuresPage(plain, BestByFeature{}), head + foot);
}

TEST_F(ReportPages, HeightsPageInBothUnitsAndWebLinkStates) {
    const std::string list =
        "     \r\n 85# Kid [Child] ~\r\n 168# Ann Lee [Actor] ~[www.ann.example]\r\n"
        " 182# Ben [Singer] ~[mailto:ben@example.org]\r\n99999";
    auto row = [](std::string_view link, std::string_view name, std::string_view info,
                  std::string_view height) {
        return crlf("<tr><td width='18%'><div align='center'>" + std::string(link) + "<img src='" +
                    std::string(name) +
                    "3.jpg' width='100' height='100'></td><td width='64%' bgcolor='#FFCC33'><p "
                    "align='center'><font face='Arial, Helvetica, sans-serif' size='2' "
                    "color='#000000'>" +
                    std::string(name) + " - " + std::string(info) +
                    "</font></p></td>\n<td width='18%' bordercolor='#FFFFFF' "
                    "bgcolor='#FFFF99'><p align='center'><font color='#000000' size='3'><b><font "
                    "face='Arial, Helvetica, sans-serif' size='2' color='#000000'>" +
                    std::string(height) +
                    "</font></b><font color='#000000'></div></font></td></tr>\n");
    };
    const std::string head = crlf(
        "<html><head><title>Height</title>\n<meta http-equiv='Content-Type' content='text/html; "
        "charset=iso-8859-1'></head>\n<body bgcolor='#33CCFF' text='#000000'>\n<table "
        "width='75%' border='1' align='center' cellpadding='0' cellspacing='0' "
        "bordercolor='#000066'>");
    const std::string foot = crlf(
        "</table><p align='center'><font size='1' color='#000000'></font></p></body></html>\n");
    // A height of 100 or more puts a blank before the name.
    EXPECT_EQ(heightsPage(plain, list, false), head + row("", "Kid", "Child", " 85cm") +
                                                   row("", " Ann Lee", "Actor", " 168cm") +
                                                   row("", " Ben", "Singer", " 182cm") + foot);
    // 182 cm is 71.65 inches: 5 feet and a rest that rounds to 12.
    EXPECT_EQ(heightsPage(linked, list, true),
              head + row("", "Kid", "Child", " 2ft  9in") +
                  row("<a href='http://www.ann.example'>", " Ann Lee", "Actor", " 5ft  6in") +
                  row("<a href='mailto:ben@example.org'>", " Ben", "Singer", " 5ft  12in") + foot);
}

TEST_F(ReportPages, ColoursPageCountsTheLineThatEndsTheList) {
    const std::string list =
        "045 H12 E20 S13 [Face Two]{Actor}\xA3\r\n"
        "060 H30 E10 S20 [Ann]{Singer}\xA3\r\n99999\r\n";
    auto row = [](std::string_view name, std::string_view info, std::string_view hair,
                  std::string_view eyes, std::string_view skin, std::string_view total) {
        return crlf("<tr><td width='100' bgcolor = '#00CCFF'><div align='center'><img src='" +
                    std::string(name) +
                    "3.jpg' width='100' height='100'></td><td width='50%' bgcolor='#00CCFF'><p "
                    "align='center'><font face='Arial, Helvetica, sans-serif' size='2' "
                    "color='#000000'>" +
                    std::string(name) + "</p><p align='center'>" + std::string(info) +
                    "</font></p></td>\n<td width='150' bgcolor='#FFCCFF'>\n<font face='Arial, "
                    "Helvetica, sans-serif' size='2' color='#000000'><p align='center'>Hair - " +
                    std::string(hair) + "</p><p align='center'>Eyes - " + std::string(eyes) +
                    "</P><p align='center'>Skin - " + std::string(skin) +
                    "</p</font></p></td>\n<td width='150' bordercolor='#0' "
                    "bgcolor='#FFFFFF'><p align='center'><font color='#000000' size='3'><b><font "
                    "face='Arial, Helvetica, sans-serif' size='2' color='#000000'>" +
                    std::string(total) + "</font></b><font color='#000000'></font></td></tr>\n");
    };
    const std::string expected =
        crlf(
            "<html><head><title> - Zoe</title>\n<meta http-equiv='Content-Type' "
            "content='text/html; charset=iso-8859-1'></head>\n<body bgcolor='#000099' "
            "text='#000000'>\n<table width='90%' border='1' align='center' cellpadding='0' "
            "cellspacing='0' bordercolor='#000000'>") +
        row("Face Two", "Actor", "12", "20", "13", "045 H") +
        row("Ann", "Singer", "30", "10", "20", "060 H") +
        crlf(
            "</table><p align='center'><font size='1' color='#FFFFFF'>3 samples. "
            "</font></p></body></html>\n");
    EXPECT_EQ(coloursPage(plain, list), expected);
    // The colours page has no web links.
    EXPECT_EQ(coloursPage(linked, list), expected);
    // Its title names face 1 as its data does, whatever the caption shows.
    const PageContext captioned{words, "No data has been loaded.", 4, PageText(false, false),
                                "Zoe"};
    EXPECT_EQ(coloursPage(captioned, list), expected);
}

TEST_F(ReportPages, ProfilePageShowsEachScoreUnderItsOwnFeature) {
    const std::string list =
        "Ann Lee {80} [61] [72] [83] [94]\r\nBen {75} [5] [100] [0] [9]\r\n"
        "Cleo {0} [0] [0] [0] [0]\r\n99999";
    auto row = [](std::string_view name, std::string_view eyes, std::string_view nose,
                  std::string_view mouth, std::string_view score) {
        return crlf("<tr>\n<td width='100' height='100'><img src='" + std::string(name) +
                    "2.jpg' width='100' height='100'></td><td width='61%' height='100'><p "
                    "align='center'><font face='Arial, Helvetica, sans-serif' color='#FFFFFF' "
                    "size='2'>" +
                    std::string(name) +
                    "</td><td width='13%' bgcolor='#EEEEEE' font color='#000000'<p "
                    "align='center'><font face='Arial, Helvetica, sans-serif' color='#000000' "
                    "size='1'>Eyes" +
                    std::string(eyes) + "%</p>Nose" + std::string(nose) + "%</p>Mouth" +
                    std::string(mouth) +
                    "%</p></font></td><td width='13%' bgcolor='#FFFFFF' font color='#000000'<p "
                    "align='center'><font face='Arial, Helvetica, sans-serif' color='#000000' "
                    "size='3'>" +
                    std::string(score) + "%</font></td></td>\n</tr>\n");
    };
    const std::string expected =
        crlf(
            "<html>\n<head>\n<title>Comparison results for Zoe</title>\n<meta "
            "http-equiv='Content-Type' content='text/html; charset=iso-8859-1'>\n</head>\n<body "
            "bgcolor='#990099' text='#000000'>\n<table width='100%' border='1' cellspacing='0' "
            "cellpadding='0' align='center'>\n<p align='center'>") +
        row("Ann Lee", " 72", " 61", " 83", " 80") + row("Ben", " 100", " 5", " 0", " 75") +
        row("Cleo", " 0", " 0", " 0", " 0") +
        crlf(
            "</table><p align='center'><font size='1' color='#FFFFFF'>Zoe.  4 samples. "
            "</font></p></body></html>\n\n");
    EXPECT_EQ(profilePage(plain, list), expected);
    EXPECT_EQ(profilePage(linked, list), expected);
}

// Names from the data go into the page as text: O'Neill keeps his picture, a "<" opens no tag.
TEST_F(ReportPages, DataTextIsEscapedWhereItWouldBreakThePage) {
    const std::string list =
        " 80 Finn O'Neill ^<b>bold</b> & co ~[www.x.example/?a='1'&b=<2>]\r\n"
        "99999\r\n";
    const std::string page = allMatchesPage(linked, list);
    EXPECT_NE(page.find("<a href='http://www.x.example/?a=&#39;1&#39;&b=&lt;2>'><img "
                        "src='Finn%20O&#39;Neill1.jpg'"),
              std::string::npos);
    EXPECT_NE(page.find(">Finn O'Neill  - &lt;b>bold&lt;/b> & co </td>"), std::string::npos);

    const std::string profile = profilePage(plain, "A<B {50} [1] [2] [3] [4]\r\n99999");
    EXPECT_NE(profile.find("<img src='A&lt;B2.jpg'"), std::string::npos);
    EXPECT_NE(profile.find("size='2'>A&lt;B</td>"), std::string::npos);
}

// A record is taken apart at its own marks: "$", "{", "[" and "~" in a name or description
// stay text, and the description keeps its trailing blank.
TEST_F(ReportPages, MarksInsideNamesAndDescriptionsAreText) {
    const std::string list =
        " 60 Cash ^Pays in $ ~ tips ~[www.cash.example]\r\n 50 Open ^No bracket ~[www.x.example\r\n"
        "99999\r\n";
    const std::string page = allMatchesPage(linked, list);
    EXPECT_NE(page.find("Cash  - Pays in $ ~ tips </td>"), std::string::npos);
    EXPECT_NE(page.find("<a href='http://www.cash.example'>"), std::string::npos);
    EXPECT_NE(page.find("<a href='http://www.x.example'>"), std::string::npos);

    const std::string profile = profilePage(plain, "Cash$ {Kid} {60} [1] [2] [3] [4]\r\n99999");
    EXPECT_NE(profile.find("size='2'>Cash$ {Kid}</td>"), std::string::npos);
    EXPECT_NE(profile.find("size='3'> 60%"), std::string::npos);

    const std::string heights =
        heightsPage(linked, " 170# Ann [The [best] one] ~[www.ann.example]\r\n99999", false);
    EXPECT_NE(heights.find(" Ann - The [best] one</font>"), std::string::npos);
    EXPECT_NE(heights.find("<a href='http://www.ann.example'>"), std::string::npos);
}

// Only web and mail addresses become links: a record whose address names another scheme is
// written exactly as the same record without an address, on every page that links.
TEST_F(ReportPages, AddressesOfOtherSchemesAreNoLinks) {
    for (const std::string address :
         {"javascript:alert(1)//http://x", "file:///etc/passwd", "smb://server/share",
          " http://www.ann.example", "JavaScript://%0Aalert(1)"}) {
        const std::string withAddress = " 85 Ann ^Actor ~[" + address + "]\r\n99999\r\n";
        const std::string without = " 85 Ann ^Actor ~\r\n99999\r\n";
        const std::string page = allMatchesPage(linked, withAddress);
        EXPECT_EQ(page, allMatchesPage(linked, without)) << address;
        EXPECT_EQ(page.find("<a "), std::string::npos) << address;

        EXPECT_EQ(heightsPage(linked, " 170# Ann [Actor] ~[" + address + "]\r\n99999", false),
                  heightsPage(linked, " 170# Ann [Actor] ~\r\n99999", false))
            << address;

        TopNine withLink = top();
        withLink.TopLinks[1] = address;
        TopNine noLink = top();
        noLink.TopLinks[1] = "";
        EXPECT_EQ(bestThreePage(linked, withLink), bestThreePage(linked, noLink)) << address;

        BestByFeature best;
        best.eyes = {81, "Ann", "Actor", address};
        BestByFeature bare;
        bare.eyes = {81, "Ann", "Actor", ""};
        EXPECT_EQ(featuresPage(linked, best), featuresPage(linked, bare)) << address;
    }
    // Web and mail addresses of any case stay links; one without a scheme gets "http://".
    const std::string list =
        " 85 Ann ^Actor ~[HTTPS://ann.example]\r\n 80 Ben ^Singer ~[Mailto:ben@example.org]\r\n"
        " 75 Cid ^Chef ~[ftp://files.example/cid]\r\n 70 Dee ^Dancer ~[example.com:8080/me]\r\n"
        " 65 Eve ^Eve ~[javascript:alert(1)]\r\n99999\r\n";
    const std::string page = allMatchesPage(linked, list);
    for (const char* link :
         {"<a href='HTTPS://ann.example'>", "<a href='Mailto:ben@example.org'>",
          "<a href='ftp://files.example/cid'>", "<a href='http://example.com:8080/me'>"}) {
        EXPECT_NE(page.find(link), std::string::npos) << link;
    }
    EXPECT_EQ(page.find("javascript"), std::string::npos);
}

TEST(WebAddress, OnlyWebAndMailSchemesLeadAnywhere) {
    EXPECT_EQ(webAddress("www.example.org"), "http://www.example.org");
    EXPECT_EQ(webAddress("example.com:8080/me"), "http://example.com:8080/me");
    EXPECT_EQ(webAddress("http://example.org/a"), "http://example.org/a");
    EXPECT_EQ(webAddress("hTTps://example.org"), "hTTps://example.org");
    EXPECT_EQ(webAddress("FTP://files.example"), "FTP://files.example");
    EXPECT_EQ(webAddress("MAILTO:ann@example.org"), "MAILTO:ann@example.org");
    EXPECT_EQ(webAddress("mailto://ann@example.org"), "mailto://ann@example.org");
    // A digit after the ":" makes it a port, not a scheme.
    EXPECT_EQ(webAddress("localhost:3000"), "http://localhost:3000");
    EXPECT_EQ(webAddress("a1+b-c.d:9"), "http://a1+b-c.d:9");
    // Text before the ":" that is no scheme word names no scheme either.
    EXPECT_EQ(webAddress("example.org/a:b"), "http://example.org/a:b");
    EXPECT_EQ(webAddress("1host:x"), "http://1host:x");
    EXPECT_EQ(webAddress(":x"), "http://:x");
    // A scheme word need not be followed by "//".
    EXPECT_EQ(webAddress("Https:example.org"), "Https:example.org");
    for (const char* refused :
         {"", "javascript:alert(1)//http://x", "file:///etc/passwd", "smb://server/share",
          "apt://sl", " http://example.org", "http ://example.org", "data://text", "://x",
          "mailto ann@example.org://", "javascript:alert(1)", "JavaScript:", "javascript:",
          "data:text/html,x", "vbscript:x", "a1+b-c.d:x", "httpx:/x"}) {
        EXPECT_FALSE(webAddress(refused).has_value()) << refused;
    }
}

TEST_F(ReportPages, ProfileFooterCountsOneMoreThanTheRecords) {
    const std::string page = profilePage(
        plain, "A {1} [1] [1] [1] [1]\r\nB {1} [1] [1] [1] [1]\r\nC {1} [1] [1] [1] [1]\r\n99999");
    EXPECT_NE(page.find("Zoe.  4 samples. </font>"), std::string::npos);
}

// With UTF-8 words the whole page is UTF-8: names converted, the meta line says so.
TEST_F(ReportPages, Utf8WordsMakeAUtf8Page) {
    UiWords greek = words;
    greek.EyesWord = "\xCE\x9C\xCE\xAC\xCF\x84\xCE\xB9\xCE\xB1";
    const PageContext utf8{greek, "Jos\xE9", 4, PageText(true, false)};
    TopNine t = top();
    t.TopNames[1] = "Ren\xE9";
    const std::string page = bestThreePage(utf8, t);
    EXPECT_NE(page.find("charset=utf-8'>"), std::string::npos);
    EXPECT_EQ(page.find("iso-8859-1"), std::string::npos);
    EXPECT_NE(page.find("<title>Comparison results for Jos\xC3\xA9</title>"), std::string::npos);
    EXPECT_NE(page.find("Ren\xC3\xA9"), std::string::npos);
    EXPECT_NE(page.find("\xCE\x9C\xCE\xAC\xCF\x84\xCE\xB9\xCE\xB1 - "), std::string::npos);
    EXPECT_NE(featuresPage(utf8, BestByFeature{}).find("charset=utf-8'></head>"),
              std::string::npos);
}

// A name on disk that Windows-1252 cannot hold is held as its UTF-8 bytes: a UTF-8 page shows it
// and names its pictures as it stands, never converted a second time, while Windows-1252 names
// beside it are converted. An 8-bit page keeps every name's bytes.
TEST_F(ReportPages, Utf8PagesShowNamesBeyondWindows1252AsTheyStand) {
    const std::string ivan = "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD \xD0\x9F\xD1\x91\xD1\x82\xD1\x80";
    const std::string twice = common::cp1252ToUtf8(ivan);
    const std::string ivanPicture = blanksAsPercent20(ivan);
    UiWords russian = words;
    russian.EyesWord = "\xD0\x93\xD0\xBB\xD0\xB0\xD0\xB7\xD0\xB0";
    const PageContext utf8{russian, ivan, 4, PageText(true, false), ivan};
    TopNine t = top();
    t.TopNames[1] = ivan;
    t.TopNames[2] = "Zo\xEB";
    BestByFeature best;
    best.eyes = {81, ivan, "Actor", ""};
    best.nose = {72, "Zo\xEB", "Singer", ""};
    const std::string pages[] = {
        bestThreePage(utf8, t),
        // The all-matches page leaves face 1 out.
        allMatchesPage(PageContext{russian, "Bea", 4, PageText(true, false)},
                       " 85 " + ivan + " ^Actor ~\r\n 70 Zo\xEB ^Singer ~\r\n99999\r\n"),
        featuresPage(utf8, best),
        heightsPage(utf8, "     \r\n 85# " + ivan + " [Actor] ~\r\n 90# Zo\xEB [Singer] ~\r\n99999",
                    false),
        coloursPage(utf8, "045 H12 E20 S13 [" + ivan +
                              "]{Actor}\xA3\r\n060 H30 E10 S20 [Zo\xEB]{Singer}"
                              "\xA3\r\n99999\r\n"),
        profilePage(utf8,
                    ivan + " {80} [61] [72] [83] [94]\r\nZo\xEB {75} [5] [100] [0] [9]\r\n99999")};
    for (const std::string& page : pages) {
        EXPECT_TRUE(common::isUtf8(page)) << page;
        EXPECT_EQ(page.find(twice), std::string::npos) << page;
        EXPECT_NE(page.find("Zo\xC3\xAB"), std::string::npos) << page;
    }
    EXPECT_NE(pages[0].find("<title>Comparison results for " + ivan + "</title>"),
              std::string::npos);
    EXPECT_NE(pages[0].find("<img src='" + ivanPicture + "1.jpg'"), std::string::npos);
    EXPECT_NE(pages[0].find("color='#FFFFFF'>" + ivan + "</font>"), std::string::npos);
    EXPECT_NE(pages[0].find("<font size='1' color='#FFFFFF'>" + ivan + ".  4 samples. "),
              std::string::npos);
    EXPECT_NE(pages[1].find("<img src='" + ivanPicture + "1.jpg'"), std::string::npos);
    EXPECT_NE(pages[1].find("color='#000000'>" + ivan + "  - Actor "), std::string::npos);
    EXPECT_NE(pages[2].find("<img src='" + ivan + "1.jpg'"), std::string::npos);
    EXPECT_NE(pages[2].find(russian.EyesWord + " : " + ivan + " - Actor"), std::string::npos);
    EXPECT_NE(pages[3].find("<img src='" + ivan + "3.jpg'"), std::string::npos);
    EXPECT_NE(pages[3].find("color='#000000'>" + ivan + " - Actor"), std::string::npos);
    EXPECT_NE(pages[4].find("<title> - " + ivan + "</title>"), std::string::npos);
    EXPECT_NE(pages[4].find("<img src='" + ivan + "3.jpg'"), std::string::npos);
    EXPECT_NE(pages[5].find("<img src='" + ivan + "2.jpg'"), std::string::npos);
    EXPECT_NE(pages[5].find("size='2'>" + ivan + "</td>"), std::string::npos);

    const PageContext eightBit{words, ivan, 4, PageText(false, false), ivan};
    const std::string page = bestThreePage(eightBit, t);
    EXPECT_NE(page.find("<title>Comparison results for " + ivan + "</title>"), std::string::npos);
    EXPECT_NE(page.find("color='#FFFFFF'>Zo\xEB</font>"), std::string::npos);
}

}  // namespace
