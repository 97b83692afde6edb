#pragma once

#include <memory>

#include <QMainWindow>
#include <QTimer>

#include "common/qt/progress_bar_control.h"
#include "common/qt/widget_control_set.h"
#include "shell/main_window.h"

class QComboBox;
class QFrame;
class QProgressBar;

namespace presslane {

class CatalogueView;
class ArticleTools;
class MediaPaneWidget;
class ClickLabel;
class Clock;
class QtTrayIcon;
class SearchWindows;
class Tray;
class XdgAutoStart;
class WebBrowser;

// The main window (Form1): builds every pane as a real widget named after its control, hands
// them to the MainWindow controller by name and forwards the window's and the controls' events to
// its handlers.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    Form1(MainWindow::Ports ports, std::filesystem::path app_folder,
          BrowserHost::Addresses addresses, MainWindow::Hooks hooks);
    ~Form1() override;

    MainWindow& controller() { return *controller_; }
    WebBrowser& WebBrowser1() { return *web1_; }
    WebBrowser& WebBrowser2() { return *web2_; }
    WebBrowser& WebBrowser3() { return *web3_; }
    const ControlSet& controls() const { return controls_; }
    // The catalogue, popup blocking and special pages (the home-page menu command uses it).
    CatalogueView& catalogue() { return *catalogue_; }
    Tray& tray() { return *tray_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs handler on every click of the named picture.
    template <typename F>
    void on_click(const char* name, F handler);
    ClickLabel* picture(const char* name, const QString& text, QWidget* parent,
                        const QString& tooltip, int left, int top, int width, int height);
    void build_toolbar();
    void build_category_row();
    void build_address_bar();
    void build_browsers();
    void build_bottom_bar();
    void build_tool_strip();
    void build_media_pane();
    void build_menu_bar();
    void build_tray(MainWindow::Hooks& hooks, const Clock& clock);
    void connect_browser();
    // Shows the window, then gives the frame the outer geometry call_width asked for: before the
    // window manager has framed the window its frame size is unknown.
    void show_with_frame();
    void close_program_windows();
    // The settings dialog, from the menu bar and the bottom bar's settings button.
    void open_settings();

    MainWindow::Ports ports_;
    std::filesystem::path folder_;
    WidgetControlSet controls_;
    QWidget* client_;
    WebBrowser* web1_;
    WebBrowser* web2_;
    WebBrowser* web3_;
    QProgressBar* progress_;
    std::unique_ptr<ProgressBarControl> progress_port_;
    QComboBox* combo1_;
    QTimer timer2_;
    std::unique_ptr<MainWindow> controller_;
    // The scrapbook pane, the bookmark names and the scrap, bookmarks and mail windows.
    std::unique_ptr<ArticleTools> articles_;
    // Declared after the controls and the controller: it is destroyed before either.
    std::unique_ptr<CatalogueView> catalogue_;
    MediaPaneWidget* media_ = nullptr;  // owned by Frame8
    QtTrayIcon* tray_icon_ = nullptr;   // owned by the window
    std::unique_ptr<Tray> tray_;
    std::unique_ptr<XdgAutoStart> auto_start_;
    // The portal search and web-mail windows of the bottom bar.
    std::unique_ptr<SearchWindows> searches_;
};

}  // namespace presslane
