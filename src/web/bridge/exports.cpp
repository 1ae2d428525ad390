// The C functions that the page calls through cwrap. Each returns JSON that stays valid until
// the next call.
#include <cstddef>
#include <cstdlib>
#include <string>
#include <string_view>

#include "web/bridge/bridge.h"
#include "web/bridge/exports.h"

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#include <emscripten/heap.h>
#include <malloc.h>
#define VT_EXPORT EMSCRIPTEN_KEEPALIVE
#else
#define VT_EXPORT
#endif

namespace {

// What an event's work and answer may need of the heap beside the texts, at the most.
[[maybe_unused]] constexpr std::size_t kSpareBytes = 16u << 20;

vertola::web::Bridge& bridge() {
    static vertola::web::Bridge instance;
    return instance;
}

std::string& reply() {
    static std::string text;
    return text;
}

const char* answer(std::string json) {
    reply() = std::move(json);
    return reply().c_str();
}

std::string_view view(const char* text) { return text ? std::string_view(text) : std::string_view(); }

}  // namespace

extern "C" {

VT_EXPORT const char* vt_layouts() {
    static const std::string layouts = vertola::web::Bridge::layouts();
    return layouts.c_str();
}

VT_EXPORT const char* vt_units() {
    static const std::string units = vertola::web::Bridge::units();
    return units.c_str();
}

VT_EXPORT const char* vt_centred(const char* window, int screenW, int screenH, int frameW, int frameH) {
    return answer(vertola::web::Bridge::centred(view(window), {screenW, screenH}, {frameW, frameH}));
}

VT_EXPORT const char* vt_start(int screenW, int screenH, int frameW, int frameH) {
    return answer(bridge().start({screenW, screenH}, {frameW, frameH}));
}

VT_EXPORT void vt_set_screen(int screenW, int screenH, int frameW, int frameH) {
    bridge().setScreen({screenW, screenH}, {frameW, frameH});
}

VT_EXPORT const char* vt_click(const char* window, const char* control) {
    return answer(bridge().click(view(window), view(control)));
}

VT_EXPORT const char* vt_edit(const char* window, const char* control, const char* text) {
    return answer(bridge().edit(view(window), view(control), view(text)));
}

// The page's way in for typed or pasted text: a NUL the pupil pasted belongs to the text too.
VT_EXPORT const char* vt_edit_bytes(const char* window, const char* control, const char* text, int length) {
    const std::string_view whole = text && length > 0 ? std::string_view(text, static_cast<std::size_t>(length))
                                                      : std::string_view();
    return answer(bridge().edit(view(window), view(control), whole));
}

// A buffer for a text of `length` bytes that the page is about to hand over, or null when the
// core's heap could not hold both it and the core's own copy of the text: the page then keeps the
// core's text, where the core would otherwise run out of memory while copying, which ends it.
VT_EXPORT char* vt_text_buffer(int length) {
    if (length < 0) return nullptr;
    const std::size_t bytes = static_cast<std::size_t>(length) + 1;
#ifdef __EMSCRIPTEN__
    // The heap grows up to its maximum; what is in use now and the two copies, with room to
    // spare for the answer, must fit below it.
    const std::size_t inUse = static_cast<std::size_t>(mallinfo().uordblks);
    const std::size_t most = emscripten_get_heap_max();
    if (bytes > most / 2 || inUse + 2 * bytes + kSpareBytes > most) return nullptr;
#endif
    return static_cast<char*>(std::malloc(bytes));
}

VT_EXPORT const char* vt_resend(const char* window, const char* control) {
    return answer(bridge().resend(view(window), view(control)));
}

VT_EXPORT const char* vt_escape(const char* window) { return answer(bridge().escape(view(window))); }

VT_EXPORT const char* vt_close_box(const char* window) { return answer(bridge().closeBox(view(window))); }

VT_EXPORT const char* vt_tick(const char* window) { return answer(bridge().tick(view(window))); }

VT_EXPORT const char* vt_focus_in(const char* window, const char* control) {
    return answer(bridge().focusIn(view(window), view(control)));
}

VT_EXPORT const char* vt_state() { return answer(bridge().state()); }

}  // extern "C"
