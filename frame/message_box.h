#pragma once

struct ALLEGRO_DISPLAY;

// Every message box goes through here: the text is logged first, then shown
// (or written to standard error when dialogs are switched off).
int showMessageBox(ALLEGRO_DISPLAY* display, const char* title, const char* heading,
                   const char* text, int flags);
