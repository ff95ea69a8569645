#include "session/game_options.h"

GameOptions gameOptions;
