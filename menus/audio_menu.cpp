#include "menus/audio_menu.h"

// Stand-in until the audio screen is built.
void menuAudio(BitmapPtr, const TamwickMenuLayoutOptions*, std::optional<int>) {}
