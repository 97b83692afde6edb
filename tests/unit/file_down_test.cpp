#include "filedown/file_down.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "fakes/fake_clock.h"
#include "fakes/fake_event_pump.h"
#include "fakes/fake_inet.h"
#include "fakes/temp_dir.h"

namespace presslane {
namespace {

using Answer = FakeInet::Answer;

Answer raw(const std::string& header, const std::string& body = {}) {
    Answer a;
    a.header = header;
    a.body = body;
    return a;
}

Answer ok(const std::string& body, bool with_length = true) {
    Answer a = raw("HTTP/1.1 200 OK\r\n", body);
    if (with_length) a.fields["Content-length"] = std::to_string(body.size());
    return a;
}

Answer status(const std::string& code) { return raw("HTTP/1.1 " + code + " X\r\n", "<html>"); }

struct Event {
    Event(std::string k, int x = 0, int y = 0, std::string t = {})
        : kind(std::move(k)), a(x), b(y), text(std::move(t)) {}
    std::string kind;
    int a, b;
    std::string text;
    bool operator==(const Event&) const = default;
};

void PrintTo(const Event& e, std::ostream* os) {
    *os << e.kind << "(" << e.a << "," << e.b << "," << e.text << ")";
}

class FileDownTest : public ::testing::Test {
protected:
    FileDownTest() {
        // A request finishes on the next round of window events.
        auto net = std::make_unique<FakeInet>();
        net->on_tick = true;
        net->otherwise = raw("\r\n");
        inet = net.get();
        control = std::make_unique<FileDown>(std::move(net), pump);
        control->set_URL("http://127.0.0.1/f.bin");
        control->set_DownPath(target.string());
        control->events.OnDownload = [this](int r, int s) {
            log.push_back({"download", r, s});
            if (during_download) during_download();
        };
        control->events.OnComplete = [this](int s) { log.push_back({"complete", s}); };
        control->events.OnError = [this](int c, std::string m) {
            log.push_back({"error", c, 0, m});
        };
        pump.on_event = [this] {
            if (inet) inet->tick();
        };
    }

