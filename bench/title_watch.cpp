// Starts a program and tells how long it took until a top-level window on the display carried a
// title ending in the given text. It listens to the X server's window and property events instead
// of polling, so the figure is exact to the event and the watching costs nothing meanwhile.
// Prints the program's process id on the first line, then the seconds ("timeout" when the time
// ran out, "ended" when the program ended first), and stays until the program ends, so that the
// caller can measure it further and then stop it.
// Usage: title_watch SECONDS TITLE_SUFFIX PROGRAM ARGS...
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

// A window may be gone before its events are read; asking about it then is no fault.
int ignore_error(Display*, XErrorEvent*) { return 0; }

double now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

std::string title_of(Display* display, Window window) {
    static const Atom net_wm_name = XInternAtom(display, "_NET_WM_NAME", False);
    static const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, net_wm_name, 0, 1024, False, utf8, &type, &format,
                           &count, &after, &data) == Success &&
        data != nullptr && type == utf8 && format == 8) {
        title.assign(reinterpret_cast<const char*>(data), count);
    }
    if (data != nullptr) XFree(data);
    if (title.empty()) {
        char* name = nullptr;
        if (XFetchName(display, window, &name) && name != nullptr) title = name;
        if (name != nullptr) XFree(name);
    }
    return title;
}

bool ends_with(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) return 2;
    const double limit = std::atof(argv[1]);
    const std::string suffix = argv[2];
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return 1;
    XSetErrorHandler(ignore_error);
    const Window root = DefaultRootWindow(display);
    const Atom net_wm_name = XInternAtom(display, "_NET_WM_NAME", False);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = now();
    const pid_t child = fork();
    if (child < 0) return 1;
    if (child == 0) {
        close(ConnectionNumber(display));
        // Standard output carries the figures; the program's own output goes with the errors.
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    std::printf("%d\n", static_cast<int>(child));
    std::fflush(stdout);

    bool found = false;
    while (!found && now() - start < limit) {
        if (XPending(display) == 0) {
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, 50);
            if (waitpid(child, nullptr, WNOHANG) == child) {
                std::printf("ended\n");
                return 1;
            }
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        Window window = None;
        if (event.type == CreateNotify) {
            window = event.xcreatewindow.window;
            // The title may have been set before this selection took effect: it is read below.
            XSelectInput(display, window, PropertyChangeMask);
        } else if (event.type == PropertyNotify &&
                   (event.xproperty.atom == net_wm_name || event.xproperty.atom == XA_WM_NAME)) {
            window = event.xproperty.window;
        }
        if (window != None && ends_with(title_of(display, window), suffix)) {
            std::printf("%.3f\n", now() - start);
            found = true;
        }
    }
    if (!found) std::printf("timeout\n");
    std::fflush(stdout);
    XCloseDisplay(display);
    waitpid(child, nullptr, 0);
    return found ? 0 : 1;
}
