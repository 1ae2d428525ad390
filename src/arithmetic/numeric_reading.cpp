#include "arithmetic/numeric_reading.h"

#include <cstdint>

namespace vertola {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Walks the text once, handing out the characters that are not blanks.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) { skipBlanks(); }
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return text_[pos_]; }
    void advance() {
        ++pos_;
        skipBlanks();
    }

private:
    void skipBlanks() {
        while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
    }
    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

double readNumber(std::string_view text) {
    Cursor cursor(text);
    double sign = 1;
    if (!cursor.atEnd() && (cursor.peek() == '+' || cursor.peek() == '-')) {
        if (cursor.peek() == '-') sign = -1;
        cursor.advance();
    }
    // Whole part: gathered exactly in 64 bits while it fits, so it is rounded to a double only once;
    // beyond that a megabyte of digits overflows to infinity, which compares unequal to any
    // result, rather than wrapping.
    std::uint64_t whole = 0;
    while (!cursor.atEnd() && isDigit(cursor.peek())) {
        const auto digit = static_cast<std::uint64_t>(cursor.peek() - '0');
        if (whole > (UINT64_MAX - digit) / 10) break;
        whole = whole * 10 + digit;
        cursor.advance();
    }
    double value = static_cast<double>(whole);
    while (!cursor.atEnd() && isDigit(cursor.peek())) {
        value = value * 10 + (cursor.peek() - '0');
        cursor.advance();
    }
    if (!cursor.atEnd() && cursor.peek() == '.') {
        cursor.advance();
        double scale = 1;
        while (!cursor.atEnd() && isDigit(cursor.peek())) {
            // Past twenty decimals a digit no longer changes a double near the results.
            if (scale > 1e-20) {
                scale /= 10;
                value += (cursor.peek() - '0') * scale;
            }
            cursor.advance();
        }
    }
    return sign * value;
}

std::string plainDecimal(unsigned long long value) {
    char digits[24];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    std::string text;
    text.reserve(static_cast<std::size_t>(n));
    while (n > 0) text.push_back(digits[--n]);
    return text;
}

}  // namespace vertola
