#pragma once

// The bridge's C interface, as the page calls it through cwrap; declared for native callers.
extern "C" {
const char* vt_layouts();
const char* vt_units();
const char* vt_centred(const char* window, int screenW, int screenH, int frameW, int frameH);
const char* vt_start(int screenW, int screenH, int frameW, int frameH);
void vt_set_screen(int screenW, int screenH, int frameW, int frameH);
const char* vt_click(const char* window, const char* control);
const char* vt_edit(const char* window, const char* control, const char* text);
const char* vt_edit_bytes(const char* window, const char* control, const char* text, int length);
char* vt_text_buffer(int length);
const char* vt_resend(const char* window, const char* control);
const char* vt_escape(const char* window);
const char* vt_close_box(const char* window);
const char* vt_tick(const char* window);
const char* vt_focus_in(const char* window, const char* control);
const char* vt_state();
}
