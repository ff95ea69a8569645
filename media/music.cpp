#include "media/music.h"

Music::~Music() = default;
