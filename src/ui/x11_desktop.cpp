#include "ui/x11_desktop.h"

#include "ui/picture_widget.h"
#include "ui/window_widget.h"

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

#ifdef VERTOLA_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace vertola::ui {

bool onX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

#ifdef VERTOLA_HAVE_XCB

namespace {

enum Atom : std::size_t {
    NetSupported,
    NetRequestFrameExtents,
    NetFrameExtents,
    NetWmState,
    NetWmStateSkipTaskbar,
    NetWmStateSkipPager,
    AtomCount
};

constexpr std::array<const char*, AtomCount> kAtomNames = {
    "_NET_SUPPORTED", "_NET_REQUEST_FRAME_EXTENTS", "_NET_FRAME_EXTENTS",
    "_NET_WM_STATE",  "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER",
};

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_connection_t* connection() {
    // After the application, at the program's end, there is none.
    if (!QCoreApplication::instance() || !onX11()) return nullptr;
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// Interned once, all in one round trip.
const std::array<xcb_atom_t, AtomCount>& atoms(xcb_connection_t* c) {
    static const std::array<xcb_atom_t, AtomCount> interned = [c] {
        std::array<xcb_intern_atom_cookie_t, AtomCount> cookies{};
        for (std::size_t i = 0; i < AtomCount; ++i)
            cookies[i] =
                xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(kAtomNames[i])), kAtomNames[i]);
        std::array<xcb_atom_t, AtomCount> result{};
        for (std::size_t i = 0; i < AtomCount; ++i) {
            const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c, cookies[i], nullptr));
            result[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        }
        return result;
    }();
    return interned;
}

template <typename T>
std::vector<T> property(xcb_connection_t* c, xcb_window_t window, xcb_atom_t name, xcb_atom_t type,
                        uint32_t maxItems) {
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, name, type, 0, maxItems), nullptr));
    if (!reply || reply->type != type || reply->format != 32) return {};
    const auto* values = static_cast<const T*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / sizeof(T)};
}

xcb_window_t rootOf(xcb_connection_t* c) { return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root; }

bool managerAnswersFrameRequests(xcb_connection_t* c, const std::array<xcb_atom_t, AtomCount>& atom) {
    const std::vector<xcb_atom_t> supported =
        property<xcb_atom_t>(c, rootOf(c), atom[NetSupported], XCB_ATOM_ATOM, 4096);
    return std::find(supported.begin(), supported.end(), atom[NetRequestFrameExtents]) != supported.end();
}

}  // namespace

FrameRequest::FrameRequest() {
    xcb_connection_t* c = connection();
    if (!c) return;
    const auto& atom = atoms(c);
    if (!managerAnswersFrameRequests(c, atom)) return;

    probe_ = std::make_unique<QWidget>(nullptr, windowFrameFlags(true));
    probe_->setFixedSize(100, 100);
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = static_cast<xcb_window_t>(probe_->winId());
    request.type = atom[NetRequestFrameExtents];
    xcb_send_event(c, 0, rootOf(c), XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(c);
}

FrameRequest::~FrameRequest() = default;

std::optional<QSize> FrameRequest::answer(std::chrono::microseconds patience) {
    xcb_connection_t* c = connection();
    if (!c || !probe_) return std::nullopt;
    const auto& atom = atoms(c);
    const auto window = static_cast<xcb_window_t>(probe_->winId());
    const qreal ratio = probe_->devicePixelRatioF();
    const auto logical = [ratio](uint32_t pixels) { return static_cast<int>(std::lround(pixels / ratio)); };
    // Qt's own event reader owns the connection's events, so the answer is read off the window.
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        const std::vector<uint32_t> extents =
            property<uint32_t>(c, window, atom[NetFrameExtents], XCB_ATOM_CARDINAL, 4);
        if (extents.size() == 4) {
            probe_.reset();
            return QSize(logical(extents[0] + extents[1]), logical(extents[2] + extents[3]));
        }
        if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
}

void keepOffTaskBar(QWidget& window) {
    xcb_connection_t* c = connection();
    if (!c) return;
    const auto& atom = atoms(c);
    const auto id = static_cast<xcb_window_t>(window.winId());
    // The window manager drops the state of a window taken off screen, so it is set at every
    // showing; Qt adds its own states to these.
    const std::array<xcb_atom_t, 2> states = {atom[NetWmStateSkipTaskbar], atom[NetWmStateSkipPager]};
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, atom[NetWmState], XCB_ATOM_ATOM, 32, states.size(),
                        states.data());
}

namespace {

// Whether a visual of the screen is 24-bit RGB in 32-bit pixels, as QImage's RGB32 lies in memory.
bool isRgb32(const xcb_setup_t* setup, const xcb_screen_t* screen, xcb_visualid_t visual) {
    if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST || screen->root_depth != 24) return false;
    bool rgb = false;
    for (auto d = xcb_screen_allowed_depths_iterator(screen); d.rem; xcb_depth_next(&d)) {
        if (d.data->depth != screen->root_depth) continue;
        for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v))
            if (v.data->visual_id == visual)
                rgb = v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR && v.data->red_mask == 0xff0000u &&
                      v.data->green_mask == 0xff00u && v.data->blue_mask == 0xffu;
    }
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
        if (f.data->depth == screen->root_depth) rgb = rgb && f.data->bits_per_pixel == 32 && f.data->scanline_pad == 32;
    return rgb;
}

}  // namespace

FirstLook::FirstLook(QString window, QSize size) : window_(std::move(window)), size_(size) {}

