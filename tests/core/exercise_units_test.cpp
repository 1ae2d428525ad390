#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "exercises/exercises.h"
#include "fakes.h"

using namespace vertola;

namespace {

const std::vector<WindowId> kExerciseWindows{
    WindowId::frm999addizioni,  WindowId::frm999sottrazioni,     WindowId::frm999moltiplicazioni,
    WindowId::frm999divisioni,  WindowId::frm9999addizioni,      WindowId::frm9999sottrazioni,
    WindowId::frm9999moltiplicazioni, WindowId::frm9999moltiplicazioni2, WindowId::frm9999divisioni,
};

// Every cell name a design hands to the frame, with the list it came from.
std::vector<std::pair<std::string, std::string_view>> cellsNamedBy(const ExerciseSpec& design) {
    std::vector<std::pair<std::string, std::string_view>> named;
    for (std::string_view cell : design.resultCells) named.emplace_back("resultCells", cell);
    for (std::string_view cell : design.emptiedEveryCheck) named.emplace_back("emptiedEveryCheck", cell);
    for (std::string_view cell : design.emptiedAfterRight) named.emplace_back("emptiedAfterRight", cell);
    for (std::size_t row = 0; row < design.remainderRows.size(); ++row)
        for (std::string_view cell : design.remainderRows[row])
            named.emplace_back("remainderRows[" + std::to_string(row) + "]", cell);
    named.emplace_back("focusRight", design.focusRight);
    named.emplace_back("focusWrong", design.focusWrong);
    return named;
}

bool overlaps(const Rect& a, const Rect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

TEST(ExerciseUnits, EveryCellASpecNamesIsAVisibleTextBoxOfItsWindow) {
    for (WindowId id : kExerciseWindows) {
        const ExerciseUnit unit = *exerciseUnit(id);
        SCOPED_TRACE(unit.layout.name);
        EXPECT_EQ(unit.design.id, id);
        EXPECT_EQ(unit.layout.name, windowName(id));
        for (const auto& [list, cell] : cellsNamedBy(unit.design)) {
            const ControlSpec* control = findControl(unit.layout, cell);
            ASSERT_NE(control, nullptr) << list << ": " << cell;
            EXPECT_EQ(control->kind, Kind::TextBox) << list << ": " << cell;
            EXPECT_TRUE(control->visible) << list << ": " << cell;
        }
        const ControlSpec* check = findControl(unit.layout, unit.layout.checkButton);
        ASSERT_NE(check, nullptr) << unit.layout.checkButton;
        EXPECT_EQ(check->kind, Kind::Button);
        for (std::string_view hidden : {"txtris", "txtrisg", "txtriss", "txttot", "txtc"}) {
            const ControlSpec* box = findControl(unit.layout, hidden);
            ASSERT_NE(box, nullptr) << hidden;
            EXPECT_FALSE(box->visible) << hidden;
        }
        if (!unit.design.remainderRows.empty()) {
            ASSERT_NE(findControl(unit.layout, "txtresto"), nullptr);
            for (RemainderRow row : unit.design.remainderRows) EXPECT_TRUE(row.back().starts_with("txtparu"));
        }
    }
}

// The frame clicks one check button; each window keeps the name it was documented with.
TEST(ExerciseUnits, CheckButtonKeepsEachWindowsDocumentedName) {
    const std::vector<std::pair<WindowId, std::string_view>> cases{
        {WindowId::frm999addizioni, "cmdconferma"},        {WindowId::frm999sottrazioni, "cmdconferma"},
        {WindowId::frm999moltiplicazioni, "cmdconferma"},  {WindowId::frm999divisioni, "Command1"},
        {WindowId::frm9999addizioni, "cmdconferma"},       {WindowId::frm9999sottrazioni, "cmdconferma"},
        {WindowId::frm9999moltiplicazioni, "cmdconferma"}, {WindowId::frm9999moltiplicazioni2, "cmdconferma"},
        {WindowId::frm9999divisioni, "cmdcontrolla"},
    };
    for (const auto& [id, name] : cases) {
        SCOPED_TRACE(std::string(windowName(id)));
        EXPECT_EQ(layoutOf(id).checkButton, name);
        const ControlSpec* button = findControl(layoutOf(id), name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->caption, "&Controlla");
    }
    for (WindowId id : kAllWindows) {
        if (exerciseUnit(id)) continue;
        EXPECT_TRUE(layoutOf(id).checkButton.empty()) << windowName(id);
    }
}

TEST(ExerciseUnits, TabOrderWalksEveryCellAndButtonOnceAndEndsWithTheFrameButtons) {
    for (WindowId id : kExerciseWindows) {
        const ExerciseUnit unit = *exerciseUnit(id);
        const WindowLayout& layout = unit.layout;
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
        EXPECT_EQ(tail[0], unit.layout.checkButton);
        EXPECT_EQ(tail[1], "cmdpunteggio");
        EXPECT_EQ(tail[2], "cmdfine");
        EXPECT_EQ(layout.initialFocus, layout.tabOrder.front());
        EXPECT_EQ(layout.initialFocus, unit.design.focusRight);
        EXPECT_EQ(layout.cancelButton, "cmdfine");
    }
}

TEST(ExerciseUnits, ControlNamesAreUniqueWithinAWindow) {
    for (WindowId id : kExerciseWindows) {
        const WindowLayout& layout = exerciseUnit(id)->layout;
        std::set<std::string_view> names;
        for (const ControlSpec& control : layout.controls)
            EXPECT_TRUE(names.insert(control.name).second) << layout.name << ": " << control.name;
    }
}

// Widgets are stacked in table order, so whatever the picture overlaps must come after it.
TEST(ExerciseUnits, ThePictureIsStackedBelowEveryControlItOverlaps) {
    for (WindowId id : kExerciseWindows) {
        const WindowLayout& layout = exerciseUnit(id)->layout;
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
    struct Case {
        WindowId window;
        std::string code;
        WindowId score;
        WindowId levelMenu;
    };
    const std::vector<Case> cases{
        {WindowId::frm999addizioni, "1", WindowId::frm999punteggio, WindowId::frm999inizio},
        {WindowId::frm999sottrazioni, "2", WindowId::frm999punteggio, WindowId::frm999inizio},
        {WindowId::frm999moltiplicazioni, "3", WindowId::frm999punteggio, WindowId::frm999inizio},
        {WindowId::frm999divisioni, "4", WindowId::frm999punteggio, WindowId::frm999inizio},
        {WindowId::frm9999addizioni, "1", WindowId::frm9999punteggio, WindowId::frm9999inizio},
        {WindowId::frm9999sottrazioni, "2", WindowId::frm9999punteggio, WindowId::frm9999inizio},
        {WindowId::frm9999moltiplicazioni, "3", WindowId::frm9999punteggio, WindowId::frm9999inizio},
        {WindowId::frm9999moltiplicazioni2, "5", WindowId::frm9999punteggio, WindowId::frm9999inizio},
        {WindowId::frm9999divisioni, "4", WindowId::frm9999punteggio, WindowId::frm9999inizio},
    };
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
        EXPECT_EQ(h.program.state(WindowId::frm9999scelta), WindowState::NotLoaded);
    }
}

}  // namespace
