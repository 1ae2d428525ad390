#include <gtest/gtest.h>

#include <string>

#include "web/bridge/json_writer.h"

using vertola::web::JsonWriter;

namespace {

std::string written(std::string_view text) {
    JsonWriter json;
    json.string(text);
    return json.take();
}

TEST(JsonWriter, EscapesQuotesBackslashesAndControlBytes) {
    struct Case {
        std::string text;
        std::string json;
    };
    const Case cases[] = {
        {"", R"("")"},
        {"12", R"("12")"},
        {"a\"b", R"("a\"b")"},
        {"a\\b", R"("a\\b")"},
        {"\\\"", R"("\\\"")"},
        {"\n\r\t", R"("\u000a\u000d\u0009")"},
        {std::string("1\0"
                     "2",
                     3),
         R"("1\u00002")"},
        {"\x01\x1f", R"("\u0001\u001f")"},
        // DEL and everything from 0x80 are left as they are: the texts are UTF-8.
        {"\x7f", "\"\x7f\""},
        {"unità, risultato", "\"unità, risultato\""},
        {"/", R"("/")"},
    };
    for (const Case& c : cases) EXPECT_EQ(written(c.text), c.json) << c.text;
}

TEST(JsonWriter, MegabyteOfQuotesDoublesInLength) {
    const std::string text(1 << 20, '"');
    const std::string json = written(text);
    ASSERT_EQ(json.size(), 2 * text.size() + 2);
    EXPECT_EQ(json.find_first_not_of("\\\"", 1), std::string::npos);
    EXPECT_EQ(json.substr(json.size() - 3), "\\\"\"");
}

TEST(JsonWriter, NumbersKeepThreeDecimalsWithoutTrailingZeros) {
    struct Case {
        double value;
        std::string json;
    };
    const Case cases[] = {
        {0, "0"},         {8.25, "8.25"}, {13.5, "13.5"},    {-0.5, "-0.5"}, {-1234.5, "-1234.5"},
        {14250, "14250"}, {0.0004, "0"},  {1.0006, "1.001"}, {-7, "-7"},
    };
    for (const Case& c : cases) {
        JsonWriter json;
        json.number(c.value);
        EXPECT_EQ(json.str(), c.json) << c.value;
    }
}

TEST(JsonWriter, PlacesCommasBetweenMembersAndElements) {
    JsonWriter json;
    json.beginObject();
    json.key("a")
        .beginArray()
        .integer(1)
        .integer(-2)
        .beginObject()
        .endObject()
        .beginArray()
        .endArray()
        .endArray();
    json.key("b").null();
    json.key("c").beginObject().key("d").boolean(true).key("e").boolean(false).endObject();
    json.endObject();
    EXPECT_EQ(json.str(), R"({"a":[1,-2,{},[]],"b":null,"c":{"d":true,"e":false}})");
}

}  // namespace
