#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "fakes.h"
#include "frame/exercise_window.h"

using namespace vertola;

namespace {

std::vector<WindowId> exerciseWindows() {
    std::vector<WindowId> windows;
    for (WindowId id : kAllWindows)
        if (isExercise(id)) windows.push_back(id);
    return windows;
}

// The design a window is made with: its tables live as long as the program.
const ExerciseSpec& designOf(WindowId id) {
    const std::unique_ptr<Window> window = windowMaker().create(id);
    return dynamic_cast<const ExerciseWindow&>(*window).design();
}

// Every cell name a design hands to the frame, with the list it came from.
std::vector<std::pair<std::string, std::string_view>> cellsNamedBy(const Grid& grid) {
    std::vector<std::pair<std::string, std::string_view>> named;
    for (std::string_view cell : grid.resultCells()) named.emplace_back("resultCells", cell);
    for (std::string_view cell : grid.emptiedEveryCheck()) named.emplace_back("emptiedEveryCheck", cell);
    for (std::string_view cell : grid.emptiedAfterRight()) named.emplace_back("emptiedAfterRight", cell);
    const auto rows = grid.remainderRows();
    for (std::size_t row = 0; row < rows.size(); ++row)
        for (std::string_view cell : rows[row])
            named.emplace_back("remainderRows[" + std::to_string(row) + "]", cell);
    named.emplace_back("focusRight", grid.focusRight());
    named.emplace_back("focusWrong", grid.focusWrong());
    return named;
}

bool overlaps(const Rect& a, const Rect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

TEST(ExerciseUnits, EveryCellASpecNamesIsAVisibleTextBoxOfItsWindow) {
    ASSERT_EQ(exerciseWindows().size(), 9u);
    for (WindowId id : exerciseWindows()) {
        const WindowLayout& layout = layoutOf(id);
        const Grid& grid = designOf(id).grid;
        SCOPED_TRACE(layout.name);
        EXPECT_EQ(layout.name, windowName(id));
        EXPECT_FALSE(grid.resultCells().empty());
        for (const auto& [list, cell] : cellsNamedBy(grid)) {
            const ControlSpec* control = findControl(layout, cell);
            ASSERT_NE(control, nullptr) << list << ": " << cell;
            EXPECT_EQ(control->kind, Kind::TextBox) << list << ": " << cell;
            EXPECT_TRUE(control->visible) << list << ": " << cell;
        }
        const ControlSpec* check = findControl(layout, layout.checkButton);
        ASSERT_NE(check, nullptr) << layout.checkButton;
        EXPECT_EQ(check->kind, Kind::Button);
        for (std::string_view hidden : {"txtris", "txtrisg", "txtriss", "txttot", "txtc"}) {
            const ControlSpec* box = findControl(layout, hidden);
            ASSERT_NE(box, nullptr) << hidden;
            EXPECT_FALSE(box->visible) << hidden;
        }
        EXPECT_EQ(grid.remainderRows().empty(), rowOf(id).unit != Unit::Division);
        if (!grid.remainderRows().empty()) {
            ASSERT_NE(findControl(layout, "txtresto"), nullptr);
            for (const auto& row : grid.remainderRows()) EXPECT_TRUE(row.back().starts_with("txtparu"));
        }
    }
}

// The frame clicks one check button; each window keeps the name it was documented with.
TEST(ExerciseUnits, CheckButtonKeepsEachWindowsDocumentedName) {
    for (WindowId id : exerciseWindows()) {
        SCOPED_TRACE(std::string(windowName(id)));
        const WindowRow& row = rowOf(id);
        const std::string_view name = row.unit != Unit::Division ? "cmdconferma"
                                      : row.level == Level::L999 ? "Command1"
                                                                 : "cmdcontrolla";
        EXPECT_EQ(layoutOf(id).checkButton, name);
        const ControlSpec* button = findControl(layoutOf(id), name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->caption, "&Controlla");
    }
    for (WindowId id : kAllWindows) {
        if (isExercise(id)) continue;
        EXPECT_TRUE(layoutOf(id).checkButton.empty()) << windowName(id);
    }
}

TEST(ExerciseUnits, TabOrderWalksEveryCellAndButtonOnceAndEndsWithTheFrameButtons) {
    for (WindowId id : exerciseWindows()) {
        const WindowLayout& layout = layoutOf(id);
        SCOPED_TRACE(layout.name);
        std::set<std::string_view> inTabOrder;
        for (std::string_view name : layout.tabOrder) {
            EXPECT_TRUE(inTabOrder.insert(name).second) << "twice: " << name;
            EXPECT_NE(findControl(layout, name), nullptr) << name;
        }
        for (const ControlSpec& control : layout.controls) {
            const bool takesFocus =
                control.visible && (control.kind == Kind::TextBox || control.kind == Kind::Button);
            EXPECT_EQ(inTabOrder.count(control.name), takesFocus ? 1u : 0u) << control.name;
        }
        ASSERT_GE(layout.tabOrder.size(), 3u);
        const auto tail = layout.tabOrder.last(3);
        EXPECT_EQ(tail[0], layout.checkButton);
        EXPECT_EQ(tail[1], "cmdpunteggio");
        EXPECT_EQ(tail[2], "cmdfine");
        EXPECT_EQ(layout.initialFocus, layout.tabOrder.front());
        EXPECT_EQ(layout.initialFocus, designOf(id).grid.focusRight());
        EXPECT_EQ(layout.cancelButton, "cmdfine");
    }
}

TEST(ExerciseUnits, ControlNamesAreUniqueWithinAWindow) {
    for (WindowId id : exerciseWindows()) {
        const WindowLayout& layout = layoutOf(id);
        std::set<std::string_view> names;
        for (const ControlSpec& control : layout.controls)
            EXPECT_TRUE(names.insert(control.name).second) << layout.name << ": " << control.name;
    }
}

// Widgets are stacked in table order, so whatever the picture overlaps must come after it.
TEST(ExerciseUnits, ThePictureIsStackedBelowEveryControlItOverlaps) {
    for (WindowId id : exerciseWindows()) {
        const WindowLayout& layout = layoutOf(id);
        SCOPED_TRACE(layout.name);
        const auto picture = std::find_if(layout.controls.begin(), layout.controls.end(),
                                          [](const ControlSpec& c) { return c.name == "Picture1"; });
        ASSERT_NE(picture, layout.controls.end());
        for (auto control = layout.controls.begin(); control != picture; ++control) {
            if (control->visible && control->kind != Kind::Line) {
                EXPECT_FALSE(overlaps(control->rect, picture->rect)) << control->name;
            }
        }
    }
}

TEST(ExerciseUnits, ScoreButtonWritesTheWindowsCodeAndEndButtonOpensItsLevelMenu) {
    // The codes by which a score window tells which window asked, one per operation.
    const std::map<Unit, std::string> codes{{Unit::Addition, "1"},
                                            {Unit::Subtraction, "2"},
                                            {Unit::Multiplication, "3"},
                                            {Unit::Division, "4"},
                                            {Unit::Multiplication2, "5"}};
    struct Case {
        WindowId window;
        std::string code;
        WindowId score;
        WindowId levelMenu;
    };
    std::vector<Case> cases;
    for (WindowId id : exerciseWindows()) {
        const WindowRow& row = rowOf(id);
        cases.push_back({id, codes.at(row.unit), *windowOf(Unit::Score, row.level),
                         *windowOf(Unit::LevelMenu, row.level)});
    }
    ASSERT_EQ(cases.size(), codes.size() * 2 - 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(windowName(c.window)));
        fakes::Harness h;
        h.program.open(c.window);
        ASSERT_TRUE(h.program.click(c.window, "cmdpunteggio"));
        EXPECT_EQ(h.program.state(c.score), WindowState::Shown);
        EXPECT_EQ(h.program.state(c.window), WindowState::Hidden);
        EXPECT_EQ(h.program.window(c.window)->text("txtc"), c.code);

        h.program.open(c.window);
        ASSERT_TRUE(h.program.click(c.window, "cmdfine"));
        EXPECT_EQ(h.program.state(c.levelMenu), WindowState::Shown);
        EXPECT_EQ(h.program.state(c.window), WindowState::NotLoaded);
        EXPECT_EQ(h.program.state(*windowOf(Unit::Chooser, Level::L9999)), WindowState::NotLoaded);
    }
}

}  // namespace
