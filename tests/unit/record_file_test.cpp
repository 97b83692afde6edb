#include "common/record_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#ifndef _WIN32
#include "fakes/file_size_limit.h"
#endif
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

// A file edited by hand or cut short by a crash may end without its last CR LF; the new record
// must still start a line of its own.
TEST(RecordFile, AppendEndsAnUnfinishedLastLineFirst) {
    const struct {
        const char* before;
        const char* after;
    } cases[] = {
        {"a|b", "a|b\r\nc|d\r\n"}, {"a|b\r", "a|b\r\nc|d\r\n"},
        {"a|b\n", "a|b\nc|d\r\n"}, {"a|b\r\n", "a|b\r\nc|d\r\n"},
        {"", "c|d\r\n"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        RecordFile f(dir.path() / "scrap.res");
        put_bytes(f.path(), c.before);
        ASSERT_TRUE(f.append({"c", "d"})) << c.before;
        EXPECT_EQ(bytes_of(f.path()), c.after) << c.before;
        EXPECT_EQ(f.records().back(), (Record{"c", "d"})) << c.before;
    }
}

TEST(RecordFile, AddressFieldKeepsTheAddressOpeningTheSamePage) {
    EXPECT_EQ(address_field("http://a/p?x=1|2&y=%7C"), "http://a/p?x=1%7C2&y=%7C");
    EXPECT_EQ(address_field("http://a/\r\nb"), "http://a/ b");
    TempDir dir;
    RecordFile f(dir.path() / "scrap.res");
    ASSERT_TRUE(f.append({"t", address_field("http://a/?q=1|2")}));
    EXPECT_EQ(bytes_of(f.path()), "t|http://a/?q=1%7C2\r\n");
}

#ifndef _WIN32  // a full disk is a file size limit, which Windows lacks
// A full disk (or a file size limit) stops a write half-way: nothing may claim success, and the
// file must be what it was, not a record cut in two.
TEST(RecordFile, FailedWritesOnAFullDiskLeaveTheFileAsItWas) {
    TempDir dir;
    RecordFile f(dir.path() / "scrap.res");
    const std::string before = "d|old title|http://a\r\n";
    put_bytes(f.path(), before);
    const std::string long_title(300, 'x');
    {
        FileSizeLimit full(before.size() + 10);
        EXPECT_FALSE(f.append({"d", long_title, "http://b"}));
        EXPECT_FALSE(f.rewrite({{"d", long_title, "http://b"}}));
    }
    {
        FileSizeLimit full(before.size() / 2);
        EXPECT_FALSE(f.remove_records([](const Record&) { return false; }));
    }
    EXPECT_EQ(bytes_of(f.path()), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);

    RecordFile fresh(dir.path() / "new.res");
    {
        FileSizeLimit full(0);
        EXPECT_FALSE(fresh.append({"d", "t", "http://c"}));
    }
    EXPECT_FALSE(fresh.exists());
}
#endif

#ifndef _WIN32  // a full disk is a file size limit, which Windows lacks
// A crash may leave the scratch file behind, even as a second name of the file itself (a new file
// is created by linking its scratch into place): the next write must start a scratch of its own.
TEST(RecordFile, ALeftoverScratchNeverWritesIntoTheFile) {
    TempDir dir;
    RecordFile f(dir.path() / "bookmark.res");
    const std::string before = "a|http://a\r\n";
    put_bytes(f.path(), before);
    const auto scratch = dir.path() / "bookmark.res.new";
    std::filesystem::create_hard_link(f.path(), scratch);
    {
        FileSizeLimit full(before.size() + 4);
        EXPECT_FALSE(f.rewrite({{"b", std::string(40, 'x')}}));
    }
    EXPECT_EQ(bytes_of(f.path()), before);

    std::filesystem::create_hard_link(f.path(), scratch);
    EXPECT_TRUE(f.rewrite({{"c", "http://c"}}));
    EXPECT_EQ(bytes_of(f.path()), "c|http://c\r\n");
    EXPECT_FALSE(std::filesystem::exists(scratch));
}
#endif

TEST(RecordFile, RemoveRecordsDropsOnlyTheChosenLines) {
    TempDir dir;
    RecordFile f(dir.path() / "scrap.res");
    // A blank line, a short line, a line with a fourth field, a line that is not valid CP949 and a
    // last line without its CR LF.
    put_bytes(
        f.path(),
        "d1|t1|u1\r\n\r\nshort\r\nd2|gone|u2\r\nd3|t3|u3|extra\r\nd4|\xFF\xFE|u4\nd5|gone|u5");
    int asked = 0;
    ASSERT_TRUE(f.remove_records([&](const Record& r) {
        ++asked;
        return field(r, 2) == "gone";
    }));
    EXPECT_EQ(asked, 6);
    EXPECT_EQ(bytes_of(f.path()), "d1|t1|u1\r\nshort\r\nd3|t3|u3|extra\r\nd4|\xFF\xFE|u4\r\n");

    RecordFile missing(dir.path() / "none.res");
    EXPECT_TRUE(missing.remove_records([](const Record&) { return true; }));
    EXPECT_FALSE(missing.exists());
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
