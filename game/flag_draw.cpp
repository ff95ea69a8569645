#include "game/flag.h"

void Flag::draw(BitmapWrapper&) const {}
void makeFlagFrames(Flag&) {}
