#include "shell/layout.h"

namespace presslane {
namespace {

using Prop = AssignmentProp;
using enum MainControl;

class Plan {
public:
    void set(MainControl control, Prop prop, int value) {
        out_.push_back({control, prop, value, {}});
    }
    void show(MainControl control, bool visible) { set(control, Prop::Visible, visible ? 1 : 0); }
    void tooltip(MainControl control, std::string text) {
        out_.push_back({control, Prop::Tooltip, 0, std::move(text)});
    }
    std::vector<Assignment<MainControl>> take() { return std::move(out_); }

private:
    std::vector<Assignment<MainControl>> out_;
};

}  // namespace

int clock_left(int width, int label7_width) { return width - label7_width - 300; }

std::vector<Assignment<MainControl>> layout_main_window(int W, int H, const LayoutState& state,
                                                        const PaneSizes& s) {
    Plan plan;
    const bool wide = state.wide();
    const bool up = state.up();

    // Category row and address bar.
    const int row_top = wide ? 0 : 780;
    for (MainControl frame : {Frame1, Frame2, Frame3, Frame4, Frame5, Frame9}) {
        plan.set(frame, Prop::Top, row_top);
    }
    plan.set(Frame17, Prop::Top, wide ? 120 : 900);
    for (MainControl frame : {Frame1, Frame2, Frame3, Frame4, Frame5, Frame9}) {
        plan.set(frame, Prop::Width, W - 150);
    }

    // Partner logos, right-aligned in the toolbar.
    const int picture1_left = W - s.picture1_width - 200;
    const int picture20_left = picture1_left - s.picture20_width - 70;
    plan.set(Picture1, Prop::Left, picture1_left);
    plan.set(Picture20, Prop::Left, picture20_left);
    plan.show(Picture20, W >= 13000);
    if (!wide) {
        const int picture7_left = picture20_left - s.picture7_width - 70;
        plan.set(Picture7, Prop::Left, picture7_left);
        plan.show(Picture7, W >= 15000);
        plan.set(Picture8, Prop::Left, picture7_left - s.picture8_width - 70);
        plan.show(Picture8, W >= 17000);
    }

    // Clock.
    plan.set(Label7, Prop::Left, clock_left(W, s.label7_width));
    plan.show(Label7, W >= (wide ? 15300 : 15400));

    // Browsers, scrapbook list and bottom bar.
    const int F1T = row_top;
    const int F1H = s.frame1_height;
    const int F10H = s.frame10_height;
    int wb1_top = 0, wb1_height = 0, list_top = 0, wb2_height = 0, frame10_top = 0;
    if (!wide && !up) {
        wb1_top = F1T + F1H;
        wb1_height = H - (F10H + 2100);
        list_top = F1T + F1H;
        wb2_height = H - 4490;
        frame10_top = wb1_top + wb1_height;
    } else if (!wide && up) {
        wb1_top = 1680;
        wb1_height = H - 2500;
        list_top = F1T + F1H + F10H;
        wb2_height = H - 4490;
        frame10_top = F1T + F10H + 130;
    } else if (wide && !up) {
        wb1_top = F1T + F1H;
        wb1_height = H - (F1H + 1200);
        list_top = F1T + F1H;
        wb2_height = H - 3450;
        frame10_top = wb1_top + wb1_height;
    } else {
        wb1_top = F1T + F1H + 400;
        wb1_height = H - (F1H + 1220);
        list_top = F1T + F1H + F10H;
        wb2_height = H - 3450;
        frame10_top = F1T + F10H + 130;
    }
    constexpr int kListHeight = 1980;
    plan.set(WebBrowser1, Prop::Top, wb1_top);
    plan.set(WebBrowser1, Prop::Height, wb1_height);
    plan.set(WebBrowser1, Prop::Width, W - 150);
    plan.set(ListView1, Prop::Top, list_top);
    plan.set(ListView1, Prop::Height, kListHeight);
    plan.set(ListView1, Prop::Width, W - 150);
    plan.set(WebBrowser2, Prop::Top, list_top + kListHeight);
    plan.set(WebBrowser2, Prop::Height, wb2_height);
    plan.set(WebBrowser2, Prop::Width, W - 150);
    plan.set(Frame10, Prop::Width, W - 150);
    plan.set(Frame10, Prop::Top, frame10_top);
    plan.set(Frame10, Prop::Left, 0);
    plan.set(Frame7, Prop::Top, frame10_top);
    plan.set(Frame7, Prop::Left, 0 + (W - 150) - s.frame7_width);
    plan.tooltip(Picture12, up ? "하단으로 메뉴 내리기" : "상단으로 메뉴 올리기");
    return plan.take();
}

std::vector<Assignment<MainControl>> anchor_media_pane(const LayoutState& state, int picture4_left,
                                                       int frame10_top, int frame10_height,
                                                       int frame8_height) {
    Plan plan;
    plan.set(Frame8, Prop::Left, picture4_left);
    plan.set(Frame8, Prop::Top,
             state.up() ? frame10_top + frame10_height : frame10_top - frame8_height);
    return plan.take();
}

}  // namespace presslane
