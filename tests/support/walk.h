#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "fakes.h"
#include "reading_reference.h"
#include "walk_checks.h"

// A seeded random walk through the whole program, headless: each step is one thing a pupil could
// do (or try to do where nothing should happen), followed by every rule of walk_checks.h. The walk
// reads only the windows' tables and rules, so it covers each operation as soon as its unit exists.
namespace vertola::walk {

struct Figures {
    std::uint64_t events = 0, clicks = 0, edits = 0, longEdits = 0, rightAnswersTyped = 0, checks = 0,
                  rightChecks = 0, wrongChecks = 0, scoreComputations = 0, ticks = 0, escapes = 0,
                  closeBoxes = 0, ignoredEvents = 0, countJumps = 0, restarts = 0;
    std::array<std::uint64_t, kWindowCount> rightChecksIn{}, wrongChecksIn{};

    std::string summary() const {
        auto n = [](std::uint64_t v) { return std::to_string(v); };
        return n(events) + " events: " + n(clicks) + " clicks, " + n(edits) + " edits (" + n(longEdits) +
               " of 1 MB), " + n(rightAnswersTyped) + " right answers typed, " + n(checks) + " checks (" +
               n(rightChecks) + " right, " + n(wrongChecks) + " wrong), " + n(scoreComputations) +
               " scores, " + n(ticks) + " timer advances, " + n(escapes) + " Esc, " + n(closeBoxes) +
               " close boxes, " + n(ignoredEvents) + " ignored events, " + n(countJumps) + " count jumps, " +
               n(restarts) + " restarts";
    }
};

class RandomWalk {
public:
    explicit RandomWalk(std::uint64_t seed) : rng_(seed) { restart(); }

    // One event and every check after it; the first rule found broken, or the empty text.
    std::string step() {
        ++figures_.events;
        std::string fault = h_->program.ended() ? afterEnd() : oneEvent();
        if (!fault.empty()) return fault;
        refreshTracking();
        return checkProgram(h_->program, h_->timers, h_->screen, tracked_);
    }

    const Figures& figures() const { return figures_; }
    fakes::Harness& harness() { return *h_; }

    std::string recentEvents() const {
        std::string text;
        for (const std::string& line : log_) text += "  " + line + "\n";
        return text;
    }

private:
    Program& program() { return h_->program; }
    std::uint64_t below(std::uint64_t n) { return rng_() % n; }

    std::string oneEvent() {
        const auto r = below(1000);
        if (r < 300) return clickSomething();
        if (r < 570) return editSomething();
        if (r < 720) return writeRightAnswer();
        if (r < 840) return advanceTime();
        if (r < 870) return pressEscape();
        if (r < 880) return pressCloseBox();
        if (r < 960) return ignoredEvent();
        if (r < 990) return focusSomething();
        return jumpCounts();
    }

    void note(std::string line) {
        log_.push_back(std::move(line));
        if (log_.size() > 16) log_.pop_front();
    }

    static std::string describe(std::string_view text) {
        return '"' + reference::escaped(text.substr(0, 24)) + '"' +
               (text.size() > 24 ? "... (" + std::to_string(text.size()) + " bytes)" : "");
    }
    static std::string where(WindowId id, std::string_view control) {
        return std::string(windowName(id)) + "." + std::string(control);
    }

    void restart() {
        static constexpr SizeTwips kScreens[] = {{1920 * 15, 1080 * 15}, {640 * 15, 480 * 15}, {0, 0}, {1366 * 15, 768 * 15}};
        h_ = std::make_unique<fakes::Harness>();
        h_->clock.now = rng_();
        h_->screen.screen = kScreens[below(4)];
        h_->screen.frame = below(2) ? SizeTwips{0, 0} : SizeTwips{120, 450};
        h_->program.start();
        tracked_ = {};
        refreshTracking();
        note("restart");
    }

    // A new object in a slot is a new load: the walk starts counting it afresh.
    void refreshTracking() {
        for (WindowId id : kAllWindows) {
            Tracked& t = tracked_[indexOf(id)];
            if (program().window(id) != t.object) t = Tracked{program().window(id)};
        }
    }

