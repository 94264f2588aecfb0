#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "common/text/convert.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"
#include "common/text/int16.h"
#include "common/text/strings.h"

using namespace common;

namespace {

ErrorCode errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const Error& e) {
        return e.code();
    }
    return ErrorCode::InvalidCall;
}

// Switches the process to a locale whose decimal mark is a comma, as a desktop program does when
// it adopts the user's settings, and back to "C" at the end.
class CommaDecimalLocale {
  public:
    CommaDecimalLocale() {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE"}) {
            if (std::setlocale(LC_ALL, name) != nullptr) {
                active_ = name;
                return;
            }
        }
    }
    ~CommaDecimalLocale() { std::setlocale(LC_ALL, "C"); }
    CommaDecimalLocale(const CommaDecimalLocale&) = delete;
    CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;
    bool active() const { return !active_.empty(); }

  private:
    std::string active_;
};

}  // namespace

TEST(Str, LeadingBlankForm) {
    EXPECT_EQ(Str(12), " 12");
    EXPECT_EQ(Str(-7), "-7");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(0.5), " .5");
    EXPECT_EQ(Str(-0.25), "-.25");
    EXPECT_EQ(Str(116.67), " 116.67");
    EXPECT_EQ(Str(1e15), " 1E+15");
    EXPECT_EQ(Str(123456789012345.0), " 123456789012345");
    EXPECT_EQ(Str(0.0001), " .0001");
    EXPECT_EQ(Str(0.00001), " 1E-05");
    EXPECT_EQ(Str(2.0 / 3.0), " .666666666666667");
    EXPECT_EQ(plain(12), "12");
    EXPECT_EQ(plain(-3), "-3");
}

TEST(Str, SinglePrecisionShowsSevenDigits) {
    EXPECT_EQ(StrSingle(116.67f), " 116.67");
    EXPECT_EQ(StrSingle(100.0f), " 100");
    EXPECT_EQ(StrSingle(1.0f / 3.0f), " .3333333");
}

TEST(Str, InfiniteOrUndefinedIsAnOverflowError) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(errorOf([&] { Str(inf); }), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([&] { Str(-inf); }), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([&] { Str(nan); }), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([&] { StrSingle(inf); }), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([&] { StrSingle(nan); }), ErrorCode::Overflow);
    // Beyond the single-precision range: the value a fuzzer fed through the single form.
    EXPECT_EQ(errorOf([] { StrSingle(Val("1.5E+300")); }), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([] { StrSingle(-1e39); }), ErrorCode::Overflow);
    EXPECT_EQ(StrSingle(std::numeric_limits<float>::max()), " 3.402823E+38");
    EXPECT_EQ(Str(std::numeric_limits<double>::max()), " 1.79769313486232E+308");
    EXPECT_EQ(Str(-1e-300), "-1E-300");
}

TEST(Conversions, IgnoreACommaDecimalLocale) {
    const CommaDecimalLocale locale;
    ASSERT_TRUE(locale.active()) << "no comma-decimal locale installed (package locales-all)";
    EXPECT_EQ(Str(2.5), " 2.5");
    EXPECT_EQ(Str(-0.25), "-.25");
    EXPECT_EQ(Str(1.5e15), " 1.5E+15");
    EXPECT_EQ(StrSingle(116.67f), " 116.67");
    EXPECT_EQ(Str(2) + "%", " 2%");
    EXPECT_EQ(Val("1.5"), 1.5);
    EXPECT_EQ(Val("-2.5E2"), -250);
    EXPECT_EQ(Val("1,5"), 1);
    EXPECT_EQ(Val("&HFF"), 255);
    EXPECT_EQ(Round(116.666666, 2), 116.67);
}

TEST(Val, ReadsTheNumericPrefix) {
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val("*"), 0);
    EXPECT_EQ(Val("NormX2"), 0);
    EXPECT_EQ(Val(" 153&&&, 1000&&&"), 153);
    EXPECT_EQ(Val("-35"), -35);
    EXPECT_EQ(Val("-0"), 0);
    EXPECT_EQ(Val("1 2 3"), 123);
    EXPECT_EQ(Val(" 7\r\n1"), 71);
    EXPECT_EQ(Val("\t+4.5xyz"), 4.5);
    EXPECT_EQ(Val("1.2.3"), 1.2);
    EXPECT_EQ(Val("2E3"), 2000);
    EXPECT_EQ(Val("2D-1"), 0.2);
    EXPECT_EQ(Val("5E"), 5);
    EXPECT_EQ(Val("172#"), 172);
    EXPECT_EQ(Val("99999,99999"), 99999);
    EXPECT_EQ(Val("&HFF"), 255);
    EXPECT_EQ(Val("&HFFFF"), -1);
    EXPECT_EQ(Val("&H10000"), 65536);
    EXPECT_EQ(Val("&O17"), 15);
    EXPECT_EQ(Val("-"), 0);
    EXPECT_EQ(errorOf([] { Val("1E999"); }), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([] { Val("-1E999"); }), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([] { Val("99999999999999999999E308"); }), ErrorCode::Overflow);
    EXPECT_EQ(Val("1E-999"), 0);
    EXPECT_EQ(Val("-.0001E-400"), 0);
    EXPECT_EQ(Val(std::string(400, '0') + "1E-400"), 0);
    EXPECT_EQ(errorOf([] { Val("1" + std::string(400, '0') + "E-10"); }), ErrorCode::Overflow);
    EXPECT_EQ(Val("1E-320"), 1E-320);
}

