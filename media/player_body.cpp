#include "media/player_body.h"

#include "media/head_sets.h"
#include "media/sprites.h"

namespace {

const Vector2 carryDown[walkFrameCount] = {{28, 10}, {28, 10}, {26, 11}, {28, 11},
                                           {28, 10}, {26, 8},  {28, 9}};
const Vector2 carryRight[walkFrameCount] = {{13, 10}, {13, 10}, {7, 8}, {8, 9},
                                            {12, 10}, {21, 8},  {19, 9}};

}

SpritePart playerBodySprite(Facing facing, int frame, bool remoteArmed)
{
    checkFacingAndFrame(facing, frame);
    static const int control = spriteIdByName("Body0_Ctrl");
    static const int profile = spriteIdByName("Body0_R_0");
    static const int front = spriteIdByName("Body0_D_0");
    SpritePart part;
    if (remoteArmed) {
        part.spriteId = control;
    } else if (facing == Facing::Right || facing == Facing::Left) {
        part.spriteId = profile + frame;
        part.mirrored = facing == Facing::Left;
    } else {
        part.spriteId = front + frame;
    }
    return part;
}

Vector2 playerCarryOffset(Facing facing, int frame)
{
    checkFacingAndFrame(facing, frame);
    switch (facing) {
    case Facing::Right:
        return carryRight[frame];
    case Facing::Left:
        return {31 - carryRight[frame].x, carryRight[frame].y};
    default:
        return carryDown[frame];
    }
}