    // Every visible control of every shown window that passes the filter.
    std::vector<std::pair<WindowId, std::string_view>> targets(const std::function<bool(const ControlSpec&)>& keep) {
        std::vector<std::pair<WindowId, std::string_view>> found;
        for (WindowId id : kAllWindows) {
            if (program().state(id) != WindowState::Shown) continue;
            const Window& w = *program().window(id);
            for (const ControlSpec& control : w.layout().controls)
                if (w.visible(control.name) && keep(control)) found.emplace_back(id, control.name);
        }
        return found;
    }
    static bool isButton(const ControlSpec& c) { return c.kind == Kind::Button || c.kind == Kind::PictureButton; }
    static bool isTextBox(const ControlSpec& c) { return c.kind == Kind::TextBox; }

    std::vector<WindowId> shownWindows() {
        std::vector<WindowId> shown;
        for (WindowId id : kAllWindows)
            if (program().state(id) == WindowState::Shown) shown.push_back(id);
        return shown;
    }

    std::string clickSomething() {
        const auto buttons = targets(isButton);
        if (buttons.empty()) return "no visible button in any shown window";
        auto [id, control] = buttons[below(buttons.size())];
        // Leaving buttons are picked less often, so that walks go deep before the program ends.
        if (control == program().window(id)->layout().cancelButton && below(4) != 0)
            std::tie(id, control) = buttons[below(buttons.size())];
        return click(id, control);
    }

    std::string click(WindowId id, std::string_view control) {
        ++figures_.clicks;
        if (const ExerciseWindow* exercise = asExercise(program().window(id)))
            if (control == exercise->checkButton()) return check(id);
        if (isScoreWindow(id) && control == "cmdcalcola") return computeScore(id);
        note("click " + where(id, control));
        if (!program().click(id, control)) return "click on the visible button " + where(id, control) + " ignored";
        return {};
    }

    std::string pupilText() {
        static const std::vector<std::string> kPieces = {
            "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "1", "5", "9", " ", " ", "\t", "\n",
            "\r", "+", "-", ".", ".", ",", "e", "E", "&H", "&O", "x", "a", "Z", "\xc3\xa0", "\xe2\x82\xac",
            "\xf0\x9f\x98\x80", std::string(1, '\0'), "\x7f", "\x01", "\x1b", "\xff", "\xc3"};
        const auto r = below(2000);
        if (r == 0) {
            ++figures_.longEdits;
            const std::string mega(1 << 20, "70 -"[below(4)]);
            return below(2) ? mega : std::string((1 << 20) - 1, '0') + "7";
        }
        if (r < 200) return "";
        if (r < 500) return std::string(1, static_cast<char>('0' + below(10)));
        std::string text;
        for (auto n = 1 + below(12); n > 0; --n) text += kPieces[below(kPieces.size())];
        return text;
    }

    std::string edit(WindowId id, std::string_view control, const std::string& text) {
        ++figures_.edits;
        note("edit " + where(id, control) + " = " + describe(text));
        if (!program().edit(id, control, text)) return "edit of the visible text box " + where(id, control) + " ignored";
        return {};
    }

    std::string editSomething() {
        const auto boxes = targets(isTextBox);
        if (boxes.empty()) return clickSomething();
        const auto [id, control] = boxes[below(boxes.size())];
        return edit(id, control, pupilText());
    }

    // The digits of a number written into a row of cells as a pupil would: one per cell, right
    // aligned, high cells left empty or given a leading zero, now and then a blank or a sign.
    std::string writeDigits(WindowId id, std::span<const std::string_view> cells, const std::string& digits) {
        const std::size_t n = cells.size();
        const std::size_t spare = digits.size() < n ? n - digits.size() : 0;
        std::size_t next = 0;
        for (std::size_t i = 0; i < n; ++i) {
            std::string text;
            if (i < spare) {
                static constexpr const char* kHighCells[] = {"", "0", " "};
                text = kHighCells[below(3)];
            } else {
                const std::size_t take = i == 0 && digits.size() > n ? digits.size() - n + 1 : 1;
                text = digits.substr(next, take);
                next += take;
                if (below(8) == 0) text = below(2) ? " " + text : text + "\t";
            }
            if (i == 0 && below(10) == 0) text = "+" + text;
            if (std::string fault = edit(id, cells[i], text); !fault.empty()) return fault;
        }
        return {};
    }

