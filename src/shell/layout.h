#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vertola {

// Positions and sizes are in twips within a window's client area; 15 twips are one logical pixel.
inline constexpr int kTwipsPerPixel = 15;

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlack{0, 0, 0};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(Rect, Rect) = default;
};

enum class Kind {
    Label,
    Button,         // a push button with a caption (access letter marked by "&")
    PictureButton,  // a push button showing a picture and no caption
    TextBox,        // a one-line text box: no filter, no length limit
    Line,           // a thin straight line; rect is its start point and extent (one of them 0)
    Picture,        // a decorative picture box or image
};

enum class Align { Left, Center, Right };

struct Font {
    std::string_view family = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
    bool italic = false;
    friend constexpr bool operator==(const Font&, const Font&) = default;
};

inline constexpr Font kSans12Bold{"MS Sans Serif", 12, true, false};
inline constexpr Font kSans13{"MS Sans Serif", 13.5, false, false};
inline constexpr Font kComic12{"Comic Sans MS", 12, false, false};
inline constexpr Font kComic14{"Comic Sans MS", 14.25, false, false};
inline constexpr Font kComic18Bold{"Comic Sans MS", 18, true, false};

// One control of a window as it is at design time.
struct ControlSpec {
    std::string_view name;
    Kind kind = Kind::Label;
    Rect rect;
    std::string_view caption;     // initial caption of a label or button, initial text of a text box
    std::optional<Rgb> fore;      // text colour; none means the default text colour
    std::optional<Rgb> back;      // background; none means the window's background (or the default)
    Font font;
    Align align = Align::Left;
    bool visible = true;
    std::string_view picture;     // asset name of the drawing (pictures and picture buttons)
    int pictureSide = 0;          // a picture button's icon in pixels; 0 fills the button
    std::string_view tooltip;
    // Italian name for screen readers of a control without a text of its own; never shown. A
    // label has none: a reader reads what it shows. A button's name begins with its caption.
    std::string_view accessibleName;
    // The label whose caption tells what this one's bare value is ("Risposte giuste:" beside its
    // count): a screen reader reads the two together.
    std::string_view labelledBy;
};

struct WindowLayout {
    std::string_view name;
    std::string_view caption;
    int clientWidth = 0;
    int clientHeight = 0;
    Rgb background;
    std::span<const ControlSpec> controls;
    std::span<const std::string_view> tabOrder;  // controls that take the focus, in order
    std::string_view initialFocus;
    std::string_view cancelButton;  // pressed by Esc; empty when Esc does nothing
    // The exercise frame's "&Controlla", whose documented name differs between windows; empty
    // in the other windows.
    std::string_view checkButton;
    bool mainWindow = false;        // listed in the task bar, single fixed border
};

// Lets a window's table be written as its own controls followed by shared ones.
template <std::size_t A, std::size_t B>
constexpr std::array<ControlSpec, A + B> joinControls(const std::array<ControlSpec, A>& first,
                                                     const std::array<ControlSpec, B>& second) {
    std::array<ControlSpec, A + B> all{};
    for (std::size_t i = 0; i < A; ++i) all[i] = first[i];
    for (std::size_t i = 0; i < B; ++i) all[A + i] = second[i];
    return all;
}

template <std::size_t A, std::size_t B>
constexpr std::array<std::string_view, A + B> joinNames(const std::array<std::string_view, A>& first,
                                                       const std::array<std::string_view, B>& second) {
    std::array<std::string_view, A + B> all{};
    for (std::size_t i = 0; i < A; ++i) all[i] = first[i];
    for (std::size_t i = 0; i < B; ++i) all[A + i] = second[i];
    return all;
}

const ControlSpec* findControl(const WindowLayout& layout, std::string_view name);

// Twips as the whole logical pixels that both faces draw.
int twipsToPixels(double twips);

// A picture button's icon side in pixels: its table's, or else the button's shorter side less a
// margin of 8 pixels each way, and never under 16.
int iconSide(const ControlSpec& design);

// Whether a label's text is read out by a screen reader as soon as it changes: the feedback
// message, as a pupil may not be looking at it.
bool announced(const ControlSpec& design);

}  // namespace vertola
