#pragma once

#include <mpv/client.h>
#include <mpv/render.h>

namespace presslane {

// Every function of libmpv the player calls. The program does not link against libmpv: it is
// looked up when something first has to play, so a start without media loads neither libmpv nor
// the many libraries it pulls in.
#define PRESSLANE_MPV_FUNCTIONS(X)            \
    X(mpv_create)                             \
    X(mpv_set_option_string)                  \
    X(mpv_initialize)                         \
    X(mpv_terminate_destroy)                  \
    X(mpv_set_wakeup_callback)                \
    X(mpv_observe_property)                   \
    X(mpv_command)                            \
    X(mpv_command_ret)                        \
    X(mpv_free_node_contents)                 \
    X(mpv_set_property)                       \
    X(mpv_get_property)                       \
    X(mpv_get_property_string)                \
    X(mpv_free)                               \
    X(mpv_wait_event)                         \
    X(mpv_render_context_create)              \
    X(mpv_render_context_set_update_callback) \
    X(mpv_render_context_update)              \
    X(mpv_render_context_render)              \
    X(mpv_render_context_free)

// The functions of one loaded libmpv, called as `lib->mpv_create()`.
struct MpvLibrary {
#define PRESSLANE_MPV_POINTER(name) decltype(&::name) name = nullptr;
    PRESSLANE_MPV_FUNCTIONS(PRESSLANE_MPV_POINTER)
#undef PRESSLANE_MPV_POINTER

    // The file libmpv is loaded from on this system.
    static const char* const kFileName;

    // The functions of the library `file` (a bare file name is searched for as the system
    // searches for libraries). The library is loaded on the first call for that file and stays
    // loaded; null, then and on every later call, when it cannot be loaded or lacks a function.
    static const MpvLibrary* load(const char* file = kFileName);
};

}  // namespace presslane
