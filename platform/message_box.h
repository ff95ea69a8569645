#pragma once

struct ALLEGRO_DISPLAY;

namespace platform {

// True when native dialogs are switched off (TAMWICK_NO_DIALOGS set and not "0").
bool dialogsDisabled();

// Shows a native message box, or writes its text to standard error when dialogs
// are disabled. Returns the box's answer (0 when none was shown).
int nativeMessageBox(ALLEGRO_DISPLAY* display, const char* title, const char* heading,
                     const char* text, int flags);

}
