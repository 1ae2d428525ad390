#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <string>

#include "program/windows.h"
#include "web/bridge/exports.h"
#include "web/bridge/json_writer.h"

namespace {

using namespace vertola;

constexpr int kScreenW = 1280 * kTwipsPerPixel;
constexpr int kScreenH = 800 * kTwipsPerPixel;
constexpr int kFrameW = 2 * kTwipsPerPixel;
constexpr int kFrameH = 31 * kTwipsPerPixel;

std::string start() { return vt_start(kScreenW, kScreenH, kFrameW, kFrameH); }

std::string windowStart(std::string_view name) {
    return "{\"name\":\"" + std::string(name) + "\",\"state\":";
}

bool listed(const std::string& state, std::string_view name) {
    return state.find(windowStart(name)) != std::string::npos;
}

bool shown(const std::string& state, std::string_view name) {
    return state.find(windowStart(name) + "\"shown\"") != std::string::npos;
}

// One window's part of the state; window names are the only ones that begin with "frm".
std::string windowJson(const std::string& state, std::string_view name) {
    const std::size_t at = state.find("{\"name\":\"" + std::string(name) + "\"");
    if (at == std::string::npos) return {};
    return state.substr(at, state.find("{\"name\":\"frm", at + 1) - at);
}

// The feedback timer's start count of a window, or -1 when its timer never started.
int timerStarts(const std::string& state, std::string_view window) {
    const std::regex pattern("\"" + std::string(window) +
                             "\":\\{\"running\":(true|false),\"intervalMs\":3000,\"starts\":(\\d+)\\}");
    std::smatch match;
    if (!std::regex_search(state, match, pattern)) return -1;
    return std::stoi(match[2]);
}

std::string toAddition() {
    start();
    vt_click("frmuno", "cmd999");
    return vt_click("frm999inizio", "cmdadd");
}

TEST(WebBridge, StartShowsTheMainMenuCentredWithTheFrame) {
    const std::string state = start();
    EXPECT_TRUE(shown(state, "frmuno"));
    EXPECT_NE(state.find("\"ended\":false,\"beeps\":0,\"timers\":{},\"windows\":["), std::string::npos);
    const WindowLayout& layout = layoutOf(WindowId::frmuno);
    web::JsonWriter left;
    left.number((kScreenW - (layout.clientWidth + kFrameW)) / 2.0);
    web::JsonWriter top;
    top.number((kScreenH - (layout.clientHeight + kFrameH)) / 2.0);
    EXPECT_NE(state.find("\"left\":" + left.str() + ",\"top\":" + top.str() + ",\"raises\":1"),
              std::string::npos)
        << state.substr(0, 200);
}

TEST(WebBridge, LevelButtonOpensTheLevelMenuAndClosesTheMainMenu) {
    start();
    const std::string state = vt_click("frmuno", "cmd999");
    EXPECT_TRUE(shown(state, "frm999inizio"));
    EXPECT_FALSE(listed(state, "frmuno"));
}

TEST(WebBridge, EventsOnUnknownNamesChangeNothing) {
    start();
    // Every loaded window by name, and nothing of it, since nothing changed.
    const std::string unchanged = R"({"ended":false,"beeps":0,"timers":{},"windows":[{"name":"frmuno"}]})";
    EXPECT_EQ(vt_click("frmnessuna", "cmd999"), unchanged);
    EXPECT_EQ(vt_click("frmuno", "cmdnessuno"), unchanged);
    EXPECT_EQ(vt_escape(""), unchanged);
    EXPECT_EQ(vt_click(nullptr, nullptr), unchanged);
    EXPECT_EQ(vt_edit("frmuno", "cmd999", "5"), unchanged);
}

TEST(WebBridge, EachCheckRestartsTheFeedbackTimerAndAWrongOneBeeps) {
    const std::string opened = toAddition();
    EXPECT_TRUE(shown(opened, "frm999addizioni"));
    EXPECT_EQ(timerStarts(opened, "frm999addizioni"), -1);

    vt_edit("frm999addizioni", "txturis", "x");
    const std::string first = vt_click("frm999addizioni", "cmdconferma");
    const int startsAfterFirst = timerStarts(first, "frm999addizioni");
    EXPECT_GT(startsAfterFirst, 0);
    EXPECT_NE(first.find("\"beeps\":1,"), std::string::npos);
    EXPECT_NE(first.find("\"focus\":\"txturis\""), std::string::npos);

    const std::string second = vt_click("frm999addizioni", "cmdconferma");
    EXPECT_EQ(timerStarts(second, "frm999addizioni"), startsAfterFirst + 1);
    // The state between events reports no beeps, so the page never plays one twice.
    EXPECT_NE(std::string(vt_state()).find("\"beeps\":0,"), std::string::npos);
}

TEST(WebBridge, TickBlanksTheMessage) {
    toAddition();
    const std::string checked = windowJson(vt_click("frm999addizioni", "cmdconferma"), "frm999addizioni");
    ASSERT_FALSE(checked.empty());
    EXPECT_NE(checked.find("{\"name\":\"lblmessaggio\",\"text\":\"Sbagliato! Ripeti\""), std::string::npos);
    const std::string ticked = windowJson(vt_tick("frm999addizioni"), "frm999addizioni");
    EXPECT_NE(ticked.find("{\"name\":\"lblmessaggio\",\"text\":\"\""), std::string::npos);
}

// What an answer says of the cell "txturis" after each step, from the addition window just opened:
// a text the page sent is not sent back, one the core set is.
TEST(WebBridge, AnAnswerCarriesOnlyWhatChangedSinceThePageWasLastTold) {
    enum class Cell { Absent, Blank };
    const struct {
        const char* step;
        std::function<std::string()> event;
        Cell cell;
        bool messageText;
    } steps[] = {
        {"typed", [] { return std::string(vt_edit("frm999addizioni", "txturis", "9588")); }, Cell::Absent,
         false},
        {"focus moved", [] { return std::string(vt_focus_in("frm999addizioni", "cmdconferma")); },
         Cell::Absent, false},
        // A wrong check empties the cells the core empties at every check, the result among them.
        {"checked", [] { return std::string(vt_click("frm999addizioni", "cmdconferma")); }, Cell::Blank,
         true},
        {"ticked", [] { return std::string(vt_tick("frm999addizioni")); }, Cell::Absent, true},
        {"ticked again", [] { return std::string(vt_tick("frm999addizioni")); }, Cell::Absent, true},
        {"typed again", [] { return std::string(vt_edit("frm999addizioni", "txturis", "12")); }, Cell::Absent,
         false},
        {"asked for again", [] { return std::string(vt_resend("frm999addizioni", "txturis")); }, Cell::Absent,
         false},
    };
    toAddition();
    for (const auto& step : steps) {
        const std::string window = windowJson(step.event(), "frm999addizioni");
        ASSERT_FALSE(window.empty()) << step.step;
        const bool listed = window.find("{\"name\":\"txturis\"") != std::string::npos;
        const bool blank = window.find("{\"name\":\"txturis\",\"text\":\"\"") != std::string::npos;
        if (std::string_view(step.step) == "asked for again") {
            EXPECT_NE(window.find("{\"name\":\"txturis\",\"text\":\"12\"}"), std::string::npos) << window;
            continue;
        }
        EXPECT_EQ(listed, step.cell != Cell::Absent) << step.step << ": " << window;
        EXPECT_EQ(blank, step.cell == Cell::Blank) << step.step << ": " << window;
        EXPECT_EQ(window.find("{\"name\":\"lblmessaggio\",\"text\":") != std::string::npos, step.messageText)
            << step.step << ": " << window;
        // The window's own values come only when they change.
        EXPECT_EQ(window.find("\"left\":"), std::string::npos) << step.step;
    }
}

TEST(WebBridge, AMegabyteTypedIntoACellIsNotSentBackButTheWholeStateCarriesIt) {
    toAddition();
    std::string text;
    for (int i = 0; i < (1 << 19); ++i) text += i % 2 ? "\"" : "7\n";
    const std::string answer = vt_edit("frm999addizioni", "txturis", text.c_str());
    EXPECT_LT(answer.size(), 1000u);
    const std::string other = vt_click("frm999addizioni", "cmdpunteggio");
    EXPECT_LT(other.size(), 10000u);
    std::string escaped;
    web::appendEscaped(escaped, text);
    EXPECT_NE(std::string(vt_state()).find("{\"name\":\"txturis\",\"text\":" + escaped + ","),
              std::string::npos);
}

TEST(WebBridge, ATextWithItsLengthKeepsEveryNulInIt) {
    using namespace std::string_literals;
    const struct {
        std::string typed;
        std::string shown;
    } cases[] = {
        {"12\0"
         "34"s,
         "\"12\\u000034\""},
        {"\0"s, "\"\\u0000\""},
        {"7\0\0"s, "\"7\\u0000\\u0000\""},
        {""s, "\"\""},
    };
    for (const auto& c : cases) {
        toAddition();
        vt_edit_bytes("frm999addizioni", "txturis", c.typed.data(), static_cast<int>(c.typed.size()));
        const std::string state = windowJson(vt_state(), "frm999addizioni");
        EXPECT_NE(state.find("{\"name\":\"txturis\",\"text\":" + c.shown + ","), std::string::npos)
            << c.shown;
    }
    // No text at all blanks the cell, as an empty one does.
    vt_edit("frm999addizioni", "txturis", "5");
    vt_edit_bytes("frm999addizioni", "txturis", nullptr, 0);
    const std::string blanked = windowJson(vt_state(), "frm999addizioni");
    EXPECT_NE(blanked.find("{\"name\":\"txturis\",\"text\":\"\","), std::string::npos);
}

TEST(WebBridge, EndingRemovesEveryWindowAndStartBeginsAfresh) {
    start();
    const std::string ended = vt_click("frmuno", "cmdesci");
    EXPECT_NE(ended.find("\"ended\":true"), std::string::npos);
    EXPECT_NE(ended.find("\"windows\":[]"), std::string::npos);
    EXPECT_EQ(vt_click("frmuno", "cmd999"), ended);
    const std::string again = start();
    EXPECT_TRUE(shown(again, "frmuno"));
    EXPECT_NE(again.find("\"ended\":false"), std::string::npos);
}

std::string valueAfter(const std::string& json, std::size_t at, std::string_view key);

// Each window in its row's order, with what its row says of it and then its table.
TEST(WebBridge, LayoutsListEveryWindowInOrderFromItsRowAndTable) {
    const std::string layouts = vt_layouts();
    std::size_t from = 0;
    for (WindowId id : kAllWindows) {
        const WindowLayout& layout = layoutOf(id);
        const WindowRow& row = rowOf(id);
        const std::size_t at = layouts.find("{\"name\":\"" + std::string(layout.name) + "\",\"unit\":", from);
        ASSERT_NE(at, std::string::npos) << layout.name;
        from = at + 1;
        web::JsonWriter caption;
        caption.string(layout.caption);
        EXPECT_EQ(valueAfter(layouts, at, "caption"), caption.str()) << layout.name;
        EXPECT_EQ(valueAfter(layouts, at, "scoreCode"), std::to_string(row.scoreCode)) << layout.name;
        EXPECT_EQ(valueAfter(layouts, at, "level"), !row.level                  ? "null"
                                                    : *row.level == Level::L999 ? "999"
                                                                                : "9999")
            << layout.name;
        if (row.opener)
            EXPECT_EQ(valueAfter(layouts, at, "opener"),
                      "{\"window\":\"" + std::string(windowName(row.opener->menu)) + "\"")
                << layout.name;
        else
            EXPECT_EQ(valueAfter(layouts, at, "opener"), "null") << layout.name;
        for (const ControlSpec& control : layout.controls)
            EXPECT_NE(layouts.find("{\"name\":\"" + std::string(control.name) + "\",\"kind\":", at),
                      std::string::npos)
                << layout.name << " " << control.name;
    }
}

// The raw value that follows `"key":` after `at` in a JSON text, up to the next comma or brace.
std::string valueAfter(const std::string& json, std::size_t at, std::string_view key) {
    const std::string quoted = "\"" + std::string(key) + "\":";
    const std::size_t from = json.find(quoted, at);
    if (from == std::string::npos) return {};
    const std::size_t start = from + quoted.size();
    return json.substr(start, json.find_first_of(",}", start) - start);
}

// The rules the page draws by come from the core: each control's icon side, whether it is read
// out and the label it is read with, each window's check button.
TEST(WebBridge, LayoutsCarryTheCoresIconSidesAnnouncedLabelsAndCheckButtons) {
    const std::string layouts = vt_layouts();
    for (WindowId id : kAllWindows) {
        const WindowLayout& layout = layoutOf(id);
        const std::string window = windowJson(layouts, layout.name);
        ASSERT_FALSE(window.empty()) << layout.name;
        EXPECT_EQ(valueAfter(window, 0, "checkButton"), "\"" + std::string(layout.checkButton) + "\"")
            << layout.name;
        for (const ControlSpec& control : layout.controls) {
            SCOPED_TRACE(std::string(layout.name) + "." + std::string(control.name));
            const std::size_t at = window.find("{\"name\":\"" + std::string(control.name) + "\",\"kind\":");
            ASSERT_NE(at, std::string::npos);
            EXPECT_EQ(valueAfter(window, at, "iconSide"), std::to_string(iconSide(control)));
            EXPECT_EQ(valueAfter(window, at, "announced"), announced(control) ? "true" : "false");
            EXPECT_EQ(valueAfter(window, at, "labelledBy"), "\"" + std::string(control.labelledBy) + "\"");
        }
    }
    const std::string menu = windowJson(layouts, "frmuno");
    EXPECT_EQ(valueAfter(menu, menu.find("{\"name\":\"cmdesci\""), "iconSide"), "32");
}

TEST(WebBridge, UnitsAndCentringAreTheCores) {
    EXPECT_EQ(std::string(vt_units()), "{\"twipsPerPixel\":" + std::to_string(kTwipsPerPixel) + "}");
    struct Case {
        WindowId window;
        SizeTwips screen;
        SizeTwips frame;
    };
    // An odd difference gives a half twip; a screen smaller than the window a negative place.
    const Case cases[] = {{WindowId::frmuno, {kScreenW, kScreenH}, {kFrameW, kFrameH}},
                          {WindowId::frm999addizioni, {19201, 12001}, {90, 450}},
                          {WindowId::frm9999punteggio, {300, 200}, {0, 0}}};
    for (const Case& c : cases) {
        const PositionTwips where = centredPosition(c.screen, c.frame, layoutOf(c.window));
        web::JsonWriter expected;
        expected.beginObject().key("left").number(where.left).key("top").number(where.top).endObject();
        EXPECT_EQ(vt_centred(std::string(windowName(c.window)).c_str(), c.screen.width, c.screen.height,
                             c.frame.width, c.frame.height),
                  expected.str())
            << windowName(c.window);
    }
    EXPECT_EQ(std::string(vt_centred("frmnessuna", kScreenW, kScreenH, kFrameW, kFrameH)), "null");
}

}  // namespace
