#include "web/bridge/bridge.h"

#include "web/bridge/json_writer.h"

namespace vertola::web {

namespace {

std::string_view kindName(Kind kind) {
    switch (kind) {
        case Kind::Label: return "Label";
        case Kind::Button: return "Button";
        case Kind::PictureButton: return "PictureButton";
        case Kind::TextBox: return "TextBox";
        case Kind::Line: return "Line";
        case Kind::Picture: return "Picture";
    }
    return "Label";
}

std::string_view alignName(Align align) {
    switch (align) {
        case Align::Left: return "Left";
        case Align::Center: return "Center";
        case Align::Right: return "Right";
    }
    return "Left";
}

std::string_view stateName(WindowState state) { return state == WindowState::Shown ? "shown" : "hidden"; }

void writeColour(JsonWriter& json, std::optional<Rgb> colour) {
    if (!colour) {
        json.null();
        return;
    }
    json.beginArray().integer(colour->r).integer(colour->g).integer(colour->b).endArray();
}

void writeControlSpec(JsonWriter& json, const ControlSpec& design) {
    json.beginObject();
    json.key("name").string(design.name);
    json.key("kind").string(kindName(design.kind));
    json.key("rect").beginArray();
    json.integer(design.rect.left)
        .integer(design.rect.top)
        .integer(design.rect.width)
        .integer(design.rect.height);
    json.endArray();
    json.key("caption").string(design.caption);
    json.key("fore");
    writeColour(json, design.fore);
    json.key("back");
    writeColour(json, design.back);
    json.key("font").beginObject();
    json.key("family").string(design.font.family);
    json.key("points").number(design.font.points);
    json.key("bold").boolean(design.font.bold);
    json.key("italic").boolean(design.font.italic);
    json.endObject();
    json.key("align").string(alignName(design.align));
    json.key("visible").boolean(design.visible);
    json.key("picture").string(design.picture);
    json.key("iconSide").integer(iconSide(design));
    json.key("announced").boolean(announced(design));
    json.key("tooltip").string(design.tooltip);
    json.key("accessibleName").string(design.accessibleName);
    json.key("labelledBy").string(design.labelledBy);
    json.endObject();
}

std::string_view unitName(Unit unit) {
    switch (unit) {
        case Unit::MainMenu: return "MainMenu";
        case Unit::LevelMenu: return "LevelMenu";
        case Unit::Chooser: return "Chooser";
        case Unit::Addition: return "Addition";
        case Unit::Subtraction: return "Subtraction";
        case Unit::Multiplication: return "Multiplication";
        case Unit::Multiplication2: return "Multiplication2";
        case Unit::Division: return "Division";
        case Unit::Score: return "Score";
    }
    return "";
}

// A window's row of the registry and its table: what it is, its level, its score code and the
// menu button that opens it, then how it is drawn.
void writeTable(JsonWriter& json, WindowId id) {
    const WindowRow& row = rowOf(id);
    const WindowLayout& layout = layoutOf(id);
    json.beginObject();
    json.key("name").string(layout.name);
    json.key("unit").string(unitName(row.unit));
    json.key("level");
    if (row.level)
        json.integer(*row.level == Level::L999 ? 999 : 9999);
    else
        json.null();
    json.key("scoreCode").integer(row.scoreCode);
    json.key("opener");
    if (row.opener)
        json.beginObject()
            .key("window")
            .string(windowName(row.opener->menu))
            .key("button")
            .string(row.opener->button)
            .endObject();
    else
        json.null();
    json.key("caption").string(layout.caption);
    json.key("clientWidth").integer(layout.clientWidth);
    json.key("clientHeight").integer(layout.clientHeight);
    json.key("background");
    writeColour(json, layout.background);
    json.key("mainWindow").boolean(layout.mainWindow);
    json.key("cancelButton").string(layout.cancelButton);
    json.key("checkButton").string(layout.checkButton);
    json.key("initialFocus").string(layout.initialFocus);
    json.key("tabOrder").beginArray();
    for (std::string_view name : layout.tabOrder) json.string(name);
    json.endArray();
    json.key("controls").beginArray();
    for (const ControlSpec& design : layout.controls) writeControlSpec(json, design);
    json.endArray();
    json.endObject();
}

}  // namespace

Bridge::Bridge() : random_(clock_.timeOfDayNanos()) {}

Bridge::~Bridge() = default;

std::string Bridge::layouts() {
    JsonWriter json;
    json.beginArray();
    for (WindowId id : kAllWindows) writeTable(json, id);
    json.endArray();
    return json.take();
}

std::string Bridge::units() {
    JsonWriter json;
    json.beginObject().key("twipsPerPixel").integer(kTwipsPerPixel).endObject();
    return json.take();
}

std::string Bridge::centred(std::string_view window, SizeTwips screen, SizeTwips frame) {
    JsonWriter json;
    const std::optional<WindowId> id = windowByName(window);
    if (!id) return json.null().take();
    const PositionTwips position = centredPosition(screen, frame, layoutOf(*id));
    json.beginObject().key("left").number(position.left).key("top").number(position.top).endObject();
    return json.take();
}

std::string Bridge::start(SizeTwips screen, SizeTwips frame) {
    setScreen(screen, frame);
    // A program that has ended stays ended; starting again means a new one. The timers' records
    // live on, so their start counts keep growing for the page.
    program_.reset();
    for (WindowId id : kAllWindows) timers_.stop(id);
    program_ = std::make_unique<Program>(Services{clock_, random_, timers_, beeper_, screen_}, windowMaker());
    beeper_.count = 0;
    program_->start();
    told_ = {};
    return answer(beeper_.count);
}

void Bridge::setScreen(SizeTwips screen, SizeTwips frame) {
    screen_.screen = screen;
    screen_.frame = frame;
}

template <typename Event>
std::string Bridge::run(std::string_view window, Event event) {
    beeper_.count = 0;
    const std::optional<WindowId> id = windowByName(window);
    if (program_ && id) event(*program_, *id);
    return answer(beeper_.count);
}

std::string Bridge::click(std::string_view window, std::string_view control) {
    return run(window, [control](Program& program, WindowId id) { program.click(id, control); });
}

std::string Bridge::edit(std::string_view window, std::string_view control, std::string_view text) {
    return run(window, [this, control, text](Program& program, WindowId id) {
        if (!program.edit(id, control, text)) return;
        // The page sent this text: it holds it already, exactly as the pupil typed it.
        const Window& edited = *program.window(id);
        const auto& designs = edited.layout().controls;
        ToldWindow& told = told_[indexOf(id)];
        for (std::size_t i = 0; i < designs.size() && i < told.controls.size(); ++i)
            if (designs[i].name == control) told.controls[i].textStamp = edited.textStamp(i);
    });
}

std::string Bridge::escape(std::string_view window) {
    return run(window, [](Program& program, WindowId id) { program.escape(id); });
}

std::string Bridge::closeBox(std::string_view window) {
    return run(window, [](Program& program, WindowId id) { program.closeBox(id); });
}

std::string Bridge::tick(std::string_view window) {
    return run(window, [](Program& program, WindowId id) { program.tick(id); });
}

std::string Bridge::focusIn(std::string_view window, std::string_view control) {
    return run(window, [control](Program& program, WindowId id) { program.focusIn(id, control); });
}

std::string Bridge::resend(std::string_view window, std::string_view control) {
    return run(window, [this, control](Program& program, WindowId id) {
        if (program.state(id) == WindowState::NotLoaded) return;
        const auto& designs = program.window(id)->layout().controls;
        ToldWindow& told = told_[indexOf(id)];
        for (std::size_t i = 0; i < designs.size() && i < told.controls.size(); ++i)
            if (designs[i].name == control) told.controls[i].textStamp = 0;
    });
}

std::string Bridge::state() {
    told_ = {};
    return answer(0);
}

// One loaded window: its name, and what differs from what the page was told, which is then what
// the page holds. A window the page does not hold yet comes whole.
void Bridge::writeWindow(JsonWriter& json, WindowId id) {
    const Window& window = *program_->window(id);
    ToldWindow& told = told_[indexOf(id)];
    const bool whole = !told.listed;
    json.beginObject();
    json.key("name").string(windowName(id));
    const WindowState state = program_->state(id);
    if (whole || state != told.state) json.key("state").string(stateName(state));
    const PositionTwips position = window.position();
    if (whole || position.left != told.position.left || position.top != told.position.top) {
        json.key("left").number(position.left);
        json.key("top").number(position.top);
    }
    const unsigned raises = program_->raiseRequests(id);
    if (whole || raises != told.raises) json.key("raises").integer(raises);
    if (whole || window.focus() != told.focus) json.key("focus").string(window.focus());
    if (whole || window.focusRequests() != told.focusRequests)
        json.key("focusRequests").integer(window.focusRequests());
    told.listed = true;
    told.state = state;
    told.position = position;
    told.raises = raises;
    told.focus = std::string(window.focus());
    told.focusRequests = window.focusRequests();

    const auto& designs = window.layout().controls;
    const auto& controls = window.controls();
    told.controls.resize(controls.size());
    bool opened = false;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        ToldControl& was = told.controls[i];
        const ControlState& now = controls[i];
        const bool text = whole || window.textStamp(i) != was.textStamp;
        const bool fore = whole || now.fore != was.fore;
        const bool visible = whole || now.visible != was.visible;
        if (!text && !fore && !visible) continue;
        if (!opened) json.key("controls").beginArray();
        opened = true;
        json.beginObject();
        json.key("name").string(designs[i].name);
        if (text) json.key("text").string(now.text);
        if (fore) {
            json.key("fore");
            writeColour(json, now.fore);
        }
        if (visible) json.key("visible").boolean(now.visible);
        json.endObject();
        was = {window.textStamp(i), now.fore, now.visible};
    }
    if (opened) json.endArray();
    json.endObject();
}

std::string Bridge::answer(unsigned beeps) {
    JsonWriter json;
    json.beginObject();
    json.key("ended").boolean(program_ && program_->ended());
    json.key("beeps").integer(beeps);
    json.key("timers").beginObject();
    for (WindowId id : kAllWindows) {
        const RecordedTimers::Record& record = timers_.record(id);
        if (!record.everStarted) continue;
        json.key(windowName(id)).beginObject();
        json.key("running").boolean(record.running);
        json.key("intervalMs").integer(record.intervalMs);
        json.key("starts").integer(record.starts);
        json.endObject();
    }
    json.endObject();
    json.key("windows").beginArray();
    for (WindowId id : kAllWindows) {
        if (program_ && program_->state(id) != WindowState::NotLoaded)
            writeWindow(json, id);
        else
            told_[indexOf(id)] = {};
    }
    json.endArray();
    json.endObject();
    return json.take();
}

}  // namespace vertola::web
