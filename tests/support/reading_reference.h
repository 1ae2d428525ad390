#pragma once

#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>
#include <string_view>

// A second, deliberately plain reading of a pupil's text, for comparing with readNumber: it
// builds the number a different way (the kept characters handed to strtod under the "C" locale)
// so that a fault in one is not repeated in the other.
namespace vertola::reference {

struct Reading {
    double value = 0;
    bool whole = false;  // no fraction digit other than 0, so the value must come out exact
};

inline bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

inline Reading read(std::string_view text) {
    std::string kept;
    for (char c : text)
        if (!isBlank(c)) kept.push_back(c);

    std::size_t end = 0;
    if (end < kept.size() && (kept[end] == '+' || kept[end] == '-')) ++end;
    const std::size_t wholeStart = end;
    while (end < kept.size() && isDigit(kept[end])) ++end;
    const std::size_t wholeEnd = end;
    std::size_t fractionEnd = end;
    if (end < kept.size() && kept[end] == '.') {
        ++end;
        while (end < kept.size() && isDigit(kept[end])) ++end;
        fractionEnd = end;
    }
    const std::string_view whole(kept.data() + wholeStart, wholeEnd - wholeStart);
    const std::string_view fraction =
        fractionEnd > wholeEnd ? std::string_view(kept.data() + wholeEnd + 1, fractionEnd - wholeEnd - 1)
                               : std::string_view();
    if (whole.empty() && fraction.empty()) return {0, true};

    // A megabyte of digits would make strtod slow; only the significant ones matter.
    std::size_t firstSignificant = 0;
    while (firstSignificant < whole.size() && whole[firstSignificant] == '0') ++firstSignificant;
    const std::string_view significant = whole.substr(firstSignificant);
    const bool negative = wholeStart > 0 && kept[0] == '-';
    bool fractionIsZero = true;
    for (char c : fraction) fractionIsZero = fractionIsZero && c == '0';
    if (significant.size() > 400) {
        const double inf = std::numeric_limits<double>::infinity();
        return {negative ? -inf : inf, false};
    }
    std::string number = negative ? "-" : "";
    number += significant.empty() ? "0" : std::string(significant);
    number += '.';
    number += fraction.substr(0, 60);

    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    const double value = strtod_l(number.c_str(), nullptr, cLocale);
    return {value, fractionIsZero && std::fabs(value) < 0x1p53};
}

// The text with every byte outside printable ASCII written as \xNN, cut after 200 bytes.
inline std::string escaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size() && i < 200; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7f && c != '\\') out.push_back(static_cast<char>(c));
        else out += std::string("\\x") + "0123456789abcdef"[c >> 4] + "0123456789abcdef"[c & 15];
    }
    if (text.size() > 200) out += "... (" + std::to_string(text.size()) + " bytes)";
    return out;
}

// Whether readNumber's value agrees with the reference reading: exact for whole numbers up to
// 2^53, otherwise within 1e-12 relative plus 1e-20 absolute (digits that far right are dropped),
// both infinite past the largest double, and the sign of zero ignored.
inline bool agrees(double actual, const Reading& expected) {
    const double e = expected.value;
    if (std::isnan(actual)) return false;
    if (expected.whole) return actual == e;
    const double largest = std::numeric_limits<double>::max();
    if (std::isinf(e) || std::isinf(actual)) {
        // Rounding on the way may tip a value just under the largest double over it.
        const double finite = std::isinf(e) ? actual : e;
        const bool sameSign = std::signbit(actual) == std::signbit(e);
        return sameSign && (std::isinf(finite) || std::fabs(finite) >= largest * (1 - 1e-12));
    }
    const double scale = std::fmax(std::fabs(actual), std::fabs(e));
    return std::fabs(actual - e) <= 1e-12 * scale + 1e-20;
}

}  // namespace vertola::reference
