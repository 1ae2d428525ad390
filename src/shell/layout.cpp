#include "shell/layout.h"

#include <algorithm>
#include <cmath>

namespace vertola {

namespace {

constexpr std::string_view kAnnouncedLabel = "lblmessaggio";

}  // namespace

int twipsToPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

int iconSide(const ControlSpec& design) {
    if (design.pictureSide > 0) return design.pictureSide;
    const int shorter = std::min(twipsToPixels(design.rect.width), twipsToPixels(design.rect.height));
    return std::max(16, shorter - 16);
}

bool announced(const ControlSpec& design) {
    return design.kind == Kind::Label && design.name == kAnnouncedLabel;
}

}  // namespace vertola
