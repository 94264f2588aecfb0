#pragma once

#include <string>
#include <string_view>

#include "analysis/engine/pair_scores.h"
#include "analysis/engine/ranking/top_nine.h"
#include "analysis/mainwindow/ui_words.h"
#include "analysis/reports/page_text.h"

namespace common {
class PendingSave;
}

namespace analysis {

// What every report page is written with: the words, face 1's name (its caption), the number of
// faces of the data folder, how data text goes in, and the name face 1's data gives (the colours
// page's title).
struct PageContext {
    const UiWords& words;
    std::string_view face1Name;
    int faceCount = 0;
    PageText text;
    std::string_view face1FaceName = {};
};

// Where a long page goes while it is written: gathered whole, or, given a save, handed to it in
// pieces, so a page of many thousand rows never sits whole in memory.
class PageOut {
  public:
    explicit PageOut(common::PendingSave* save = nullptr);
    // What is written and not yet handed on.
    std::string text;
    // Hands the text on once it is large; called after each row.
    void rowDone();
    // Hands on the rest.
    void finish();

  private:
    static constexpr std::size_t kChunk = 1 << 20;
    common::PendingSave* save_;
};

// The texts of the six report pages, each from what its page shows.
// Results_1.htm: the three best matches in detail, as many as the run ranked.
std::string bestThreePage(const PageContext& page, const TopNine& top);
// Results_2.htm: every match of Results2b.tmp, best first, face 1 left out.
std::string allMatchesPage(const PageContext& page, std::string_view results2bText);
// Results_3.htm: the best candidate for eyes, nose and mouth, each that one scored above 0.
std::string featuresPage(const PageContext& page, const BestByFeature& best);
// Results_Heights.htm from the sorted HeightResults.tmp.
std::string heightsPage(const PageContext& page, std::string_view heightText, bool imperial);
// Results_Colours.htm from the ranked ColourResults.tmp.
std::string coloursPage(const PageContext& page, std::string_view colourText);
// Results_Profile.htm from the sorted ProfileResults.tmp.
std::string profilePage(const PageContext& page, std::string_view profileText);

// The long pages written into a page output.
void allMatchesPage(PageOut& out, const PageContext& page, std::string_view results2bText);
void heightsPage(PageOut& out, const PageContext& page, std::string_view heightText, bool imperial);
void coloursPage(PageOut& out, const PageContext& page, std::string_view colourText);
void profilePage(PageOut& out, const PageContext& page, std::string_view profileText);

// A height as the heights page shows it: " 168cm", or " 5ft  6in" in feet and inches.
std::string heightText(double height, bool imperial, const UiWords& words);

}  // namespace analysis
