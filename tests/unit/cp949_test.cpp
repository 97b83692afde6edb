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
