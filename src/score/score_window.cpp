#include "score/score_window.h"

#include <array>
#include <cmath>
#include <span>

#include "frame/numeric_reading.h"
#include "frame/score_code.h"
#include "score/grade.h"
#include "shell/program.h"

namespace vertola {

namespace {

// The exercise windows of a level in the order they are examined; the last match wins.
constexpr std::array<WindowId, 4> kCheckOrder999{WindowId::frm999addizioni, WindowId::frm999sottrazioni,
                                                 WindowId::frm999moltiplicazioni, WindowId::frm999divisioni};
constexpr std::array<WindowId, 5> kCheckOrder9999{
    WindowId::frm9999addizioni, WindowId::frm9999sottrazioni, WindowId::frm9999moltiplicazioni,
    WindowId::frm9999moltiplicazioni2, WindowId::frm9999divisioni};
constexpr std::array<WindowId, 4> kResetOrder999{WindowId::frm999sottrazioni, WindowId::frm999addizioni,
                                                 WindowId::frm999moltiplicazioni, WindowId::frm999divisioni};
constexpr std::array<WindowId, 5> kResetOrder9999{WindowId::frm9999sottrazioni, WindowId::frm9999addizioni,
                                                  WindowId::frm9999moltiplicazioni,
                                                  WindowId::frm9999moltiplicazioni2, WindowId::frm9999divisioni};

// A count box holds plain decimal text written by its window; anything else reads leniently.
std::uint64_t readCount(const std::string& text) {
    const double value = std::round(readNumber(text));
    if (!(value > 0)) return 0;
    if (value >= 18446744073709551615.0) return UINT64_MAX;
    return static_cast<std::uint64_t>(value);
}

class ScoreWindow final : public Window {
public:
    explicit ScoreWindow(Level level)
        : Window(level == Level::L999 ? WindowId::frm999punteggio : WindowId::frm9999punteggio,
                 scoreLayout(level)),
          level_(level) {}

    void clicked(Program& program, std::string_view control) override {
        if (control == "cmdcalcola") compute(program);
        else if (control == "cmdok") leave(program);
    }

private:
    std::span<const WindowId> checkOrder() const {
        if (level_ == Level::L999) return kCheckOrder999;
        return kCheckOrder9999;
    }
    std::span<const WindowId> resetOrder() const {
        if (level_ == Level::L999) return kResetOrder999;
        return kResetOrder9999;
    }

    void compute(Program& program) {
        for (std::string_view control : {"lblrisp1", "lblrisp2", "lblrisg", "lblriss", "lblvoto", "cmdok",
                                         "pctpallot"})
            setVisible(control, true);
        setVisible("cmdcalcola", false);
        // With no window holding its code the counts stay 0 and 0, and no grade is given.
        giuste_ = 0;
        sbagliate_ = 0;
        for (WindowId requester : checkOrder()) {
            const Window& exercise = program.loadHidden(requester);
            if (readNumber(exercise.text("txtc")) == scoreCode(requester)) {
                giuste_ = readCount(exercise.text("txtrisg"));
                sbagliate_ = readCount(exercise.text("txtriss"));
            }
        }
        for (WindowId window : resetOrder()) program.loadHidden(window).setText("txtc", "0");
        setText("lblrisg", plainDecimal(giuste_));
        setText("lblriss", plainDecimal(sbagliate_));
        setText("lblvoto", std::string(grade(giuste_, sbagliate_)));
        // The pressed button is gone; the keyboard goes on from the button that leaves.
        setFocus("cmdok");
    }

    void leave(Program& program) {
        program.open(level_ == Level::L999 ? WindowId::frm999inizio : WindowId::frm9999inizio);
        program.close(id());
    }

    Level level_;
    std::uint64_t giuste_ = 0;
    std::uint64_t sbagliate_ = 0;
};

}  // namespace

std::unique_ptr<Window> createScoreWindow(Level level) { return std::make_unique<ScoreWindow>(level); }

}  // namespace vertola
