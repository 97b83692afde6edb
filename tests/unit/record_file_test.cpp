#include "common/record_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "fakes/temp_dir.h"

namespace presslane {
namespace {

std::string bytes_of(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void put_bytes(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

TEST(SplitFields, NumbersFieldsFromOne) {
    const Record r = split_fields("a||c|");
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(field(r, 1), "a");
    EXPECT_EQ(field(r, 2), "");
    EXPECT_EQ(field(r, 3), "c");
    EXPECT_EQ(field(r, 4), "");
    EXPECT_EQ(field(r, 5), "");
    EXPECT_EQ(field(r, 0), "");
    EXPECT_EQ(split_fields("no bar"), Record{"no bar"});
}

TEST(RecordFile, MissingFileReadsAsEmpty) {
    TempDir dir;
    RecordFile f(dir.path() / "none.res");
    EXPECT_FALSE(f.exists());
    EXPECT_TRUE(f.lines().empty());
    EXPECT_TRUE(f.records().empty());
    EXPECT_EQ(f.first_line(), "");
}

TEST(RecordFile, ReadsCp949WithCrLfAndSkipsBlankLines) {
    TempDir dir;
    const auto p = dir.path() / "book.res";
    // "한글|http://a" CR LF, a blank line, a line ended by a lone LF, a last line without end.
    put_bytes(p, "\xC7\xD1\xB1\xDB|http://a\r\n\r\n  \r\nb|c\nlast");
    RecordFile f(p);
    EXPECT_EQ(f.first_line(), "한글|http://a");
    const auto records = f.records();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0], (Record{"한글", "http://a"}));
    EXPECT_EQ(records[1], (Record{"b", "c"}));
    EXPECT_EQ(records[2], Record{"last"});
    EXPECT_EQ(f.lines().size(), 5u);
}

TEST(RecordFile, AppendWritesOneCp949LineWithCrLf) {
    TempDir dir;
    RecordFile f(dir.path() / "scrap.res");
    ASSERT_TRUE(f.append({"한글", "http://a"}));
    ASSERT_TRUE(f.append({"b"}));
    EXPECT_EQ(bytes_of(f.path()), "\xC7\xD1\xB1\xDB|http://a\r\nb\r\n");
}

// A page title very often carries "|" or a line break; stored raw, it would shift every later
// field and open the wrong address.
TEST(RecordFile, FieldValuesCannotSplitTheirRecord) {
    TempDir dir;
    RecordFile f(dir.path() / "scrap.res");
    ASSERT_TRUE(f.append({"뉴스 | 속보\r\n둘째 줄\n끝", "http://a/?x=1|2"}));
    const auto records = f.records();
    ASSERT_EQ(records.size(), 1u);
    ASSERT_EQ(records[0].size(), 2u);
    EXPECT_EQ(records[0][0], "뉴스 ｜ 속보 둘째 줄 끝");
    EXPECT_EQ(records[0][1], "http://a/?x=1｜2");
}

TEST(RecordFile, UnencodableCharactersDoNotBecomeSeparators) {
    TempDir dir;
    RecordFile f(dir.path() / "scrap.res");
    ASSERT_TRUE(f.append({"emoji 😀 title", "http://a"}));
    const auto records = f.records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0], (Record{"emoji ? title", "http://a"}));
}

TEST(RecordFile, RewriteReplacesWholeAndLeavesNoScratch) {
    TempDir dir;
    RecordFile f(dir.path() / "setting.res");
    ASSERT_TRUE(f.append({"old", "1"}));
    ASSERT_TRUE(f.append({"older", "2"}));
    ASSERT_TRUE(f.rewrite({{"new", "0"}}));
    EXPECT_EQ(bytes_of(f.path()), "new|0\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(RecordFile, FailedRewriteKeepsTheOldFile) {
    TempDir dir;
    const auto sub = dir.path() / "app";
    std::filesystem::create_directory(sub);
    RecordFile f(sub / "setting.res");
    ASSERT_TRUE(f.append({"keep", "me"}));
    // A folder the scratch file cannot be created in, as on a read-only or full disk. Root ignores
    // permission bits, so block the scratch name with a folder instead.
    std::filesystem::create_directory(sub / "setting.res.new");
    EXPECT_FALSE(f.rewrite({{"lost"}}));
    EXPECT_EQ(bytes_of(f.path()), "keep|me\r\n");
}

TEST(RecordFile, RemoveDeletesAndToleratesMissing) {
    TempDir dir;
    RecordFile f(dir.path() / "x.res");
    EXPECT_TRUE(f.remove());
    ASSERT_TRUE(f.append({"a"}));
    EXPECT_TRUE(f.remove());
    EXPECT_FALSE(f.exists());
}

}  // namespace
}  // namespace presslane
