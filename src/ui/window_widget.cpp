#include "ui/window_widget.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QTimer>

#include "ui/assets.h"
#include "ui/palette.h"
#include "ui/picture_widget.h"
#include "ui/placement.h"
#include "ui/twips.h"

namespace vertola::ui {

WindowWidget::WindowWidget(WindowId id, const WindowLayout& layout, WindowEvents& events)
    : QWidget(nullptr), id_(id), layout_(layout), events_(events) {
    setObjectName(toQString(layout.name));
    setUpFrame();
    controls_.reserve(layout.controls.size());
    for (const ControlSpec& design : layout.controls) {
        controls_.emplace_back(design, this, true);
        connectControl(controls_.back());
    }
    setUpTabOrder();
    if (!layout.cancelButton.empty()) {
        // A shortcut rather than a dialog's own Esc, which would close the window behind the core's back.
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        connect(escape, &QShortcut::activated, this, [this] { events_.escape(id_); });
    }
}

void WindowWidget::setUpFrame() {
    setWindowFlags(Placement::windowFlags(layout_.mainWindow));
    setFixedSize(toPixels(layout_.clientWidth), toPixels(layout_.clientHeight));
    setWindowTitle(toQString(layout_.caption));
    setWindowIcon(assetIcon("icon", 32));
    // Every role is set here, so the controls inherit none of the desktop's colours.
    setPalette(windowPalette(layout_.background));
    setAutoFillBackground(true);
}

void WindowWidget::connectControl(const Control& control) {
    const std::string_view name = control.design().name;
    switch (control.design().kind) {
        case Kind::Button:
        case Kind::PictureButton:
            connect(static_cast<QPushButton*>(control.widget()), &QPushButton::clicked, this,
                    [this, name] { events_.click(id_, name); });
            break;
        case Kind::TextBox:
            // Every change but the core's own reaches the core: typing, a paste, undo, and text an
            // assistive tool puts in through the accessibility interface, which sets it outright.
            connect(static_cast<QLineEdit*>(control.widget()), &QLineEdit::textChanged, this,
                    [this, name](const QString& text) {
                        if (!applying_) events_.edit(id_, name, text.toStdString());
                    });
            break;
        default: break;
    }
}

void WindowWidget::setUpTabOrder() {
    for (const Control& control : controls_) control.widget()->setFocusPolicy(Qt::NoFocus);
    QWidget* previous = nullptr;
    for (std::string_view name : layout_.tabOrder) {
        QWidget* widget = control(name);
        if (!widget) continue;
        widget->setFocusPolicy(Qt::StrongFocus);
        if (previous) setTabOrder(previous, widget);
        previous = widget;
    }
}

QWidget* WindowWidget::control(std::string_view name) const {
    for (const Control& control : controls_)
        if (control.design().name == name) return control.widget();
    return nullptr;
}

std::string_view WindowWidget::controlName(const QWidget* widget) const {
    for (const Control& control : controls_)
        if (control.widget() == widget) return control.design().name;
    return {};
}

void WindowWidget::apply(const Window& window) {
    const QScopedValueRollback<bool> applying(applying_, true);
    const std::vector<ControlState>& states = window.controls();
    for (std::size_t i = 0; i < controls_.size() && i < states.size(); ++i)
        controls_[i].apply(states[i], window.textStamp(i));
}

void WindowWidget::renderDrawings() const {
    for (const Control& control : controls_)
        if (auto* picture = qobject_cast<PictureWidget*>(control.widget())) picture->pixels();
}

void WindowWidget::focusControl(std::string_view name) {
    if (QWidget* widget = control(name)) widget->setFocus(Qt::OtherFocusReason);
}

// The close box runs no button logic; the core decides, and the next sync destroys this widget.
void WindowWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    events_.closeBox(id_);
}

// Off the task bar, a dialog-style window that the window manager minimised, as some do whatever
// the program asks, could not be brought back by the pupil: it comes back at once.
void WindowWidget::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || layout_.mainWindow || !isMinimized()) return;
    QTimer::singleShot(0, this, [this] {
        if (!isMinimized() || isHidden()) return;
        setWindowState(windowState() & ~Qt::WindowMinimized);
        raise();
        activateWindow();
    });
}

}  // namespace vertola::ui
