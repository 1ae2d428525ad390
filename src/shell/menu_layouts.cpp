#include <array>

#include "shell/menus.h"

namespace vertola {

namespace {

constexpr Rgb kOrange{255, 192, 128};
constexpr Rgb kLilac{192, 192, 255};
constexpr Rgb kYellow{255, 255, 128};

constexpr std::array<ControlSpec, 6> kMainMenuControls{{
    {.name = "Picture1", .kind = Kind::Picture, .rect = {960, 360, 4695, 855}, .back = kOrange,
     .picture = "title", .accessibleName = "Operazioni in vertola"},
    {.name = "Picture2", .kind = Kind::Picture, .rect = {1800, 1440, 3015, 2415},
     .picture = "abacus", .accessibleName = "Pallottoliere"},
    {.name = "cmd999", .kind = Kind::Button, .rect = {1800, 4080, 1455, 1215}, .caption = "Entro il 999",
     .back = Rgb{128, 255, 255}, .font = kComic12, .align = Align::Center, .accessibleName = "Entro il 999"},
    {.name = "cmd9999", .kind = Kind::Button, .rect = {3360, 4080, 1455, 1215}, .caption = "Entro il 9.999",
     .back = Rgb{128, 255, 128}, .font = kComic12, .align = Align::Center, .accessibleName = "Entro il 9.999"},
    {.name = "cmdesci", .kind = Kind::PictureButton, .rect = {5760, 5040, 735, 735}, .back = kYellow,
     .picture = "exit", .pictureSide = 32, .tooltip = "Esci", .accessibleName = "Esci"},
    {.name = "Image1", .kind = Kind::Picture, .rect = {120, 5640, 1230, 165}, .picture = "pencil",
     .accessibleName = "Matita"},
}};
constexpr std::array<std::string_view, 5> kMainMenuTabs{"cmd999", "cmd9999", "cmdesci", "Picture1",
                                                        "Picture2"};

constexpr WindowLayout kMainMenu{
    .name = "frmuno",
    .caption = "Operazioni in vertola",
    .clientWidth = 6615,
    .clientHeight = 5895,
    .background = kOrange,
    .controls = kMainMenuControls,
    .tabOrder = kMainMenuTabs,
    .initialFocus = "cmd999",
    .cancelButton = "cmdesci",
    .mainWindow = true,
};

constexpr ControlSpec signButton(std::string_view name, Rect rect, std::string_view picture,
                                 std::string_view accessibleName) {
    return {.name = name, .kind = Kind::PictureButton, .rect = rect, .picture = picture,
            .accessibleName = accessibleName};
}

constexpr ControlSpec fineButton(Rect rect) {
    return {.name = "cmdesci", .kind = Kind::Button, .rect = rect, .caption = "&Fine", .accessibleName = "Fine"};
}

constexpr std::array<ControlSpec, 6> kMenu999Controls{{
    signButton("cmdadd", {480, 840, 1095, 1095}, "plus", "Addizioni"),
    signButton("cmdsott", {5040, 840, 1095, 1095}, "minus", "Sottrazioni"),
    signButton("cmdmolt", {480, 3240, 1095, 1095}, "times", "Moltiplicazioni"),
    signButton("cmddiv", {5040, 3240, 1095, 1095}, "divide", "Divisioni"),
    {.name = "Picture1", .kind = Kind::Picture, .rect = {2280, 840, 2055, 3495}, .back = kLilac,
     .picture = "menu999", .accessibleName = "Disegno"},
    fineButton({2880, 5160, 975, 375}),
}};
constexpr std::array<std::string_view, 6> kMenu999Tabs{"cmdesci", "cmdsott", "Picture1",
                                                       "cmdadd",  "cmdmolt", "cmddiv"};

constexpr WindowLayout kMenu999{
    .name = "frm999inizio",
    .caption = "Metto in vertola e calcolo entro il 999",
    .clientWidth = 6615,
    .clientHeight = 5895,
    .background = kLilac,
    .controls = kMenu999Controls,
    .tabOrder = kMenu999Tabs,
    .initialFocus = "cmdesci",
    .cancelButton = "cmdesci",
};

constexpr std::array<ControlSpec, 6> kMenu9999Controls{{
    {.name = "Picture1", .kind = Kind::Picture, .rect = {240, 240, 6135, 3135}, .back = kYellow,
     .picture = "menu9999", .accessibleName = "Disegno"},
    signButton("cmdadd", {360, 3720, 1095, 1095}, "plus", "Addizioni"),
    signButton("cmdsott", {1920, 3720, 1095, 1095}, "minus", "Sottrazioni"),
    signButton("cmdmolt", {3480, 3720, 1095, 1095}, "times", "Moltiplicazioni"),
    signButton("cmddiv", {5040, 3720, 1095, 1095}, "divide", "Divisioni"),
    fineButton({2880, 5280, 975, 375}),
}};
constexpr std::array<std::string_view, 6> kMenu9999Tabs{"cmdesci", "cmdsott", "cmdadd",
                                                        "cmdmolt", "cmddiv",  "Picture1"};

constexpr WindowLayout kMenu9999{
    .name = "frm9999inizio",
    .caption = "Metto in vertola e calcolo entro il 9.999",
    .clientWidth = 6615,
    .clientHeight = 5895,
    .background = kYellow,
    .controls = kMenu9999Controls,
    .tabOrder = kMenu9999Tabs,
    .initialFocus = "cmdesci",
    .cancelButton = "cmdesci",
};

constexpr std::array<ControlSpec, 3> kChooserControls{{
    {.name = "Label1", .kind = Kind::Label, .rect = {240, 240, 4335, 495},
     .caption = "Con 1 o 2 cifre al moltiplicatore?", .fore = kBlue, .back = kOrange, .font = kComic14,
     .align = Align::Center},
    {.name = "cmd1", .kind = Kind::Button, .rect = {720, 960, 1215, 375}, .caption = "1", .font = kComic12,
     .align = Align::Center, .accessibleName = "1 cifra"},
    {.name = "cmd2", .kind = Kind::Button, .rect = {2880, 960, 1215, 375}, .caption = "2", .font = kComic12,
     .align = Align::Center, .accessibleName = "2 cifre"},
}};
constexpr std::array<std::string_view, 2> kChooserTabs{"cmd1", "cmd2"};

constexpr WindowLayout kChooser{
    .name = "frm9999scelta",
    .caption = "Moltiplicazioni",
    .clientWidth = 4815,
    .clientHeight = 1590,
    .background = kOrange,
    .controls = kChooserControls,
    .tabOrder = kChooserTabs,
    .initialFocus = "cmd1",
};

}  // namespace

const WindowLayout& mainMenuLayout() { return kMainMenu; }
const WindowLayout& levelMenuLayout(Level level) { return level == Level::L999 ? kMenu999 : kMenu9999; }
const WindowLayout& chooserLayout() { return kChooser; }

}  // namespace vertola