FirstLook::~FirstLook() { release(); }

void FirstLook::upload() {
    const QByteArray look = prerenderedLook(window_, size_, 1);
    // In bands of rows through a small buffer: the whole picture is never unpacked in memory.
    std::array<quint32, 2048> band{};
    const int width = size_.width();
    const int height = size_.height();
    if (look.isEmpty() || width <= 0 || height <= 0 || static_cast<std::size_t>(width) > band.size()) return;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    connection_ = c;
    if (xcb_connection_has_error(c)) return;
    const xcb_setup_t* setup = xcb_get_setup(c);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
    if (!isRgb32(setup, screen, screen->root_visual)) return;
    const int rows = static_cast<int>(band.size()) / width;
    PixelUnpacker pixels(look, qsizetype(width) * height);
    // Most of a window is its background, the colour of its corner: the pixmap is filled with it
    // and only what differs from it goes over the connection, a band's columns at a time.
    quint32 background = 0;
    if (!pixels.next(&background, 1)) return;
    band[0] = background;
    const xcb_pixmap_t pixmap = xcb_generate_id(c);
    const xcb_gcontext_t gc = xcb_generate_id(c);
    xcb_create_pixmap(c, screen->root_depth, pixmap, screen->root, static_cast<uint16_t>(width),
                      static_cast<uint16_t>(height));
    // The whole word, its unused byte too, as the program's own paint leaves it.
    const uint32_t fill = background;
    xcb_create_gc(c, gc, pixmap, XCB_GC_FOREGROUND, &fill);
    const xcb_rectangle_t whole{0, 0, static_cast<uint16_t>(width), static_cast<uint16_t>(height)};
    xcb_poly_fill_rectangle(c, pixmap, gc, 1, &whole);
    bool filled = true;
    for (int y = 0; y < height && filled; y += rows) {
        const int n = std::min(rows, height - y);
        const qsizetype count = qsizetype(width) * n;
        // The corner pixel is in already.
        filled = y == 0 ? pixels.next(band.data() + 1, count - 1) : pixels.next(band.data(), count);
        int left = width;
        int right = -1;
        for (int r = 0; r < n && filled; ++r) {
            const quint32* row = band.data() + qsizetype(r) * width;
            for (int x = 0; x < left; ++x)
                if (row[x] != background) left = x;
            for (int x = width - 1; x > right; --x)
                if (row[x] != background) right = x;
        }
        if (!filled || right < left) continue;
        const int span = right - left + 1;
        // Each row's part moves to the front, in place: it never lies ahead of where it goes.
        for (int r = 0; r < n; ++r)
            std::memmove(band.data() + qsizetype(r) * span, band.data() + qsizetype(r) * width + left,
                         static_cast<std::size_t>(span) * 4u);
        xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc, static_cast<uint16_t>(span), static_cast<uint16_t>(n),
                      static_cast<int16_t>(left), static_cast<int16_t>(y), 0, screen->root_depth,
                      static_cast<uint32_t>(span * n * 4), reinterpret_cast<const uint8_t*>(band.data()));
    }
    xcb_free_gc(c, gc);
    releaseCompiledIn(look);
    if (!filled || !pixels.finished()) {
        xcb_free_pixmap(c, pixmap);
        xcb_flush(c);
        return;
    }
    // Once this is answered the pixmap exists for any connection to name.
    const Reply<xcb_get_input_focus_reply_t> done(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    if (done) pixmap_ = pixmap;
}

bool FirstLook::showAtMap(QWidget& window) {
    xcb_connection_t* c = connection();
    const auto pixmap = static_cast<xcb_pixmap_t>(std::exchange(pixmap_, 0));
    if (!c || !pixmap || window.objectName() != window_ || window.size() != size_ || window.devicePixelRatio() != 1)
        return false;
    const auto id = static_cast<xcb_window_t>(window.winId());
    // The pixmap has the screen's depth, which Qt gives every window without an alpha channel.
    if (!window.windowHandle() || window.windowHandle()->format().hasAlpha()) return false;
    // The window keeps the pixels for as long as they are its background, whatever becomes of
    // the connection that made them.
    xcb_change_window_attributes(c, id, XCB_CW_BACK_PIXMAP, &pixmap);
    return true;
}

void FirstLook::release() {
    auto* own = static_cast<xcb_connection_t*>(std::exchange(connection_, nullptr));
    if (!own) return;
    // Whatever Qt's connection asked of the pixmap is done before it goes with its connection.
    if (xcb_connection_t* c = connection())
        std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    xcb_disconnect(own);
}

void forgetLookAtMap(QWidget& window) {
    xcb_connection_t* c = connection();
    if (!c || !window.internalWinId()) return;
    const uint32_t none = XCB_BACK_PIXMAP_NONE;
    xcb_change_window_attributes(c, static_cast<xcb_window_t>(window.internalWinId()), XCB_CW_BACK_PIXMAP, &none);
    xcb_flush(c);
}

#else

FirstLook::FirstLook(QString window, QSize size) : window_(std::move(window)), size_(size) {}
FirstLook::~FirstLook() = default;
void FirstLook::upload() {}
bool FirstLook::showAtMap(QWidget&) { return false; }
void FirstLook::release() {}
void forgetLookAtMap(QWidget&) {}
FrameRequest::FrameRequest() = default;
FrameRequest::~FrameRequest() = default;
std::optional<QSize> FrameRequest::answer(std::chrono::microseconds) { return std::nullopt; }
void keepOffTaskBar(QWidget&) {}

#endif

}  // namespace vertola::ui