    std::string writeRightAnswer() {
        std::vector<WindowId> exercises;
        for (WindowId id : shownWindows())
            if (asExercise(program().window(id))) exercises.push_back(id);
        if (exercises.empty()) return clickSomething();
        const WindowId id = exercises[below(exercises.size())];
        const ExerciseWindow& w = *asExercise(program().window(id));
        const Grid& grid = w.design().grid;
        ++figures_.rightAnswersTyped;
        note("right answer for " + caption(w.esercizio()) + " in " + std::string(windowName(id)));
        std::string fault = writeDigits(id, grid.resultCells(), std::to_string(expectedResult(w.esercizio())));
        const auto rows = grid.remainderRows();
        if (fault.empty() && !rows.empty()) {
            // Rows below the chosen one have an empty units cell; rows above it hold any digits.
            const std::size_t chosen = below(rows.size());
            for (std::size_t i = 0; i < rows.size() && fault.empty(); ++i) {
                if (i < chosen) fault = edit(id, rows[i].back(), "");
                else if (i == chosen) fault = writeDigits(id, rows[i], std::to_string(expectedRemainder(w.esercizio())));
                else fault = edit(id, rows[i].back(), std::to_string(below(10)));
            }
        }
        if (!fault.empty() || below(10) >= 7) return fault;
        ++figures_.clicks;
        return check(id);
    }

    // Whether the check must be right, by the reference reading; nothing when a reading lies too
    // close to the expected number for two ways of rounding to be sure to agree.
    static std::optional<bool> readsAs(const std::string& text, std::int64_t expected) {
        const double value = reference::read(text).value;
        const double e = static_cast<double>(expected);
        if (value == e) return true;
        if (std::fabs(value - e) <= 1e-9 * std::fmax(1.0, std::fabs(e))) return std::nullopt;
        return false;
    }

    static std::string remainderOf(const Window& w, const std::vector<std::vector<std::string_view>>& rows) {
        std::size_t chosen = rows.size() - 1;
        for (std::size_t i = 0; i + 1 < rows.size(); ++i)
            if (!w.text(rows[i].back()).empty()) {
                chosen = i;
                break;
            }
        std::string text;
        for (std::string_view cell : rows[chosen]) text += w.text(cell);
        return text;
    }

    static bool listed(std::span<const std::string_view> cells, std::string_view name) {
        for (std::string_view cell : cells)
            if (cell == name) return true;
        return false;
    }

    std::string check(WindowId id) {
        ExerciseWindow& w = *dynamic_cast<ExerciseWindow*>(program().window(id));
        const Grid& grid = w.design().grid;
        const auto rows = grid.remainderRows();
        std::string joined;
        for (std::string_view cell : grid.resultCells()) joined += w.text(cell);
        const std::string remainder = rows.empty() ? "" : remainderOf(w, rows);
        std::optional<bool> predicted = readsAs(joined, expectedResult(w.esercizio()));
        if (!rows.empty() && predicted != false) {
            const std::optional<bool> rest = readsAs(remainder, expectedRemainder(w.esercizio()));
            if (rest == false) predicted = false;
            else if (!rest) predicted = std::nullopt;
        }
        const std::vector<ControlState> before = w.controls();
        const std::string operation = caption(w.esercizio());
        const int beeps = h_->beeper.beeps;
        const unsigned focusRequests = w.focusRequests();
        const std::uint64_t g = w.giuste(), s = w.sbagliate();

        note("check " + where(id, w.checkButton()) + " of " + operation + ", result " + describe(joined) +
             (rows.empty() ? "" : ", remainder " + describe(remainder)));
        if (!program().click(id, w.checkButton()))
            return "check button of " + std::string(windowName(id)) + " ignored";
        if (program().window(id) != &w) return named(id, "a check unloaded its window");
        const bool right = w.giuste() == g + 1 && w.sbagliate() == s;
        if (!right && !(w.giuste() == g && w.sbagliate() == s + 1)) return named(id, "a check did not count one answer");
        if (predicted && *predicted != right)
            return named(id, std::string(right ? "right" : "wrong") + ", but the reference reading says otherwise");
        if (h_->beeper.beeps != beeps + (right ? 0 : 1)) return named(id, "beeps do not follow the verdict");
        if (w.focus() != (right ? grid.focusRight() : grid.focusWrong()) || w.focusRequests() <= focusRequests)
            return named(id, "focus not moved to the verdict's cell");
        if (w.text("txtris") != joined) return named(id, "txtris is not the joined result row");
        if (!rows.empty() && w.text("txtresto") != remainder) return named(id, "txtresto is not the chosen row");
        if (!right && caption(w.esercizio()) != operation) return named(id, "a wrong answer changed the operation");
        const auto& controls = w.layout().controls;
        for (std::size_t i = 0; i < controls.size(); ++i) {
            if (controls[i].kind != Kind::TextBox || !controls[i].visible) continue;
            const bool emptied = listed(grid.emptiedEveryCheck(), controls[i].name) ||
                                 (right && listed(grid.emptiedAfterRight(), controls[i].name));
            if (w.controls()[i].text != (emptied ? std::string() : before[i].text))
                return named(id, std::string(controls[i].name) + (emptied ? " not emptied" : " changed by a check"));
        }
        if (!h_->timers.isRunning(id)) return named(id, "a check did not start its timer");

        Tracked& t = tracked_[indexOf(id)];
        (right ? t.giuste : t.sbagliate) += 1;
        t.checked = true;
        t.shownG = t.giuste;
        t.shownS = t.sbagliate;
        t.lastCheckMs = h_->timers.nowMs;
        t.lastRight = right;
        ++figures_.checks;
        ++(right ? figures_.rightChecks : figures_.wrongChecks);
        ++(right ? figures_.rightChecksIn : figures_.wrongChecksIn)[indexOf(id)];
        return {};
    }

