#include "common/cp949.h"

#include <gtest/gtest.h>

namespace presslane {
namespace {

// "한글" in CP949.
const std::string kHangulCp949 = "\xC7\xD1\xB1\xDB";

TEST(Cp949, RoundTripsKoreanAndAscii) {
    EXPECT_EQ(cp949::encode("한글"), kHangulCp949);
    EXPECT_EQ(cp949::decode(kHangulCp949), "한글");
    EXPECT_EQ(cp949::decode(cp949::encode("조선일보 | News 2024")), "조선일보 | News 2024");
    // A syllable outside KS X 1001 that only the CP949 extension holds.
    EXPECT_EQ(cp949::decode(cp949::encode("똠방각하")), "똠방각하");
}

TEST(Cp949, InvalidBytesDecodeAsReplacementAndGoOn) {
    EXPECT_EQ(cp949::decode("a\xFF"
                            "b"),
              "a\xEF\xBF\xBD"
              "b");
    // A lead byte cut off at the end of the text.
    EXPECT_EQ(cp949::decode(kHangulCp949 + "\xC7"), "한글\xEF\xBF\xBD");
}

TEST(Cp949, UnencodableCharactersBecomeOneQuestionMarkEach) {
    // An emoji and a Thai letter have no CP949 form; neither may turn into a separator.
    EXPECT_EQ(cp949::encode("a😀b"), "a?b");
    EXPECT_EQ(cp949::encode("ก|"), "?|");
    // Invalid UTF-8 on the way in.
    EXPECT_EQ(cp949::encode("x\xC3"), "x?");
}

TEST(Cp949, ABrokenUtf8SequenceCostsOnlyItsOwnBytes) {
    // A lead byte whose character never comes must not take the separators after it along.
    EXPECT_EQ(cp949::encode("a\xE1|b\r\n"), "a?|b\r\n");
    EXPECT_EQ(cp949::encode("\xF0\x9F|\xC7"), "??|?");
}

// One table for every build: each platform's code page conversion must give these same bytes, so
// record files move between the platforms unchanged.
TEST(Cp949, EveryPlatformConvertsTheSameBytes) {
    const char* const bad = "\xEF\xBF\xBD";  // U+FFFD
    const struct {
        std::string cp949;
        std::string utf8;
    } decoded[] = {
        {"\xC7\xD1\xB1\xDB", "한글"},
        {"\x8C\x63\xC6\x52", "똠힣"},  // the extension's syllables and the last one
        {"\xF9\xD3\xED\xAE", "漢字"},
        {"\xA4\xA1\xA1\xA1\xA2\xE6\xA2\xE7", "ㄱ\u3000€®"},
        {"a\x80"
         "b\xFF",
         std::string("a") + bad + "b" + bad},
        // A lead byte without its trail byte is one bad byte; what follows is read on its own.
        {"\xC7 x\xC7", std::string(bad) + " x" + bad},
        // The user-defined rows hold no character.
        {"\xC9\xA1 \xFE\xFE", std::string(bad) + bad + " " + bad + bad},
    };
    for (const auto& c : decoded) EXPECT_EQ(cp949::decode(c.cp949), c.utf8) << c.utf8;

    const struct {
        std::string utf8;
        std::string cp949;
    } encoded[] = {
        {"한글|x\r\n", "\xC7\xD1\xB1\xDB|x\r\n"},
        {"똠漢€®ㄱ", "\x8C\x63\xF9\xD3\xA2\xE6\xA2\xE7\xA4\xA1"},
        // Outside CP949: beyond the basic plane, a Thai letter, a private-use character.
        {"😀ก\uE000.", "???."},
        // Broken UTF-8: a cut sequence, overlong forms, a surrogate, past U+10FFFF, a cut end.
        {"\xE2(\xA1", "?(?"},
        {"\xC0\xAF\xE0\x80\xAF", "???"},
        {"\xED\xA0\x80|\xF4\x90\x80\x80|", "?|?|"},
        {"\xEA\xB0", "??"},
    };
    for (const auto& c : encoded) EXPECT_EQ(cp949::encode(c.utf8), c.cp949) << c.utf8;
}

TEST(Cp949, WholePrefixNeverSplitsADoubleByteCharacter) {
    const std::string text = "a" + kHangulCp949;  // 1 + 2 + 2 bytes
    EXPECT_EQ(cp949::whole_prefix(text, 2), 1u);
    EXPECT_EQ(cp949::whole_prefix(text, 3), 3u);
    EXPECT_EQ(cp949::whole_prefix(text, 4), 3u);
    EXPECT_EQ(cp949::whole_prefix(text, 100), 5u);
    EXPECT_EQ(cp949::whole_prefix(kHangulCp949, 1), 1u);  // always advances
    EXPECT_EQ(cp949::whole_prefix("", 10), 0u);
}

}  // namespace
}  // namespace presslane