    // Runs the download and the window events after it until nothing is running.
    void run() {
        control->FileDownload();
        for (int i = 0; i < 10 && control && control->Busy(); ++i) pump.process_pending();
    }
    std::string target_bytes() const {
        std::ifstream in(target, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void put_old_file() { std::ofstream(target) << "old program"; }

    TempDir dir;
    std::filesystem::path target = dir.path() / "temp_file.exe";
    FakeClock clock;
    FakeEventPump pump{clock};
    FakeInet* inet = nullptr;
    std::unique_ptr<FileDown> control;
    std::vector<Event> log;
    std::function<void()> during_download;
};

TEST_F(FileDownTest, FreshControlIsIdleAndEmpty) {
    FileDown fresh(std::make_unique<FakeInet>(), pump);
    EXPECT_EQ(fresh.URL(), "");
    EXPECT_EQ(fresh.DownPath(), "");
    EXPECT_FALSE(fresh.Working());
    EXPECT_FALSE(fresh.properties_changed());
}

TEST_F(FileDownTest, ChunksAreReportedOneByOneThenTheClosingPair) {
    struct Case {
        std::size_t size;
        std::vector<int> downloads;  // received counts of the OnDownload events
    };
    const std::vector<Case> cases = {
        {0, {0, 0}},
        {1024, {1024, 1024, 1024}},
        {2500, {1024, 2048, 2500, 2500, 2500}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        log.clear();
        std::string body(c.size, 'x');
        for (std::size_t i = 0; i < body.size(); ++i) body[i] = char(i * 7);
        inet->script = {ok(body), ok(body)};
        run();
        std::vector<Event> expected;
        for (int r : c.downloads) expected.push_back({"download", r, int(c.size)});
        expected.push_back({"complete", int(c.size)});
        EXPECT_EQ(log, expected);
        EXPECT_EQ(target_bytes(), body);
        EXPECT_FALSE(control->Working());
        // The body crosses the network once: the first request stops at the headers.
        EXPECT_EQ(inet->requests, (std::vector<std::string>{"headers", "GET"}));
        inet->requests.clear();
    }
}

TEST_F(FileDownTest, HeaderFailuresReportTheirCodeAndKeepTheOldFile) {
    struct Case {
        Answer answer;
        Event error;
    };
    const std::vector<Case> cases = {
        {raw("\r\n"), {"error", 0, 0, "서버를 찾을 수 없음"}},
        {status("404"), {"error", 1, 0, "서버에 파일이 존재하지 않음"}},
        {status("500"), {"error", 2, 0, "HTTP CODE: 500"}},
        {raw("garbage"), {"error", 2, 0, "HTTP CODE: "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error.text);
        log.clear();
        put_old_file();
        inet->script = {c.answer};
        run();
        EXPECT_EQ(log, std::vector<Event>{c.error});
        EXPECT_EQ(inet->requests.size(), 1u) << "no body request after a failed header request";
        EXPECT_EQ(target_bytes(), "old program");
        inet->requests.clear();
    }
}

TEST_F(FileDownTest, BodyRequestFailuresNeverLeaveAFile) {
    Answer socket = ok("data");
    socket.state = Inet::kStateError;
    socket.code = 7;
    socket.info = "boom";
    Answer no_room = socket;
    no_room.code = Inet::kNoRoomCode;
    Answer cut = ok(std::string(3000, 'a'));
    cut.fields["Content-length"] = "5000";
    struct Case {
        Answer body_answer;
        Event error;
        bool old_file_kept;
    };
    const std::vector<Case> cases = {
        {socket, {"error", 3, 0, "소켓 오류 - 7:boom"}, true},
        // The disk was full before the body could be held: a local failure, not the network's.
        {no_room, {"error", 5, 0, "파일을 쓸 수 없음"}, true},
        // An error page served for the body is not saved as the file.
        {status("500"), {"error", 2, 0, "HTTP CODE: 500"}, true},
        {cut,
         {"error", 3, 0, "소켓 오류 - 0:Connection closed before the whole body arrived"},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error.text);
        log.clear();
        put_old_file();
        inet->script = {ok(std::string(5000, 'a')), c.body_answer};
        run();
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(log.back(), c.error);
        EXPECT_EQ(std::count_if(log.begin(), log.end(),
                                [](const Event& e) { return e.kind == "complete"; }),
                  0);
        if (c.old_file_kept) {
            EXPECT_EQ(target_bytes(), "old program");
        } else {
            EXPECT_FALSE(std::filesystem::exists(target));
        }
        EXPECT_FALSE(control->Working());
    }
}

TEST_F(FileDownTest, MissingLengthStillDownloadsAndReportsTheRealSizeAtTheEnd) {
    for (const char* length : {"", "abc", "99999999999"}) {
        SCOPED_TRACE(length);
        log.clear();
        Answer a = ok(std::string(1500, 'z'), false);
        if (*length) a.fields["Content-length"] = length;
        inet->script = {a, a};
        run();
        const std::vector<Event> expected = {{"download", 1024, 0},
                                             {"download", 1500, 0},
                                             {"download", 1500, 0},
                                             {"download", 1500, 1500},
                                             {"complete", 1500}};
        EXPECT_EQ(log, expected);
        EXPECT_EQ(target_bytes().size(), 1500u);
    }
}

TEST_F(FileDownTest, SecondCallIsRefusedWhileAnyRequestRuns) {
    inet->script = {ok(std::string(3000, 'q')), ok(std::string(3000, 'q'))};
    bool refused_in_header_wait = false;
    pump.on_event = [&] {
        // First round of events: the header request is still running.
        if (!refused_in_header_wait) {
            refused_in_header_wait = true;
            control->FileDownload();
        }
        inet->tick();
    };
    during_download = [&] {
        if (log.size() == 2) control->FileDownload();
    };
    run();
    const Event busy{"error", 4, 0, "이미 작업이 실행중입니다."};
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[0], busy);
    EXPECT_EQ(log[2], busy);
    EXPECT_EQ(log.back(), (Event{"complete", 3000}));
    EXPECT_EQ(target_bytes(), std::string(3000, 'q'));
    EXPECT_EQ(inet->requests.size(), 2u);
}

TEST_F(FileDownTest, CancelWhileWritingRaisesNothingAndLeavesNoFile) {
    put_old_file();
    inet->script = {ok(std::string(5000, 'c')), ok(std::string(5000, 'c'))};
    during_download = [&] {
        if (log.size() == 2) control->Cancel();
    };
    run();
    EXPECT_EQ(log.size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(target));
    EXPECT_FALSE(control->Working());
}

TEST_F(FileDownTest, CancelDuringTheHeaderRequestRaisesNothing) {
    put_old_file();
    inet->script = {ok("abc"), ok("abc")};
    pump.on_event = [&] { control->Cancel(); };
    run();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(inet->requests.size(), 1u);
    EXPECT_EQ(target_bytes(), "old program");
    EXPECT_FALSE(control->Busy());
}

TEST_F(FileDownTest, FileThatCannotBeCreatedIsReportedWithItsOwnCode) {
    control->set_DownPath((dir.path() / "missing" / "f.exe").string());
    inet->script = {ok("abc"), ok("abc")};
    run();
    EXPECT_EQ(log, (std::vector<Event>{{"error", 5, 0, "파일을 만들 수 없음"}}));
    EXPECT_FALSE(control->Working());
}

TEST_F(FileDownTest, HostMayDestroyTheControlInAnEvent) {
    inet->script = {ok(std::string(3000, 'd')), ok(std::string(3000, 'd'))};
    during_download = [&] {
        inet = nullptr;
        control.reset();
    };
    run();
    EXPECT_EQ(log.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(target)) << "the partial file goes with the control";
}

TEST_F(FileDownTest, PropertiesPersistAndEmptyValuesAreNotStored) {
    EXPECT_TRUE(control->properties_changed());
    FileDown::PropertyBag bag{{"URL", "stale"}};
    control->set_URL("");
    control->WriteProperties(bag);
    EXPECT_EQ(bag, (FileDown::PropertyBag{{"DownPath", target.string()}}));
    EXPECT_FALSE(control->properties_changed());

    FileDown reloaded(std::make_unique<FakeInet>(), pump);
    reloaded.ReadProperties(bag);
    EXPECT_EQ(reloaded.URL(), "");
    EXPECT_EQ(reloaded.DownPath(), target.string());
}

}  // namespace
}  // namespace presslane
