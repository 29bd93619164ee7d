#pragma once

#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

// Small helpers shared by the X11 platform files: replies that free themselves, atoms by name,
// and the toolkit's own connection.
namespace Xcb {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};

// An xcb reply, freed when it goes out of scope; empty when the request failed.
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;

template <typename T> Reply<T> reply(T* raw)
{
    return Reply<T>(raw);
}

// The atom of that name, XCB_ATOM_NONE when it cannot be had. `onlyIfExists` asks the server
// not to create it.
xcb_atom_t atom(xcb_connection_t* c, const char* name, bool onlyIfExists = false);

// The toolkit's connection when the application runs on X11 through it, otherwise null
// (offscreen and other platforms may answer for X11 without a connection of their own).
xcb_connection_t* toolkitConnection();

// The root window of the connection's first (or given) screen; XCB_WINDOW_NONE when there is
// none.
xcb_window_t rootWindow(xcb_connection_t* c, int screenNumber = 0);

} // namespace Xcb
