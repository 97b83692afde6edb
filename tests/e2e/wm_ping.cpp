// Asks a window, as a window manager does, whether its program still answers: sends the
// _NET_WM_PING client message every 200 ms for the seconds given and waits for the echo on the
// root window. Arguments: window id, seconds. Prints "pings N answered A slowest MS" (an unanswered
// ping counts as the time waited for it, at most 3 s) and exits 0 when every ping was answered.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <X11/Xlib.h>
#include <poll.h>

namespace {

using Clock = std::chrono::steady_clock;

// Waits up to the deadline for the echo of the ping stamped with `stamp`.
bool echoed(Display* display, Window window, Atom ping, unsigned long stamp,
            Clock::time_point deadline) {
    const int fd = ConnectionNumber(display);
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == ClientMessage && event.xclient.data.l[0] == long(ping) &&
                static_cast<unsigned long>(event.xclient.data.l[1]) == stamp &&
                static_cast<Window>(event.xclient.data.l[2]) == window)
                return true;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return false;
        pollfd p{fd, POLLIN, 0};
        ::poll(&p, 1, int(left));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const Window window = std::strtoul(argv[1], nullptr, 0);
    const int seconds = std::atoi(argv[2]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 2;
    const Window root = DefaultRootWindow(display);
    // The answer is sent to the root window for whoever watches it or its children.
    XSelectInput(display, root, StructureNotifyMask | SubstructureNotifyMask);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
    int pings = 0, answered = 0;
    long slowest = 0;
    const auto end = Clock::now() + std::chrono::seconds(seconds);
    for (unsigned long stamp = 1; Clock::now() < end; ++stamp) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = protocols;
        event.xclient.format = 32;
        event.xclient.data.l[0] = long(ping);
        event.xclient.data.l[1] = long(stamp);
        event.xclient.data.l[2] = long(window);
        XSendEvent(display, window, False, NoEventMask, &event);
        XFlush(display);
        const auto sent = Clock::now();
        ++pings;
        if (echoed(display, window, ping, stamp, sent + std::chrono::seconds(3))) ++answered;
        const long waited =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - sent).count();
        slowest = std::max(slowest, waited);
        std::this_thread::sleep_until(sent + std::chrono::milliseconds(200));
    }
    std::printf("pings %d answered %d slowest %ld\n", pings, answered, slowest);
    XCloseDisplay(display);
    return answered == pings ? 0 : 1;
}
