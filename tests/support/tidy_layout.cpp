#include "tests/support/tidy_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace testsupport {

bool overlap(const forms::Control& a, const forms::Control& b) {
    return a.Left < b.Left + b.Width && b.Left < a.Left + a.Width && a.Top < b.Top + b.Height &&
           b.Top < a.Top + a.Height;
}

namespace {

bool counts(const forms::Control& c, const TidyLayoutRules& rules) {
    const bool canvasItem =
        c.kind() == forms::ControlKind::Line || c.kind() == forms::ControlKind::Shape;
    return (c.Visible || rules.hiddenToo) && (!canvasItem || rules.canvasItemsToo) &&
           !rules.leftOut.contains(c.key());
}

bool meantToOverlap(const forms::Control& a, const forms::Control& b,
                    const TidyLayoutRules& rules) {
    return rules.meantToOverlap.contains({a.key(), b.key()}) ||
           rules.meantToOverlap.contains({b.key(), a.key()});
}

}  // namespace

void expectTidyLayout(const forms::Window& window, const TidyLayoutRules& rules) {
    std::vector<const forms::Control*> checked;
    for (const forms::Control* c : window.controls()) {
        if (counts(*c, rules)) {
            checked.push_back(c);
        }
    }
    for (std::size_t i = 0; i < checked.size(); ++i) {
        const forms::Control& c = *checked[i];
        const int width = c.Container ? c.Container->Width : window.Width;
        const int height = c.Container ? c.Container->Height : window.Height;
        EXPECT_TRUE(c.Width > 0 && c.Height > 0) << c.key() << " has no size";
        EXPECT_TRUE(c.Left >= 0 && c.Top >= 0 && c.Left + c.Width <= width &&
                    c.Top + c.Height <= height)
            << c.key() << " lies outside its frame or window";
        for (std::size_t j = i + 1; j < checked.size(); ++j) {
            const forms::Control& other = *checked[j];
            if (other.Container == c.Container && !meantToOverlap(c, other, rules)) {
                EXPECT_FALSE(overlap(c, other)) << c.key() << " overlaps " << other.key();
            }
        }
    }
}

}  // namespace testsupport
