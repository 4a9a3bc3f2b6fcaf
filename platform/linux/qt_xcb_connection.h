#pragma once

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <string_view>

// A reply or error from xcb, which the caller frees.
struct XcbFree {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using XcbReply = std::unique_ptr<T, XcbFree>;

// Qt's own connection to the X server, shared with it, so requests on it keep their order with
// Qt's. Null when the program does not run on xcb (Wayland, offscreen: the offscreen platform
// may offer the X11 interface without a connection).
xcb_connection_t* qtXcbConnection();

// The atom of a name; XCB_ATOM_NONE when the server gives none.
xcb_atom_t internAtom(xcb_connection_t* c, std::string_view name);
