#pragma once

// Closing the window asks the whole program to quit: every screen loop ends on
// the request, and so, screen by screen, does the program, through its orderly
// shutdown. The request is set and cleared only here; everyone else reads it.
extern const bool& quitRequested;

// Records the request (the loops call it when the window is closed).
void requestQuit();
// Forgets the request; start-up begins without one.
void clearQuitRequest();
