#pragma once
#include "frame/facing.h"
#include "media/player_look.h"
#include "media/sprite_part.h"

inline constexpr int headSetCount = 13;
inline constexpr int walkFrameCount = 7;

struct HeadSetSprite {
    bool mirrored = false;
    int baseSprite = 0;
    friend bool operator==(const HeadSetSprite&, const HeadSetSprite&) = default;
};

// The base sprite of a head set for a facing, walking or crawling. A head with
// no sprite of its own for facing left shows its right one mirrored; other
// missing facings show the down one (a crawling head, which has none, its
// right one). Heads from 13 up use the first set; a negative head throws.
HeadSetSprite lookupHeadSet(int head, Facing facing, bool crawling);

// The head sprite for a walk frame (0..6), anchored at (0, dy) where dy is the
// head's bob. An armed remote bomb holds the head still at frame 0, and a
// crawling head has a single frame. Throws on a frame or facing out of range.
SpritePart playerHeadSprite(const PlayerLook& look, Facing facing, int frame, bool crawling,
                            bool remoteArmed);

// Throws unless the facing is one of the four and the frame is 0..6.
void checkFacingAndFrame(Facing facing, int frame);
