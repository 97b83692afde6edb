#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

#include <gtest/gtest.h>
#include <httplib.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QWidget>

#include "fakes/temp_dir.h"
#include "filedown/control_registry.h"
#include "filedown/file_down_control.h"
#include "filedown/grabkit_abi.h"
#include "filedown/qt/grabkit_loader.h"
#include "filedown/qt/qt_sliced_event_pump.h"

namespace presslane {
namespace {

std::string pattern(std::size_t n) {
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i) s[i] = char((i * 31 + 7) & 0xff);
    return s;
}

// The product server's faults on 127.0.0.1.
class FaultServer {
public:
    FaultServer() {
        server_.Get("/file", [](const httplib::Request&, httplib::Response& res) {
            res.set_content(pattern(300000), "application/octet-stream");
        });
        server_.Get("/empty", [](const httplib::Request&, httplib::Response& res) {
            res.set_content("", "application/octet-stream");
        });
        server_.Get("/error", [](const httplib::Request&, httplib::Response& res) {
            res.status = 500;
            res.set_content("<html>oops</html>", "text/html");
        });
        server_.Get("/chunked", [](const httplib::Request&, httplib::Response& res) {
            res.set_chunked_content_provider(
                "application/octet-stream", [](std::size_t offset, httplib::DataSink& sink) {
                    if (offset >= 5000) {
                        sink.done();
                    } else {
                        const std::string part = pattern(5000).substr(offset, 1000);
                        sink.write(part.data(), part.size());
                    }
                    return true;
                });
        });
        // Promises 5000 bytes, sends 3000 and hangs up.
        server_.Get("/cut", [](const httplib::Request&, httplib::Response& res) {
            res.set_content_provider(5000, "application/octet-stream",
                                     [](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                                         if (offset >= 3000) return false;
                                         sink.write(std::string(3000, 'c').data(), 3000);
                                         return true;
                                     });
        });
        // 100 kB in slow steps: far from finished when the test cancels it.
        server_.Get("/slow", [this](const httplib::Request&, httplib::Response& res) {
            res.set_content_provider(
                100000, "application/octet-stream",
                [this](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                    if (stop_) return false;
                    std::this_thread::sleep_for(std::chrono::milliseconds(50));
                    const std::size_t n = std::min<std::size_t>(2000, 100000 - offset);
                    sink.write(std::string(n, 's').data(), n);
                    return true;
                });
        });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        for (int i = 0; i < 2000 && !server_.is_running(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~FaultServer() {
        stop_ = true;
        server_.stop();
        thread_.join();
    }
    std::string url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }

private:
    httplib::Server server_;
    std::atomic<bool> stop_{false};
    int port_ = 0;
    std::thread thread_;
};

struct Log {
    int downloads = 0;
    int last_received = -1, last_size = -1;
    int completed = -1;
    int error_code = -1;
    std::string error_text;
    bool ended() const { return completed >= 0 || error_code >= 0; }
};

FileDownControl* make_control(QWidget* host) {
    void* object = nullptr;
    if (DllGetClassObject(kFileDownProgId, &object) != kGrabkitOk) return nullptr;
    return static_cast<FileDownClassFactory*>(object)->CreateInstance(host);
}

class FileDownQtTest : public ::testing::Test {
protected:
    void SetUp() override {
        control = make_control(&host);
        ASSERT_NE(control, nullptr);
        FileDownControl::Events events;
        events.OnDownload = [this](int r, int s) {
            ++log.downloads;
            log.last_received = r;
            log.last_size = s;
            if (on_download) on_download();
        };
        events.OnComplete = [this](int s) { log.completed = s; };
        events.OnError = [this](int c, std::string m) {
            log.error_code = c;
            log.error_text = m;
        };
        control->set_events(events);
        control->set_DownPath(target.string());
    }
    // FileDownload returns once the header request is done; the body arrives later.
    void download(const std::string& path, int wait_ms = 10000) {
        control->set_URL(server.url(path));
        control->FileDownload();
        EXPECT_TRUE(QTest::qWaitFor([this] { return log.ended(); }, wait_ms));
    }
    std::string target_bytes() const {
        std::ifstream in(target, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void put_old_file() { std::ofstream(target) << "old program"; }

    FaultServer server;
    TempDir dir;
    std::filesystem::path target = dir.path() / "temp_file.exe";
    QWidget host;
    FileDownControl* control = nullptr;
    Log log;
    std::function<void()> on_download;
};

TEST_F(FileDownQtTest, ClassObjectServesOnlyItsProgIdAndTheFaceKeepsItsSize) {
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(DllGetClassObject("Other.Control", &object), kGrabkitClassNotAvailable);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(DllGetClassObject(kFileDownProgId, nullptr), kGrabkitInvalidPointer);
    EXPECT_EQ(DllCanUnloadNow(), kGrabkitFalse) << "a control is alive";

    auto* face = host.findChild<QWidget*>("FileDown");
    ASSERT_NE(face, nullptr);
    face->resize(200, 90);
    EXPECT_EQ(face->size(), QSize(32, 32));
}

TEST_F(FileDownQtTest, WholeFileArrivesWithProgressAndCompletion) {
    put_old_file();
    download("/file");
    EXPECT_EQ(log.completed, 300000);
    EXPECT_EQ(log.error_code, -1);
    EXPECT_EQ(log.last_received, 300000);
    EXPECT_EQ(log.downloads, 300000 / 1024 + 1 + 1 + 1);
    EXPECT_EQ(target_bytes(), pattern(300000));
    EXPECT_FALSE(control->Working());
}

TEST_F(FileDownQtTest, BodyWithoutLengthStillDownloads) {
    download("/chunked");
    EXPECT_EQ(log.completed, 5000);
    EXPECT_EQ(target_bytes(), pattern(5000));

    log = {};
    download("/empty");
    EXPECT_EQ(log.completed, 0);
    EXPECT_TRUE(std::filesystem::exists(target));
    EXPECT_EQ(target_bytes(), "");
}

TEST_F(FileDownQtTest, ServerFailuresKeepTheOldFile) {
    struct Case {
        std::string path;
        int code;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"/missing", 1, "서버에 파일이 존재하지 않음"},
        {"/error", 2, "HTTP CODE: 500"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        log = {};
        put_old_file();
        download(c.path);
        EXPECT_EQ(log.error_code, c.code);
        EXPECT_EQ(log.error_text, c.text);
        EXPECT_EQ(target_bytes(), "old program");
    }
    log = {};
    control->set_URL("http://127.0.0.1:1/nothing");
    control->FileDownload();
    EXPECT_EQ(log.error_code, 0);
    EXPECT_EQ(target_bytes(), "old program");
}

TEST_F(FileDownQtTest, BodyCutShortIsAnErrorAndLeavesNoFile) {
    download("/cut");
    EXPECT_EQ(log.error_code, 3);
    EXPECT_EQ(log.completed, -1);
    EXPECT_FALSE(std::filesystem::exists(target));
}

TEST_F(FileDownQtTest, CancelMidwayRaisesNothingAndLeavesNoFile) {
    // While the slow body is still arriving.
    control->set_URL(server.url("/slow"));
    control->FileDownload();
    QTest::qWait(300);
    control->Cancel();
    QTest::qWait(300);
    EXPECT_FALSE(log.ended());
    EXPECT_EQ(log.downloads, 0);
    EXPECT_FALSE(std::filesystem::exists(target));

    // While the body is being written.
    on_download = [this] {
        if (log.downloads == 10) control->Cancel();
    };
    control->set_URL(server.url("/file"));
    control->FileDownload();
    EXPECT_TRUE(
        QTest::qWaitFor([this] { return log.downloads >= 10 && !control->Working(); }, 10000));
    QTest::qWait(100);
    EXPECT_EQ(log.downloads, 10);
    EXPECT_FALSE(log.ended());
    EXPECT_FALSE(std::filesystem::exists(target));
}

TEST_F(FileDownQtTest, HostCancelButtonStopsTheCopyAtTheNextChunk) {
    // The control lets window events run once per time slice rather than after every chunk; a
    // click that waited out a slice is handled before the next chunk is written.
    QPushButton cancel("취소", &host);
    cancel.setGeometry(40, 0, 80, 30);
    QObject::connect(&cancel, &QPushButton::clicked, [this] { control->Cancel(); });
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    on_download = [&] {
        if (log.downloads != 10) return;
        const QPointF at(cancel.rect().center());
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(
                &cancel, new QMouseEvent(type, at, cancel.mapToGlobal(at), Qt::LeftButton,
                                         Qt::LeftButton, Qt::NoModifier));
        QThread::msleep(2 * QtSlicedEventPump::kSliceMs);
    };
    control->set_URL(server.url("/file"));
    control->FileDownload();
    EXPECT_TRUE(
        QTest::qWaitFor([this] { return log.downloads >= 10 && !control->Working(); }, 10000));
    QTest::qWait(100);
    EXPECT_EQ(log.downloads, 11);
    EXPECT_FALSE(log.ended());
    EXPECT_FALSE(std::filesystem::exists(target));
}

TEST(GrabkitRegistration, RegisteredLibraryIsFoundAndCreatesTheControl) {
    TempDir data;
    ::setenv("XDG_DATA_HOME", data.path().c_str(), 1);
    const ControlRegistry registry;
    EXPECT_EQ(DllRegisterServer(), kGrabkitOk);
    const std::string library = registry.find(kFileDownProgId);
    EXPECT_NE(library.find("libGrabkit.so"), std::string::npos) << library;

    // The test's own folder holds no library, so the host finds it through the record.
    QWidget host;
    FileDownControl* control = create_file_down(&host);
    ASSERT_NE(control, nullptr);
    EXPECT_FALSE(control->Working());

    EXPECT_EQ(DllUnregisterServer(), kGrabkitOk);
    EXPECT_EQ(registry.find(kFileDownProgId), "");
    ::unsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace presslane

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
