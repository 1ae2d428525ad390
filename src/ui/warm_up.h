#pragma once

#include <QFont>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

namespace vertola::ui {

// A face of the tables and every character their captions, and the digits, show in it.
struct TextSample {
    QFont font;
    QString characters;
};

// One sample a face, over every window's table.
std::vector<TextSample> textSamples();

// Draws the samples off screen: the first use of a face costs a window several milliseconds
// (fontconfig's substitutions and fallback list, the shaper, the glyphs), which is then already
// paid when a click opens the window.
void warmUpText(const std::vector<TextSample>& samples, qreal devicePixelRatio);

// Runs `work` once, as soon as the pupil first moves, touches or types in a window that has been
// painted: it never delays what the pupil sees first, nothing is spent on a program nobody uses,
// and the pointer's way to a button leaves it the time it needs before the click.
class AtFirstInput final : public QObject {
public:
    explicit AtFirstInput(std::function<void()> work);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> work_;
    bool painted_ = false;
};

}  // namespace vertola::ui
