#include "ui/control.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcutEvent>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <limits>

#include "ui/assets.h"
#include "ui/button_caption.h"
#include "ui/fonts.h"
#include "ui/line_widget.h"
#include "ui/picture_widget.h"
#include "ui/twips.h"

namespace vertola::ui {

namespace {

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
// sinks while it is pressed. A styled widget takes its class's palette, not its window's, and a
// desktop theme may colour that class, so the text colour is always given.
QString colouredButtonStyle(Rgb back, std::optional<Rgb> fore) {
    return QStringLiteral("QPushButton { background-color: %1; border: 2px outset %2; padding: 0px; color: %3; }"
                          "QPushButton:pressed { border-style: inset; }"
                          "QPushButton:focus { border-color: %4; }")
        .arg(toQColor(back).name(), toQColor(back).darker(115).name(), toQColor(fore.value_or(kBlack)).name(),
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

QWidget* createLabel(const ControlSpec& design, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(horizontal(design.align) | Qt::AlignTop);
    fillBackground(label, design.back);
    return label;
}

QPushButton* createButton(const ControlSpec& design, QWidget* parent) {
    auto* button = new PushButton(parent);
    // Enter presses the button that has the focus.
    button->setAutoDefault(true);
    if (design.back) button->setStyleSheet(colouredButtonStyle(*design.back, design.fore));
    if (!design.tooltip.empty()) button->setToolTip(toQString(design.tooltip));
    return button;
}

QWidget* createPictureButton(const ControlSpec& design, QWidget* parent) {
    QPushButton* button = createButton(design, parent);
    const int side = iconSide(design);
    button->setIcon(assetIcon(design.picture, side));
    button->setIconSize(QSize(side, side));
    return button;
}

QWidget* createTextBox(const ControlSpec& design, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    // A cell has no length limit: a long paste is kept whole and judged.
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setAlignment(horizontal(design.align) | Qt::AlignVCenter);
    return edit;
}

QWidget* createPicture(const ControlSpec& design, QWidget* parent) {
    auto* picture = new PictureWidget(parent);
    // A missing drawing leaves the box empty.
    if (hasAsset(design.picture)) picture->loadDrawing(assetPath(design.picture));
    picture->renderer()->setAspectRatioMode(Qt::KeepAspectRatio);
    fillBackground(picture, design.back);
    return picture;
}

QWidget* createWidget(const ControlSpec& design, QWidget* parent) {
    switch (design.kind) {
        case Kind::Label: return createLabel(design, parent);
        case Kind::Button: return createButton(design, parent);
        case Kind::PictureButton: return createPictureButton(design, parent);
        case Kind::TextBox: return createTextBox(design, parent);
        case Kind::Line: return new LineWidget(parent);
        case Kind::Picture: return createPicture(design, parent);
    }
    return new QWidget(parent);
}

}  // namespace

Control::Control(const ControlSpec& design, QWidget* parent, bool captionOnApply)
    : design_(&design), widget_(createWidget(design, parent)) {
    widget_->setObjectName(toQString(design.name));
    if (!design.accessibleName.empty()) widget_->setAccessibleName(toQString(design.accessibleName));
    if (design.kind != Kind::Line) widget_->setFont(controlFont(design));
    widget_->setGeometry(design.kind == Kind::Line ? lineGeometry(design.rect) : toPixels(design.rect));
    if (!captionOnApply || design.kind != Kind::Button) applyText(std::string(design.caption));
    if (design.fore) applyFore(design.fore);
    widget_->setVisible(design.visible);
}

void Control::apply(const ControlState& state, std::uint64_t textStamp) {
    const bool setAgain = shownStamp_ != 0 && textStamp != shownStamp_ && shownText_ == state.text;
    shownStamp_ = textStamp;
    applyText(state.text);
    if (setAgain && announced(*design_)) announce(QString::fromStdString(state.text));
    if (state.fore != shownFore_) applyFore(state.fore);
    if (widget_->isHidden() == state.visible) widget_->setVisible(state.visible);
}

void Control::applyText(const std::string& text) {
    switch (design_->kind) {
        case Kind::TextBox: {
            auto* edit = static_cast<QLineEdit*>(widget_);
            const QString wanted = QString::fromStdString(text);
            if (edit->text() != wanted) edit->setText(wanted);
            return;
        }
        case Kind::Label:
            if (shownText_ == text) return;
            static_cast<QLabel*>(widget_)->setText(QString::fromStdString(text));
            if (announced(*design_)) announce(QString::fromStdString(text));
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
    if (design_->back && (design_->kind == Kind::Button || design_->kind == Kind::PictureButton)) {
        widget_->setStyleSheet(colouredButtonStyle(*design_->back, fore));
        return;
    }
    QPalette palette = widget_->palette();
    // No colour of its own is the default text colour, black whatever the desktop's theme.
    palette.setColor(foreRole(design_->kind), toQColor(fore.value_or(kBlack)));
    widget_->setPalette(palette);
}

// Like every label, the message is named by its text; a reader does not look at a label that
// changes by itself, so the message is also its description, raised as an alert when it appears.
void Control::announce(const QString& message) {
    widget_->setAccessibleDescription(message);
    if (message.isEmpty()) return;
    QAccessibleEvent event(widget_, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
}

}  // namespace vertola::ui
