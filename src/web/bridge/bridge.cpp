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
    json.integer(design.rect.left).integer(design.rect.top).integer(design.rect.width).integer(design.rect.height);
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
    json.key("tooltip").string(design.tooltip);
    json.key("accessibleName").string(design.accessibleName);
    json.endObject();
}

void writeLayout(JsonWriter& json, const WindowLayout& layout) {
    json.beginObject();
    json.key("name").string(layout.name);
    json.key("caption").string(layout.caption);
    json.key("clientWidth").integer(layout.clientWidth);
    json.key("clientHeight").integer(layout.clientHeight);
    json.key("background");
    writeColour(json, layout.background);
    json.key("mainWindow").boolean(layout.mainWindow);
    json.key("cancelButton").string(layout.cancelButton);
    json.key("initialFocus").string(layout.initialFocus);
    json.key("tabOrder").beginArray();
    for (std::string_view name : layout.tabOrder) json.string(name);
    json.endArray();
    json.key("controls").beginArray();
    for (const ControlSpec& design : layout.controls) writeControlSpec(json, design);
    json.endArray();
    json.endObject();
}

void writeWindow(JsonWriter& json, const Program& program, WindowId id) {
    const Window& window = *program.window(id);
    json.beginObject();
    json.key("name").string(windowName(id));
    json.key("state").string(stateName(program.state(id)));
    json.key("left").number(window.position().left);
    json.key("top").number(window.position().top);
    json.key("raises").integer(program.raiseRequests(id));
    json.key("focus").string(window.focus());
    json.key("focusRequests").integer(window.focusRequests());
    json.key("controls").beginArray();
    const auto& designs = window.layout().controls;
    const auto& controls = window.controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        json.beginObject();
        json.key("name").string(designs[i].name);
        json.key("text").string(controls[i].text);
        json.key("fore");
        writeColour(json, controls[i].fore);
        json.key("visible").boolean(controls[i].visible);
        json.endObject();
    }
    json.endArray();
    json.endObject();
}

}  // namespace

Bridge::Bridge() : random_(clock_.timeOfDayNanos()) {}

Bridge::~Bridge() = default;

std::string Bridge::layouts() {
    JsonWriter json;
    json.beginArray();
    for (WindowId id : kAllWindows) writeLayout(json, layoutOf(id));
    json.endArray();
    return json.take();
}

std::string Bridge::start(SizeTwips screen, SizeTwips frame) {
    setScreen(screen, frame);
    // A program that has ended stays ended; starting again means a new one. The timers' records
    // live on, so their start counts keep growing for the page.
    program_.reset();
    for (WindowId id : kAllWindows) timers_.stop(id);
    program_ = std::make_unique<Program>(Services{clock_, random_, timers_, beeper_, screen_});
    beeper_.count = 0;
    program_->start();
    return stateWithBeeps(beeper_.count);
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
    return stateWithBeeps(beeper_.count);
}

std::string Bridge::click(std::string_view window, std::string_view control) {
    return run(window, [control](Program& program, WindowId id) { program.click(id, control); });
}

std::string Bridge::edit(std::string_view window, std::string_view control, std::string_view text) {
    return run(window, [control, text](Program& program, WindowId id) { program.edit(id, control, text); });
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

std::string Bridge::state() const { return stateWithBeeps(0); }

std::string Bridge::stateWithBeeps(unsigned beeps) const {
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
    if (program_) {
        for (WindowId id : kAllWindows)
            if (program_->state(id) != WindowState::NotLoaded) writeWindow(json, *program_, id);
    }
    json.endArray();
    json.endObject();
    return json.take();
}

}  // namespace vertola::web
