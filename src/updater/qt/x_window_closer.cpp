#include "updater/qt/x_window_closer.h"

#include <algorithm>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace presslane {
namespace {

bool has_property(Display* d, ::Window w, Atom property) {
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(d, w, property, 0, 0, False, AnyPropertyType, &type,
                                          &format, &items, &after, &data);
    if (data) XFree(data);
    return status == Success && type != None;
}

// The client window a frame holds, searched depth first; the frame itself when none is found.
::Window client_of(Display* d, ::Window w, Atom wm_state, int depth = 0) {
    if (has_property(d, w, wm_state)) return w;
    if (depth > 3) return None;
    ::Window root = 0, parent = 0;
    ::Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(d, w, &root, &parent, &children, &count)) return None;
    ::Window found = None;
    for (unsigned int i = 0; i < count && found == None; ++i)
        found = client_of(d, children[i], wm_state, depth + 1);
    if (children) XFree(children);
    return found;
}

// A bad window id (one that closed meanwhile) must not end the updater, which Xlib's default
// handler would do. The toolkit may install handlers of its own at any time, so each use of the
// connection installs this one for its duration and waits for the server's answers inside it.
int ignore_errors(Display*, XErrorEvent*) { return 0; }

class IgnoreErrors {
public:
    explicit IgnoreErrors(Display* d) : display_(d), old_(XSetErrorHandler(ignore_errors)) {}
    ~IgnoreErrors() {
        XSync(display_, False);
        XSetErrorHandler(old_);
    }
    IgnoreErrors(const IgnoreErrors&) = delete;
    IgnoreErrors& operator=(const IgnoreErrors&) = delete;

private:
    Display* display_;
    int (*old_)(Display*, XErrorEvent*);
};

}  // namespace

XWindowCloser::XWindowCloser() : display_(XOpenDisplay(nullptr)) {}

XWindowCloser::~XWindowCloser() {
    if (display_) XCloseDisplay(display_);
}

std::vector<WindowCloser::Window> XWindowCloser::top_level_windows() {
    std::vector<Window> out;
    if (!display_) return out;
    const IgnoreErrors guard(display_);
    const Atom wm_state = XInternAtom(display_, "WM_STATE", False);
    ::Window root = 0, parent = 0;
    ::Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count))
        return out;
    // XQueryTree lists bottom to top; the search wants the topmost window first.
    for (unsigned int i = count; i-- > 0;) {
        const ::Window client = client_of(display_, children[i], wm_state);
        out.push_back(client != None ? client : children[i]);
    }
    if (children) XFree(children);
    return out;
}

std::string XWindowCloser::title(Window window) {
    if (!display_) return {};
    const IgnoreErrors guard(display_);
    const Atom net_name = XInternAtom(display_, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display_, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(display_, window, net_name, 0, 1024, False, utf8, &type, &format, &items,
                           &after, &data) == Success &&
        type == utf8 && format == 8 && data) {
        text.assign(reinterpret_cast<char*>(data), items);
    }
    if (data) XFree(data);
    if (!text.empty()) return text;

    XTextProperty prop{};
    if (!XGetWMName(display_, window, &prop) || !prop.value) return {};
    char** list = nullptr;
    int n = 0;
    if (Xutf8TextPropertyToTextList(display_, &prop, &list, &n) >= Success && list && n > 0)
        text = list[0];
    if (list) XFreeStringList(list);
    XFree(prop.value);
    return text;
}

void XWindowCloser::send_close(Window window) {
    if (!display_) return;
    const IgnoreErrors guard(display_);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window, False, NoEventMask, &event);
}

}  // namespace presslane
