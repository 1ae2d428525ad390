#include "ui/x11_desktop.h"

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include "ui/window_widget.h"

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

// WM_NORMAL_HINTS: eighteen words, the flags first and the window's gravity last.
constexpr uint32_t kSizeHintsWords = 18;
constexpr std::size_t kWinGravityWord = 17;
constexpr uint32_t kWinGravityFlag = 1u << 9;

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

bool managerAnswersFrameQuestions(xcb_connection_t* c, const std::array<xcb_atom_t, AtomCount>& atom) {
    const std::vector<xcb_atom_t> supported =
        property<xcb_atom_t>(c, rootOf(c), atom[NetSupported], XCB_ATOM_ATOM, 4096);
    return std::find(supported.begin(), supported.end(), atom[NetRequestFrameExtents]) != supported.end();
}

}  // namespace

FrameQuestion::FrameQuestion() {
    xcb_connection_t* c = connection();
    if (!c) return;
    const auto& atom = atoms(c);
    if (!managerAnswersFrameQuestions(c, atom)) return;
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

FrameQuestion::~FrameQuestion() = default;

std::optional<QSize> FrameQuestion::answer(std::chrono::milliseconds patience) {
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
        if (std::chrono::steady_clock::now() >= deadline) {
            probe_.reset();
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
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

bool viewable(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    if (!handle || !handle->isExposed()) return false;
    xcb_connection_t* c = connection();
    if (!c) return true;
    const auto id = static_cast<xcb_window_t>(window.winId());
    const Reply<xcb_get_window_attributes_reply_t> reply(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, id), nullptr));
    return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

void showWithCentreGravity(QWidget& window) {
    xcb_connection_t* c = connection();
    if (!c) {
        window.show();
        return;
    }
    // No other client's request is served meanwhile: the window manager, told of the map, reads
    // the hints only once they say centre.
    xcb_grab_server(c);
    window.show();
    const auto id = static_cast<xcb_window_t>(window.winId());
    std::vector<uint32_t> hints =
        property<uint32_t>(c, id, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, kSizeHintsWords);
    if (hints.size() == kSizeHintsWords) {
        hints[0] |= kWinGravityFlag;
        hints[kWinGravityWord] = XCB_GRAVITY_CENTER;
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS,
                            32, kSizeHintsWords, hints.data());
    }
    xcb_ungrab_server(c);
    xcb_flush(c);
}

#else

FrameQuestion::FrameQuestion() = default;
FrameQuestion::~FrameQuestion() = default;
std::optional<QSize> FrameQuestion::answer(std::chrono::milliseconds) { return std::nullopt; }
void keepOffTaskBar(QWidget&) {}
bool viewable(const QWidget& window) { return window.windowHandle() && window.windowHandle()->isExposed(); }
void showWithCentreGravity(QWidget& window) { window.show(); }

#endif

}  // namespace vertola::ui
