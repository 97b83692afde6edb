#pragma once

#include <memory>
#include <optional>
#include <string>

#include <QMainWindow>
#include <QTimer>

#include "browse/browser_keys.h"
#include "browse/main_controls.h"
#include "common/qt/progress_bar_control.h"
#include "common/qt/widget_control_set.h"
#include "shell/main_controller.h"

class QComboBox;
class QFrame;
class QProgressBar;
class QToolButton;
class QTreeWidget;

namespace presslane {

class CatalogueView;
class ClickLabel;
class FindBar;
class MediaPaneWidget;
class QtTrayIcon;
class WebBrowser;

// The main window (Form1): builds every pane as a real widget named after its control, the media
// pane's and the catalogue's widgets among them, and once it is connected forwards the window's
// and its own controls' events to the MainController. The controls are gathered when the
// window is built: a control the window failed to build stops the program there.
class Form1 : public QMainWindow, public MainController::Frame, public BrowserKeys::Window {
    Q_OBJECT
public:
    // domain: the product web domain shown in the caption until the first page loads.
    explicit Form1(const std::string& domain);
    ~Form1() override;

    // Looks up the standard icons the window shows, so that building it finds them ready.
    static void preload_icons();

    // Sends the window's events and the clicks of its own controls to the controller. The clicks
    // of controls that belong to other collaborators are connected where those are built.
    void connect_to(MainController& controller);
    // Sends the keys of the window, wherever the keyboard is in it (a page included), and the
    // Ctrl+wheel over the browsers to the keys.
    void connect_keys(BrowserKeys& keys);

    const WidgetControlSet& control_set() const { return controls_; }
    const MainControls& controls() const { return *typed_; }
    // The picture, image or label control of that name; throws MissingControl for any other.
    ClickLabel& click_label(MainControl id) const;

    WebBrowser& WebBrowser1() { return *web1_; }
    WebBrowser& WebBrowser2() { return *web2_; }
    WebBrowser& WebBrowser3() { return *web3_; }
    ProgressBarControl& progress() { return *progress_port_; }
    QComboBox& Combo1() { return *combo1_; }
    QFrame& Frame9() { return *panes_[5]; }
    QTreeWidget& ListView1() { return *list_view1_; }
    MediaPaneWidget& media_pane() { return *media_; }
    CatalogueView& catalogue() { return *catalogue_; }
    QtTrayIcon& tray_icon() { return *tray_icon_; }

    // Shows the window, then gives the frame the outer geometry call_width asked for: before the
    // window manager has framed the window its frame size is unknown.
    void show_window() override;
    void close_window() override;
    void maximise_window() override;
    // Closes the program's other shown top-level windows, at most eleven.
    void close_program_windows() override;

    void focus_address() override;
    bool find_shown() const override;
    void show_find(Browser& browser) override;
    void hide_find() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ClickLabel* picture(MainControl id, const QString& text, QWidget* parent,
                        const QString& tooltip, int left, int top, int width, int height);
    void build_toolbar();
    void build_category_row();
    void build_address_bar();
    void build_browsers();
    void build_bottom_bar();
    void build_tool_strip();
    void build_media_pane();
    void build_tray();
    void connect_toolbar(MainController& controller);
    void connect_address_bar(MainController& controller);
    void connect_tools(MainController& controller);
    void connect_menu_bar(MainController& controller);
    void connect_browser(MainController& controller);

    WidgetControlSet controls_;
    QWidget* client_;
    WebBrowser* web1_ = nullptr;
    WebBrowser* web2_ = nullptr;
    WebBrowser* web3_ = nullptr;
    QTreeWidget* list_view1_ = nullptr;
    // Frame1 .. Frame5 and Frame9, the panes of the category row.
    QFrame* panes_[6] = {};
    QFrame* frame8_ = nullptr;
    QWidget* toolbar_ = nullptr;
    QToolButton* toolbar_buttons_[7] = {};
    QProgressBar* progress_ = nullptr;
    std::unique_ptr<ProgressBarControl> progress_port_;
    QComboBox* combo1_ = nullptr;
    QTimer timer2_;
    MediaPaneWidget* media_ = nullptr;  // owned by Frame8
    std::unique_ptr<CatalogueView> catalogue_;
    QtTrayIcon* tray_icon_ = nullptr;  // owned by the window
    FindBar* find_bar_ = nullptr;      // owned by the client area
    std::optional<MainControls> typed_;
    MainController* controller_ = nullptr;  // set by connect_to
};

}  // namespace presslane