    // The exercise windows of the score window's level come in the order it examines them.
    std::string computeScore(WindowId id) {
        std::vector<WindowId> level;
        for (WindowId e : kAllWindows)
            if (isExercise(e) && rowOf(e).level == rowOf(id).level) level.push_back(e);
        std::uint64_t g = 0, s = 0;
        for (WindowId e : level) {
            const ExerciseWindow* w = asExercise(program().window(e));
            if (w && w->text("txtc") == plainDecimal(static_cast<unsigned long long>(rowOf(e).scoreCode))) {
                const Tracked& t = tracked_[indexOf(e)];
                g = t.checked ? t.shownG : 0;
                s = t.checked ? t.shownS : 0;
            }
        }
        note("click " + where(id, "cmdcalcola") + ", expecting " + plainDecimal(g) + "/" + plainDecimal(s));
        if (!program().click(id, "cmdcalcola")) return "cmdcalcola ignored";
        const Window& score = *program().window(id);
        if (score.text("lblrisg") != plainDecimal(g) || score.text("lblriss") != plainDecimal(s))
            return named(id, "shows " + score.text("lblrisg") + "/" + score.text("lblriss"));
        if (score.text("lblvoto") != referenceGrade(g, s)) return named(id, "grade \"" + score.text("lblvoto") + "\"");
        if (score.visible("cmdcalcola")) return named(id, "cmdcalcola still visible after the computation");
        for (WindowId e : level)
            if (!program().window(e) || program().window(e)->text("txtc") != "0")
                return named(e, "marker not reset by the score window");
        ++figures_.scoreComputations;
        return {};
    }

    std::string advanceTime() {
        static constexpr std::uint64_t kSteps[] = {1, 999, 2999, 3000, 3001, 6000};
        const std::uint64_t ms = below(7) < 6 ? kSteps[below(6)] : 6000 + below(20000);
        ++figures_.ticks;
        note("time +" + std::to_string(ms) + " ms");
        h_->timers.advance(program(), ms);
        return {};
    }

    std::string pressEscape() {
        const auto shown = shownWindows();
        const WindowId id = shown[below(shown.size())];
        const std::string_view cancel = program().window(id)->layout().cancelButton;
        const bool expected = !cancel.empty() && program().window(id)->visible(cancel);
        ++figures_.escapes;
        note("Esc in " + std::string(windowName(id)));
        if (program().escape(id) != expected) return named(id, expected ? "Esc ignored" : "Esc pressed a hidden button");
        return {};
    }

    std::string pressCloseBox() {
        const auto shown = shownWindows();
        const WindowId id = shown[below(shown.size())];
        ++figures_.closeBoxes;
        note("close box of " + std::string(windowName(id)));
        if (!program().closeBox(id)) return named(id, "close box ignored");
        if (program().state(id) != WindowState::NotLoaded) return named(id, "still loaded after its close box");
        return {};
    }

    std::string focusSomething() {
        const auto all = targets([](const ControlSpec& c) { return isTextBox(c) || isButton(c); });
        if (all.empty()) return {};
        const auto [id, control] = all[below(all.size())];
        note("focus " + where(id, control));
        if (!program().focusIn(id, control) || program().window(id)->focus() != control)
            return "focus on " + where(id, control) + " not taken";
        return {};
    }

