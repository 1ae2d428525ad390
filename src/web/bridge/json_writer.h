#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vertola::web {

// Appends JSON to one string, placing the commas itself. Texts are escaped for JSON: quotes,
// backslashes and every byte below 0x20; bytes from 0x80 pass through, since the page hands over
// valid UTF-8 and the tables are UTF-8.
class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);
    JsonWriter& string(std::string_view text);
    JsonWriter& integer(std::int64_t value);
    // Written with at most three decimals, whatever the process locale: twips positions are
    // halves and point sizes quarters.
    JsonWriter& number(double value);
    JsonWriter& boolean(bool value);
    JsonWriter& null();

    const std::string& str() const { return out_; }
    std::string take() { return std::move(out_); }

private:
    void separate();

    std::string out_;
    // One entry per open object or array: whether it already holds a value.
    std::vector<bool> filled_;
    bool afterKey_ = false;
};

void appendEscaped(std::string& out, std::string_view text);

}  // namespace vertola::web
