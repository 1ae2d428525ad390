#pragma once

namespace vertola::ui {

// Qt's own texts, the digit cells' menu among them (Annulla, Taglia, Incolla…), in Italian like
// the program's captions, whatever the desktop's language. Called once the application exists;
// false where Qt's Italian catalogue is not installed, and Qt's English texts stay.
bool installItalianQtTexts();

}  // namespace vertola::ui
