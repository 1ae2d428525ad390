#include "ui/control.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcutEvent>
#include <QSvgRenderer>
#include <QSvgWidget>

#include "ui/assets.h"
#include "ui/button_caption.h"
#include "ui/fonts.h"
#include "ui/line_widget.h"
#include "ui/twips.h"

namespace vertola::ui {

namespace {

// The feedback message is read out when it appears, as a pupil may not be looking at it.
constexpr std::string_view kAnnouncedLabel = "lblmessaggio";
constexpr int kButtonPadding = 6;

Qt::Alignment horizontal(Align align) {
    switch (align) {
        case Align::Center: return Qt::AlignHCenter;
        case Align::Right: return Qt::AlignRight;
        case Align::Left: break;
    }
    return Qt::AlignLeft;
}

QPalette::ColorRole foreRole(Kind kind) {
    switch (kind) {
        case Kind::TextBox: return QPalette::Text;
        case Kind::Button:
        case Kind::PictureButton: return QPalette::ButtonText;
        default: return QPalette::WindowText;
    }
}

void fillBackground(QWidget* widget, std::optional<Rgb> back) {
    if (!back) return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, toQColor(*back));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A button with a colour of its own is drawn flat in that colour, with a raised border that
// sinks while it is pressed.
QString colouredButtonStyle(Rgb back, std::optional<Rgb> fore) {
    return QStringLiteral("QPushButton { background-color: %1; border: 2px outset %2; padding: 0px; %3}"
                          "QPushButton:pressed { border-style: inset; }"
                          "QPushButton:focus { border-color: %4; }")
        .arg(toQColor(back).name(), toQColor(back).darker(115).name(),
             fore ? QStringLiteral("color: %1; ").arg(toQColor(*fore).name()) : QString(),
             toQColor(back).darker(160).name());
}

// Qt presses a button on its access key only after a 100 ms animation; the click comes at once
// here, as from the mouse, so the key and the click are one event for the core.
class PushButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
            click();
            return true;
        }
        return QPushButton::event(event);
    }
};

QWidget* createLabel(const ControlSpec& spec, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(horizontal(spec.align) | Qt::AlignTop);
    fillBackground(label, spec.back);
    return label;
}

QPushButton* createButton(const ControlSpec& spec, QWidget* parent) {
    auto* button = new PushButton(parent);
    // Enter presses the button that has the focus.
    button->setAutoDefault(true);
    if (spec.back) button->setStyleSheet(colouredButtonStyle(*spec.back, spec.fore));
    if (!spec.tooltip.empty()) button->setToolTip(toQString(spec.tooltip));
    return button;
}

QWidget* createPictureButton(const ControlSpec& spec, QWidget* parent) {
    QPushButton* button = createButton(spec, parent);
    const QSize size = toPixels(spec.rect).size();
    const int side = std::max(16, std::min(size.width(), size.height()) - 16);
    button->setIcon(assetIcon(spec.picture, side));
    button->setIconSize(QSize(side, side));
    return button;
}

QWidget* createTextBox(const ControlSpec& spec, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setAlignment(horizontal(spec.align) | Qt::AlignVCenter);
    return edit;
}

QWidget* createPicture(const ControlSpec& spec, QWidget* parent) {
    auto* picture = new QSvgWidget(parent);
    // A missing drawing leaves the box empty.
    if (hasAsset(spec.picture)) picture->load(assetPath(spec.picture));
    picture->renderer()->setAspectRatioMode(Qt::KeepAspectRatio);
    fillBackground(picture, spec.back);
    return picture;
}

QWidget* createWidget(const ControlSpec& spec, QWidget* parent) {
    switch (spec.kind) {
        case Kind::Label: return createLabel(spec, parent);
        case Kind::Button: return createButton(spec, parent);
        case Kind::PictureButton: return createPictureButton(spec, parent);
        case Kind::TextBox: return createTextBox(spec, parent);
        case Kind::Line: return new LineWidget(parent);
        case Kind::Picture: return createPicture(spec, parent);
    }
    return new QWidget(parent);
}

}  // namespace

Control::Control(const ControlSpec& spec, QWidget* parent)
    : spec_(&spec), widget_(createWidget(spec, parent)) {
    widget_->setObjectName(toQString(spec.name));
    if (!spec.accessibleName.empty()) widget_->setAccessibleName(toQString(spec.accessibleName));
    if (spec.kind != Kind::Line) widget_->setFont(toQFont(spec.font));
    widget_->setGeometry(spec.kind == Kind::Line ? lineGeometry(spec.rect) : toPixels(spec.rect));
    defaultFore_ = widget_->palette().color(foreRole(spec.kind));
    applyText(std::string(spec.caption));
    if (spec.fore) applyFore(spec.fore);
    widget_->setVisible(spec.visible);
}

void Control::apply(const ControlState& state) {
    applyText(state.text);
    if (state.fore != shownFore_) applyFore(state.fore);
    if (widget_->isHidden() == state.visible) widget_->setVisible(state.visible);
}

void Control::applyText(const std::string& text) {
    switch (spec_->kind) {
        case Kind::TextBox: {
            auto* edit = static_cast<QLineEdit*>(widget_);
            const QString wanted = QString::fromStdString(text);
            if (edit->text() != wanted) edit->setText(wanted);
            return;
        }
        case Kind::Label:
            if (shownText_ == text) return;
            static_cast<QLabel*>(widget_)->setText(QString::fromStdString(text));
            if (spec_->name == kAnnouncedLabel) announce(QString::fromStdString(text));
            break;
        case Kind::Button: {
            if (shownText_ == text) return;
            auto* button = static_cast<QPushButton*>(widget_);
            const int inner = widget_->width() - 2 * kButtonPadding;
            button->setText(wrapCaption(QString::fromStdString(text), widget_->font(), inner));
            break;
        }
        default: return;
    }
    shownText_ = text;
}

void Control::applyFore(std::optional<Rgb> fore) {
    shownFore_ = fore;
    if (spec_->back && (spec_->kind == Kind::Button || spec_->kind == Kind::PictureButton)) {
        widget_->setStyleSheet(colouredButtonStyle(*spec_->back, fore));
        return;
    }
    QPalette palette = widget_->palette();
    palette.setColor(foreRole(spec_->kind), fore ? toQColor(*fore) : defaultFore_);
    widget_->setPalette(palette);
}

// The label's accessible name says what it is ("Messaggio"); the message itself is its
// description, announced as an alert when it appears and withdrawn when it is blanked.
void Control::announce(const QString& message) {
    widget_->setAccessibleDescription(message);
    if (message.isEmpty()) return;
    QAccessibleEvent event(widget_, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
}

}  // namespace vertola::ui
