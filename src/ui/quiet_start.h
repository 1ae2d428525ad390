#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

namespace vertola::ui {

// Says in one line that no display could be opened, and gives the status the program exits with.
int noDisplay();

// While it lives, Qt's start is quiet and cannot abort: a fatal message (no display answered, or
// no platform plugin could be loaded) prints noDisplay()'s line and ends the program with status
// 1 at once; other messages are held and printed once Qt has started, so that a failed start
// prints nothing else.
class QuietStart {
public:
    QuietStart();
    ~QuietStart();
    QuietStart(const QuietStart&) = delete;
    QuietStart& operator=(const QuietStart&) = delete;

    // Qt has started: the held messages go out, and messages flow as usual from now on.
    void started();

private:
    QtMessageHandler previous_;
    bool active_ = true;
};

}  // namespace vertola::ui
