#pragma once

namespace vertola {

// Whether the X server named by DISPLAY accepts a connection. Qt aborts when it cannot connect,
// so the program asks first; when libxcb cannot be loaded the answer is left to Qt (true).
bool x11ServerAnswers();

}  // namespace vertola
