#include "x11_probe.h"

#include <dlfcn.h>

namespace vertola {

namespace {

struct Connection;
using Connect = Connection* (*)(const char* display, int* screen);
using HasError = int (*)(Connection* connection);
using Disconnect = void (*)(Connection* connection);

}  // namespace

bool x11ServerAnswers() {
    void* library = dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!library) return true;
    const auto connect = reinterpret_cast<Connect>(dlsym(library, "xcb_connect"));
    const auto hasError = reinterpret_cast<HasError>(dlsym(library, "xcb_connection_has_error"));
    const auto disconnect = reinterpret_cast<Disconnect>(dlsym(library, "xcb_disconnect"));
    bool answers = true;
    if (connect && hasError && disconnect) {
        // A failed connection is still an object to free; it is never null.
        Connection* connection = connect(nullptr, nullptr);
        answers = hasError(connection) == 0;
        disconnect(connection);
    }
    dlclose(library);
    return answers;
}

}  // namespace vertola