    std::string jumpCounts() {
        std::vector<WindowId> loaded;
        for (WindowId id : kAllWindows)
            if (asExercise(program().window(id))) loaded.push_back(id);
        if (loaded.empty()) return editSomething();
        const WindowId id = loaded[below(loaded.size())];
        const std::uint64_t g = below(4) ? (1ULL << 31) + below(1ULL << 50) : 0;
        const std::uint64_t s = below(4) ? (1ULL << 31) + below(1ULL << 50) : below(3);
        dynamic_cast<ExerciseWindow*>(program().window(id))->setCounts(g, s);
        Tracked& t = tracked_[indexOf(id)];
        t.giuste = g;
        t.sbagliate = s;
        ++figures_.countJumps;
        note("counts of " + std::string(windowName(id)) + " set to " + plainDecimal(g) + "/" + plainDecimal(s));
        return {};
    }

    // What the program shows, cheaply: long texts are compared by length and ends.
    std::vector<std::string> fingerprint() {
        std::vector<std::string> print;
        for (WindowId id : kAllWindows) {
            const Window* w = program().window(id);
            print.push_back(std::to_string(static_cast<int>(program().state(id))));
            if (!w) continue;
            print.push_back(std::string(w->focus()) + "#" + std::to_string(w->focusRequests()));
            for (const ControlState& c : w->controls()) {
                const std::string& t = c.text;
                print.push_back(t.size() <= 64 ? t : t.substr(0, 32) + t.substr(t.size() - 32) + std::to_string(t.size()));
                print.back() += c.visible ? "+" : "-";
                if (c.fore) print.back() += std::to_string(c.fore->r * 65536 + c.fore->g * 256 + c.fore->b);
            }
        }
        return print;
    }

    // A click, edit, focus, Esc, close box or tick where the windows' state allows none; returns
    // whether one was tried.
    std::string tryForbidden(bool& tried) {
        const WindowId id = kAllWindows[below(kWindowCount)];
        const Window* w = program().window(id);
        const bool shown = program().state(id) == WindowState::Shown && !program().ended();
        const auto& controls = layoutOf(id).controls;
        const bool bogus = below(10) == 0;
        const ControlSpec& design = controls[below(controls.size())];
        const std::string_view control = bogus ? std::string_view("txtnessuno") : design.name;
        const bool visible = !bogus && w && w->visible(control);
        const auto kind = below(6);
        bool allowed = false;
        if (kind == 0) allowed = shown && visible && isButton(design);
        else if (kind == 1) allowed = shown && visible && isTextBox(design);
        else if (kind == 2) allowed = shown && visible;
        else if (kind == 3) allowed = shown && !w->layout().cancelButton.empty() && w->visible(w->layout().cancelButton);
        else if (kind == 4) allowed = shown;
        else allowed = w != nullptr && !program().ended();
        tried = !allowed;
        if (allowed) return {};

        static constexpr const char* kKinds[] = {"click", "edit", "focus", "Esc", "close box", "tick"};
        note("forbidden " + std::string(kKinds[kind]) + " " + where(id, control));
        const auto print = fingerprint();
        const int beeps = h_->beeper.beeps, starts = h_->timers.starts;
        bool reached = false;
        if (kind == 0) reached = program().click(id, control);
        else if (kind == 1) reached = program().edit(id, control, "7");
        else if (kind == 2) reached = program().focusIn(id, control);
        else if (kind == 3) reached = program().escape(id);
        else if (kind == 4) reached = program().closeBox(id);
        else reached = program().tick(id);
        ++figures_.ignoredEvents;
        if (reached) return std::string(kKinds[kind]) + " on " + where(id, control) + " was not ignored";
        if (fingerprint() != print || h_->beeper.beeps != beeps || h_->timers.starts != starts)
            return std::string(kKinds[kind]) + " on " + where(id, control) + " changed the program";
        return {};
    }

    std::string ignoredEvent() {
        bool tried = false;
        return tryForbidden(tried);
    }

    // Once the program has ended nothing reaches a handler; then a fresh program starts.
    std::string afterEnd() {
        for (int i = 0; i < 6; ++i) {
            bool tried = false;
            if (std::string fault = tryForbidden(tried); !fault.empty()) return "after the end: " + fault;
        }
        h_->timers.advance(program(), 10000);
        if (!h_->timers.running.empty()) return "a timer runs after the end";
        ++figures_.restarts;
        restart();
        return {};
    }

    std::mt19937_64 rng_;
    std::unique_ptr<fakes::Harness> h_;
    TrackedWindows tracked_{};
    Figures figures_;
    std::deque<std::string> log_;
};

}  // namespace vertola::walk
