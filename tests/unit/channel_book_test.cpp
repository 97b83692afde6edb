#include "common/channel_book.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include <gtest/gtest.h>

#include "common/cp949.h"
#include "common/cp949.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_event_pump.h"
#include "fakes/temp_dir.h"
#include "media/verified_list.h"
#include "fakes/fake_media_player.h"

namespace presslane {
namespace {

void write(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

std::string read(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct ChannelBookTest : ::testing::Test {
    TempDir dir;
    std::filesystem::path book_path = dir.path() / "radiobook.res";
    ChannelBook book{book_path};
};

TEST_F(ChannelBookTest, AddingAppendsOneCleanLine) {
    book.add("2026-12-09", "A", "x");
    book.add("2026-12-09", "SBS|FM", "mms://a\r\nb");
    EXPECT_EQ(book.lines(),
              (std::vector<std::string>{"2026-12-09|A|x", "2026-12-09|SBS｜FM|mms://a b"}));
    EXPECT_EQ(read(book_path).substr(0, 16), "2026-12-09|A|x\r\n");
    EXPECT_EQ(book.names(), (std::vector<std::string>{"A", "SBS｜FM"}));
}

TEST_F(ChannelBookTest, ReadingSkipsBlankAndNamelessLines) {
    write(book_path, "d|A|x\r\n\r\n   \r\nlonely\r\nd||y\r\nd|B|z|extra\r\nd|A|w\r\n");
    EXPECT_EQ(book.names(), (std::vector<std::string>{"A", "B", "A"}));
    const auto a = book.matching("A");
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(field(a.back(), 3), "w");
    EXPECT_TRUE(book.matching("a").empty());
    EXPECT_TRUE(ChannelBook(dir.path() / "missing.res").names().empty());
}

TEST_F(ChannelBookTest, ListUpToTheFirstBlankLineLetsEventsRun) {
    write(book_path, "d|A|x\r\nlonely\r\nd|B|y\r\n\r\nd|C|z\r\n");
    FakeClock clock;
    FakeEventPump pump(clock);
    EXPECT_EQ(book.names_until_blank(pump), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(pump.pending_runs, 4);
}

TEST_F(ChannelBookTest, DeletionRewritesTheBookInNormalForm) {
    struct Case {
        const char* before;
        const char* name;
        const char* after;
    };
    const Case cases[] = {
        {"d|A|x\r\nd|B|y\r\nd|A|z\r\n", "A", "d|B|y\r\n"},
        {"d|A|x\r\n\r\n\r\nd|B|y\r\n", "C", "d|A|x\r\nd|B|y\r\n"},
        {"d|n|a|extra\r\nd|B|y\r\n", "B", "d|n|a\r\n"},
        {"d|short\r\nonly\r\nd|B|y\r\n", "X", "d|B|y\r\n"},
        {"d|B|y\r\n", "B", ""},
    };
    for (const auto& c : cases) {
        write(book_path, c.before);
        EXPECT_TRUE(book.remove(c.name)) << c.before;
        EXPECT_EQ(read(book_path), c.after) << c.before;
        EXPECT_FALSE(std::filesystem::exists(dir.path() / "radiobook_backup.res"));
    }
}

TEST_F(ChannelBookTest, DeletingFromAMissingBookLeavesAnEmptyBook) {
    EXPECT_TRUE(book.remove("A"));
    EXPECT_TRUE(std::filesystem::exists(book_path));
    EXPECT_EQ(read(book_path), "");
}

TEST_F(ChannelBookTest, ADeletionCutShortAtAnyStepLeavesAWholeBook) {
    const std::string before = "d|A|x\r\nd|B|y\r\n", after = "d|B|y\r\n";
    for (auto stop : {ChannelBook::DeleteStep::ScratchRemoved,
                      ChannelBook::DeleteStep::ScratchWritten, ChannelBook::DeleteStep::Renamed}) {
        write(book_path, before);
        write(dir.path() / "radiobook_backup.res", "stale|left|over\r\n");
        ChannelBook cut(book_path);
        cut.on_step = [stop](ChannelBook::DeleteStep step) {
            if (step == stop) throw std::runtime_error("process ends");
        };
        EXPECT_THROW(cut.remove("A"), std::runtime_error);
        const std::string now = read(book_path);
        EXPECT_TRUE(now == before || now == after) << now;
        EXPECT_EQ(now, stop == ChannelBook::DeleteStep::Renamed ? after : before);
    }
}

TEST_F(ChannelBookTest, AScratchThatCannotBeWrittenKeepsTheOldBook) {
    write(book_path, "d|A|x\r\nd|B|y\r\n");
    // A folder in the scratch file's place cannot be removed, written or renamed over.
    std::filesystem::create_directory(dir.path() / "radiobook_backup.res");
    write(dir.path() / "radiobook_backup.res" / "keep", "");
    EXPECT_FALSE(book.remove("A"));
    EXPECT_EQ(read(book_path), "d|A|x\r\nd|B|y\r\n");
}

struct VerifiedListTest : ::testing::Test {
    // The request runs through three looks before its answer is there.
    VerifiedListTest() { inet.polls = 3; }
    TempDir dir;
    std::filesystem::path list = dir.path() / "radiobook2.res";
    FakeClock clock;
    FakeEventPump pump{clock};
    FakeInet inet;
};

TEST_F(VerifiedListTest, StoresTheBodyAsReceivedPlusOneLineEnd) {
    write(list, "old|list|here\r\n");
    inet.otherwise.body = cp949::encode("d|라디오|http://x/a\r\nd|B|y");
    refresh_verified_list(inet, pump, "http://srv/soft/lane_desk/radio_guide/radiobook.res", list);
    EXPECT_EQ(inet.url, "http://srv/soft/lane_desk/radio_guide/radiobook.res");
    EXPECT_EQ(inet.requests, (std::vector<std::string>{"GET"}));
    EXPECT_GE(pump.waits, 3);
    EXPECT_EQ(ChannelBook(list).lines(),
              (std::vector<std::string>{"d|라디오|http://x/a", "d|B|y"}));
    EXPECT_EQ(read(list).substr(read(list).size() - 7), "d|B|y\r\n");
}

TEST_F(VerifiedListTest, FailuresLeaveOneEmptyLine) {
    struct Case {
        const char* status;
        const char* body;
    };
    const Case cases[] = {{"", ""},
                          {"HTTP/1.1 200 OK", ""},
                          {"HTTP/1.1 404 Not Found", "d|x|y"},
                          {"HTTP/1.1 204 No Content", "d|x|y"},
                          {"HTTP/1.1 206 Partial Content", "d|x|y"}};
    for (const auto& c : cases) {
        write(list, "old|list|here\r\n");
        inet.otherwise.header = std::string(c.status) + "\r\n";
        inet.otherwise.body = c.body;
        refresh_verified_list(inet, pump, "http://srv/list", list);
        EXPECT_EQ(read(list), "\r\n") << c.status;
    }
}

// A list published in another code page, or with a stray byte, is the publisher's to fix: it is
// kept exactly, not rewritten into something else.
TEST_F(VerifiedListTest, KeepsBytesThatDoNotDecode) {
    inet.otherwise.body = "d|\xB6\xF3\xB5\xF0\xBF\xC0|http://x\r\nd|\xFF\x80\xED\x95\x9C|y\r\n";
    refresh_verified_list(inet, pump, "http://srv/list", list);
    EXPECT_EQ(read(list), inet.otherwise.body + "\r\n");
}

}  // namespace
}  // namespace presslane
