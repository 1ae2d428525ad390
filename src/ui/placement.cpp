#include "ui/placement.h"

#include <QtGui/qguiapplication_platform.h>
#include <QEvent>
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

#ifdef VERTOLA_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace vertola::ui {

namespace {

// Whether the program runs on an X11 display, where the window manager is a separate program
// that must be told what a window is and how to place it.
bool onX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

}  // namespace

// Asks the window manager, where it offers to say, what frame it will add around a window of the
// main menu's kind, before any window is on screen. The question goes out at once and the answer is
// read when the first window is placed, so the window manager answers while the program gets ready.
class FrameQuestion {
public:
    FrameQuestion();
    ~FrameQuestion();
    FrameQuestion(const FrameQuestion&) = delete;
    FrameQuestion& operator=(const FrameQuestion&) = delete;

    // Empty off X11, where the window manager does not offer to answer, or where it has not
    // answered within `patience`.
    std::optional<QSize> answer(std::chrono::milliseconds patience);

private:
    // Never shown: the frame depends on the kind of window and on its fixed size, not on its
    // caption or contents.
    std::unique_ptr<QWidget> probe_;
};

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
    probe_ = std::make_unique<QWidget>(nullptr, Placement::windowFlags(true));
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

namespace {

// Keeps a window about to be shown out of the task bar and the pager. On X11 the dialog-style
// windows are plain windows so marked: a dialog (a transient, or of the dialog type) is kept above
// every other window of the program by the window manager, even above one opened after it.
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

bool mapped(const QWidget& window) {
    xcb_connection_t* c = connection();
    if (!c) return true;
    const auto id = static_cast<xcb_window_t>(window.winId());
    const Reply<xcb_get_window_attributes_reply_t> reply(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, id), nullptr));
    return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

// Shows a window so that the window manager centres its frame on the place asked for its client
// area (ICCCM's centre gravity): Qt asks for its frame's corner there, which needs the frame known.
// Qt's own hints are mended before the window manager can read them.
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

}  // namespace

#else

FrameQuestion::FrameQuestion() = default;
FrameQuestion::~FrameQuestion() = default;
std::optional<QSize> FrameQuestion::answer(std::chrono::milliseconds) { return std::nullopt; }

namespace {
void keepOffTaskBar(QWidget&) {}
bool mapped(const QWidget&) { return true; }
void showWithCentreGravity(QWidget& window) { window.show(); }
}  // namespace

#endif

// A window manager answers within a few milliseconds, while the program gets ready. One that
// offers to answer and does not in time still centres the frame by gravity, or half its caption
// bar off where it reads gravity as Openbox does.
constexpr std::chrono::milliseconds kFramePatience{100};

Placement::Placement() : question_(std::make_unique<FrameQuestion>()) {}

Placement::~Placement() = default;

// On X11 a dialog is kept above the program's other windows by the window manager, even above the
// main menu opened after it, so there the dialog-style windows are plain windows kept off the task bar.
Qt::WindowFlags Placement::windowFlags(bool mainWindow) {
    const Qt::WindowFlags type = mainWindow || onX11() ? Qt::Window : Qt::Dialog;
    return type | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
           Qt::MSWindowsFixedSizeDialogHint;
}

QSize Placement::frame() {
    if (question_) {
        if (const std::optional<QSize> answer = question_->answer(kFramePatience)) noteFrame(*answer);
        question_.reset();
    }
    return frame_;
}

void Placement::noteFrame(QSize extra) {
    frame_ = extra;
    frameKnown_ = true;
}

void Placement::show(QWidget& window, bool mainWindow) {
    // Set before the window is mapped, so the window manager reads it when it manages the window;
    // it drops the state of a window taken off screen, so it is set at every showing.
    if (!mainWindow) keepOffTaskBar(window);
    window.installEventFilter(this);
    if (frameKnown_) {
        window.show();
        return;
    }
    // Where the window manager put the frame's corner where the client's was asked, as i3 does,
    // the window is centred once its frame is seen.
    unchecked_.push_back({&window, window.pos()});
    showWithCentreGravity(window);
}

bool Placement::viewable(const QWidget& window) const {
    const QWindow* handle = window.windowHandle();
    return handle && handle->isExposed() && mapped(window);
}

bool Placement::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::Move || event->type() == QEvent::Show) && watched->isWidgetType())
        frameSeen(*static_cast<QWidget*>(watched));
    return QObject::eventFilter(watched, event);
}

void Placement::frameSeen(QWidget& window) {
    const QSize extra = window.frameGeometry().size() - window.size();
    if (extra.width() <= 0 && extra.height() <= 0) return;
    noteFrame(extra);
    std::erase_if(unchecked_, [](const Unchecked& u) { return u.window.isNull(); });
    const auto it = std::find_if(unchecked_.begin(), unchecked_.end(),
                                 [&window](const Unchecked& u) { return u.window == &window; });
    if (it == unchecked_.end()) return;
    const QPoint asked = it->asked;
    unchecked_.erase(it);
    // The frame centred on the client area the core asked for, within the pixel that halving an
    // odd frame leaves.
    const QSize half = (window.size() - window.frameGeometry().size()) / 2;
    const QPoint centred = asked + QPoint(half.width(), half.height());
    const QPoint shown = window.frameGeometry().topLeft();
    if (std::abs(shown.x() - centred.x()) > 1 || std::abs(shown.y() - centred.y()) > 1) window.move(centred);
}

}  // namespace vertola::ui
