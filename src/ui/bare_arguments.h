#pragma once

#include <array>

namespace vertola::ui {

// The program takes no command line: Qt is handed the program's name alone, so none of Qt's own
// options (-style, -reverse, -qwindowtitle, -geometry, …) can change a window. Qt keeps
// references to both, so this outlives the application.
class BareArguments {
public:
    explicit BareArguments(char* programName) : argv_{programName, nullptr} {}

    int& argc() { return argc_; }
    char** argv() { return argv_.data(); }

private:
    int argc_ = 1;
    std::array<char*, 2> argv_;
};

}  // namespace vertola::ui
