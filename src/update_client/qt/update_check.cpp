#include "update_client/qt/update_check.h"

#include <utility>

#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "common/endpoints.h"
#include "filedown/qt/qt_inet.h"
#include "update_client/qt/download_form.h"
#include "update_client/release_installer.h"
#include "update_client/release_key.h"
#include "update_client/update_controller.h"
#include "update_client/version_check.h"

namespace presslane {
namespace {

// The version request blocks the main window; a server that accepts the connection and then
// stays silent must not keep it blocked for long.
constexpr int kVersionTimeoutMs = 5000;

}  // namespace

UpdateCheck::UpdateCheck(QWidget* main_window, Ports ports, std::filesystem::path app_folder)
    : QObject(main_window),
      main_window_(main_window),
      ports_(ports),
      folder_(std::move(app_folder)),
      inet_(new QtInet(kVersionTimeoutMs, this)),
      check_(std::make_unique<VersionCheck>(*inet_, ports.dialogs, endpoints::program_version(),
                                            endpoints::version_file(),
                                            [this] { show_update_window(); })) {
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* window) {
        if (!window || window == main_window_->windowHandle()) return;
        other_window_seen_ = true;
        last_was_question_ = check_->running();
    });
}

UpdateCheck::~UpdateCheck() = default;

void UpdateCheck::main_window_activated() {
    const bool returning = other_window_seen_ && !last_was_question_;
    if (!first_ && !returning) return;
    first_ = false;
    other_window_seen_ = false;
    if (!loaded_) {
        check_pending_ = true;
        return;
    }
    QTimer::singleShot(0, this, [this] { check_->CheckForUpdate(); });
}

void UpdateCheck::load_finished() {
    loaded_ = true;
    if (std::exchange(check_pending_, false))
        QTimer::singleShot(0, this, [this] { check_->CheckForUpdate(); });
}

void UpdateCheck::show_update_window() {
    // Lives until the program ends: every way out of the window ends the process.
    auto* window = new DownloadForm(
        "PressLane 업데이트",
        "네트웍 상태가 좋지 않아 다운로드가 되지 않으면 여기를 눌러 취소해 주세요");
    window->setObjectName("Form11");
    // netTemp, the window's own transfer component, fetches the release signatures.
    auto* net_temp = new QtInet(0, window);
    auto* installer =
        new ReleaseInstaller(*net_temp, ports_.pump, ReleaseSignature(release_public_key()));
    auto* controller =
        new UpdateController(window->controls(), window->progress(), window->FileDown(), *installer,
                             {ports_.pump, ports_.clock, ports_.shell}, folder_,
                             endpoints::updater_program(), endpoints::home_page());
    window->connect_to(*controller);
    window->setModal(true);
    window->exec();
}

}  // namespace presslane