TEST(Rounding, FloorAndTiesToEven) {
    EXPECT_EQ(Int(-2.5), -3);
    EXPECT_EQ(Int(2.9), 2);
    EXPECT_EQ(Int(-10.5), -11);
    EXPECT_EQ(toInt16(2.5), 2);
    EXPECT_EQ(toInt16(3.5), 4);
    EXPECT_EQ(toInt16(-2.5), -2);
    EXPECT_EQ(toInt16(-32768.4), -32768);
    EXPECT_EQ(errorOf([] { toInt16(32767.5); }), ErrorCode::Overflow);
}

TEST(Rounding, SixteenBitRangeOverflows) {
    EXPECT_EQ(errorOf([] { toInt16(32768); }), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([] { toInt16(-32769); }), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([] { toInt32(4e9); }), ErrorCode::Overflow);
    EXPECT_EQ(toInt32(8421504.0), 8421504);
    EXPECT_EQ(Round(116.666666, 2), 116.67);
    EXPECT_EQ(Round(0.125, 2), 0.12);
    EXPECT_EQ(Round(4.5), 4);
}

TEST(Int16Arithmetic, RaisesOverflowInsteadOfWrapping) {
    const Int16 big = 30000;
    EXPECT_EQ((big - Int16(30000)).value(), 0);
    EXPECT_EQ(errorOf([&] { (void)(big + big); }), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([&] { (void)(big * Int16(2)); }), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([] { (void)(-Int16(-32768)); }), ErrorCode::Overflow);
    EXPECT_EQ((Int16(-32767) - Int16(1)).value(), -32768);
}

TEST(Strings, TrimMidInStrHex) {
    EXPECT_EQ(Trim("  a b \t "), "a b \t");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Mid("Hello", 2, 3), "ell");
    EXPECT_EQ(Mid("Hello", 4), "lo");
    EXPECT_EQ(Mid("Hello", 9), "");
    EXPECT_EQ(errorOf([] { Mid("Hello", 0); }), ErrorCode::InvalidCall);
    EXPECT_EQ(InStr("Mary-Jane - Actress", " -"), 10u);
    EXPECT_EQ(InStr("abc", "B"), 0u);
    EXPECT_EQ(InStr(3, "a~b~c~", "~"), 4u);
    EXPECT_EQ(InStr(2, "abc", ""), 2u);
    EXPECT_EQ(Hex(255), "FF");
    EXPECT_EQ(Hex(8421504), "808080");
    EXPECT_EQ(Hex(0), "0");
    EXPECT_EQ(Hex(-1), "FFFFFFFF");
    EXPECT_EQ(RGB(255, 128, 1), 255 + 128 * 256 + 65536);
}

TEST(Cp1252, RoundTripsEveryByte) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    EXPECT_EQ(cp1252ToUtf8("\xA3"), "\xC2\xA3");
    EXPECT_EQ(cp1252ToUtf8("\x80"), "\xE2\x82\xAC");
    EXPECT_EQ(utf8ToCp1252("\xE4\xB8\xAD"), "?");
    EXPECT_EQ(joinPath("/data", "Anna.txt"), "/data/Anna.txt");
    EXPECT_EQ(joinPath("/", "Anna.txt"), "/Anna.txt");
}

// A held name is Windows-1252 text, or the UTF-8 bytes of a name on disk that Windows-1252 cannot
// hold: in UTF-8 the first is converted and the second stays, part by part of a path.
TEST(Cp1252, HeldNamesAndPathsInUtf8) {
    const std::string ivan = "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD";
    EXPECT_EQ(heldToUtf8("Zo\xEB"), "Zo\xC3\xAB");
    EXPECT_EQ(heldToUtf8(ivan), ivan);
    // "\xC3\xA9" made of Windows-1252 characters would have been held as "\xE9": it is "\xC3\xA9"
    // in Windows-1252.
    EXPECT_EQ(heldToUtf8("\xC3\xA9"), "\xC3\x83\xC2\xA9");
    EXPECT_EQ(heldToUtf8("/data/" + ivan + "/Zo\xEB.txt"), "/data/" + ivan + "/Zo\xC3\xAB.txt");
    EXPECT_EQ(heldToUtf8(""), "");
    EXPECT_EQ(heldToUtf8("/"), "/");
}

// What the windows show, in UTF-8 for a terminal or a message: valid UTF-8 as it stands (a
// block-form word, a name held beyond Windows-1252), anything else as Windows-1252.
TEST(Cp1252, TextIsShownInUtf8AsTheWindowsShowIt) {
    EXPECT_EQ(common::shownInUtf8("Zo\xEB"), "Zo\xC3\xAB");
    EXPECT_EQ(common::shownInUtf8("\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD"),
              "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD");
    EXPECT_EQ(common::shownInUtf8("plain"), "plain");
    EXPECT_EQ(common::shownInUtf8("\xC0\xAF"), "\xC3\x80\xC2\xAF")
        << "an overlong form is no UTF-8";
}
