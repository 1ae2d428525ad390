#include "web/bridge/json_writer.h"

#include <charconv>
#include <cmath>

namespace vertola::web {

// Plain runs are copied whole: a character at a time costs a call each in an unoptimised
// WebAssembly tier, and a pasted text may be megabytes long.
void appendEscaped(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    std::size_t plain = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        if (c != '"' && c != '\\' && byte >= 0x20) continue;
        out.append(text.data() + plain, i - plain);
        plain = i + 1;
        if (byte >= 0x20) {
            const char escaped[2] = {'\\', c};
            out.append(escaped, 2);
        } else {
            const char escaped[6] = {'\\', 'u', '0', '0', kHex[byte >> 4], kHex[byte & 0xf]};
            out.append(escaped, 6);
        }
    }
    out.append(text.data() + plain, text.size() - plain);
    out += '"';
}

void JsonWriter::separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (filled_.empty()) return;
    if (filled_.back()) out_ += ',';
    filled_.back() = true;
}

JsonWriter& JsonWriter::beginObject() {
    separate();
    out_ += '{';
    filled_.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    out_ += '}';
    filled_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    separate();
    out_ += '[';
    filled_.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    out_ += ']';
    filled_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    separate();
    appendEscaped(out_, name);
    out_ += ':';
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::string(std::string_view text) {
    separate();
    appendEscaped(out_, text);
    return *this;
}

JsonWriter& JsonWriter::integer(std::int64_t value) {
    separate();
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out_.append(buffer, end);
    return *this;
}

JsonWriter& JsonWriter::number(double value) {
    if (!std::isfinite(value)) return null();
    const auto thousandths = static_cast<std::int64_t>(std::llround(value * 1000.0));
    const std::int64_t whole = thousandths / 1000;
    std::int64_t fraction = thousandths % 1000;
    separate();
    // -0.5 has a whole part of 0, so the sign is written apart.
    if (thousandths < 0) out_ += '-';
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, whole < 0 ? -whole : whole).ptr;
    out_.append(buffer, end);
    if (fraction < 0) fraction = -fraction;
    if (fraction != 0) {
        char digits[4] = {static_cast<char>('0' + fraction / 100),
                          static_cast<char>('0' + fraction / 10 % 10), static_cast<char>('0' + fraction % 10),
                          0};
        std::string_view shown(digits, 3);
        while (shown.back() == '0') shown.remove_suffix(1);
        out_ += '.';
        out_ += shown;
    }
    return *this;
}

JsonWriter& JsonWriter::boolean(bool value) {
    separate();
    out_ += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::null() {
    separate();
    out_ += "null";
    return *this;
}

}  // namespace vertola::web
