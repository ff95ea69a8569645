// The shared body: front, back and side walk cycles, the detonator pose and
// the crawl. Shirt and trousers are in base grey with pure-grey shading, so
// they take the player's colour.
#include "sprites.h"

#include <cmath>

namespace {

constexpr Rgb skin{236, 188, 140};
constexpr Rgb belt{70, 44, 22};
constexpr Rgb buckle{236, 196, 70};
constexpr Rgb shoe{74, 42, 22};
constexpr Rgb shoeLight{120, 78, 44};

struct Point {
    int x, y;
};

// Right hand (the carry point) for facing down and right, per walk frame.
constexpr Point frontHand[7] = {{28, 10}, {28, 10}, {26, 11}, {28, 11}, {28, 10}, {26, 8}, {28, 9}};
constexpr Point frontOtherHand[7] = {{3, 10}, {3, 10}, {5, 8}, {3, 9}, {3, 10}, {5, 11}, {3, 11}};
constexpr Point sideHand[7] = {{13, 10}, {13, 10}, {7, 8}, {8, 9}, {12, 10}, {21, 8}, {19, 9}};

void arm(Canvas& c, Point shoulder, Point hand, Rgb sleeve)
{
    float ex = shoulder.x + (hand.x - shoulder.x) * 0.5f, ey = shoulder.y + (hand.y - shoulder.y) * 0.5f;
    c.thickLine(shoulder.x + 0.5f, shoulder.y + 0.5f, ex + 0.5f, ey + 0.5f, 3.2f, sleeve);
    c.thickLine(ex + 0.5f, ey + 0.5f, hand.x + 0.5f, hand.y + 0.5f, 2.2f, skin);
    c.rect(hand.x - 1, hand.y - 1, hand.x + 1, hand.y + 1, skin);
}

// Legs of the front and back views. `lift` raises a foot by that many pixels.
void frontLegs(Canvas& c, int frame)
{
    int liftLeft = 0, liftRight = 0, inset = 0;
    switch (frame) {
    case 1: case 4: liftLeft = liftRight = 1; inset = 1; break;
    case 2: liftRight = 4; break;
    case 3: liftRight = 2; break;
    case 5: liftLeft = 4; break;
    case 6: liftLeft = 2; break;
    default: break;
    }
    auto leg = [&](int x0, int x1, int lift, bool near) {
        int footTop = 27 - lift;
        c.rect(x0, 17, x1, footTop - 1, near ? shadeGrey : shadeGrey);
        c.rect(x0, footTop - 3, x0, footTop - 1, deepGrey);
        int s0 = x0 - 1, s1 = x1 + 1;
        c.rect(s0, footTop, s1, footTop + 2, lift >= 3 ? shoeLight : shoe);
        c.rect(s0, footTop, s1, footTop, shoeLight);
    };
    leg(10 + inset, 14, liftLeft, liftLeft == 0);
    leg(17, 21 - inset, liftRight, liftRight == 0);
    c.rect(15, 17, 16, 19, shadeGrey); // crotch
}

Canvas frontBody(int frame, bool back)
{
    Canvas c(32, 32);
    frontLegs(c, frame);
    Point hand = frontHand[frame], other = frontOtherHand[frame];
    // Torso with rounded shoulders.
    c.rect(9, 0, 22, 15, baseGrey);
    c.rect(8, 1, 23, 6, baseGrey);
    if (back) {
        c.rect(9, 1, 11, 15, shadeGrey);
        c.rect(15, 3, 16, 14, shadeGrey); // seam
    } else {
        c.rect(20, 1, 22, 15, shadeGrey);
        c.rect(14, 0, 17, 0, skin); // collar opening
        c.rect(15, 1, 16, 1, skin);
        c.put(15, 5, deepGrey);
        c.put(15, 9, deepGrey);
        c.put(15, 12, deepGrey);
    }
    c.rect(9, 15, 22, 16, belt);
    if (!back)
        c.rect(15, 15, 16, 16, buckle);
    arm(c, {8, 2}, other, baseGrey);
    arm(c, {23, 2}, hand, back ? baseGrey : shadeGrey);
    c.outline(black);
    return c;
}

void sideLeg(Canvas& c, Point foot, Rgb trousers)
{
    c.thickLine(15.5f, 17.5f, foot.x + 0.5f, foot.y - 1.5f, 4.5f, trousers);
    c.rect(foot.x - 2, foot.y - 1, foot.x + 3, foot.y + 1, shoe);
    c.rect(foot.x - 2, foot.y - 1, foot.x + 3, foot.y - 1, shoeLight);
}

Canvas sideBody(int frame)
{
    static const Point nearFoot[7] = {{16, 28}, {16, 27}, {21, 28}, {19, 28}, {16, 27}, {10, 27}, {12, 28}};
    static const Point farFoot[7] = {{15, 28}, {15, 27}, {10, 27}, {12, 28}, {15, 27}, {21, 28}, {19, 28}};
    Canvas c(32, 32);
    Point hand = sideHand[frame];
    // Far arm and leg first, in the deeper shade.
    arm(c, {15, 3}, {31 - hand.x + 3, hand.y}, deepGrey);
    sideLeg(c, farFoot[frame], deepGrey);
    c.rect(12, 0, 19, 15, baseGrey);
    c.rect(11, 1, 20, 12, baseGrey);
    c.rect(11, 1, 12, 15, shadeGrey);
    c.rect(18, 0, 19, 0, skin);
    c.rect(11, 15, 20, 16, belt);
    c.rect(19, 15, 20, 16, buckle);
    c.outline(black);
    // The near leg and arm get their own outline, so they read over the body.
    Canvas limbs(32, 32);
    sideLeg(limbs, nearFoot[frame], shadeGrey);
    limbs.outline(black);
    c.blit(limbs, 0, 0);
    Canvas nearArm(32, 32);
    arm(nearArm, {15, 3}, hand, baseGrey);
    nearArm.outline(black);
    c.blit(nearArm, 0, 0);
    return c;
}

Canvas detonatorBody()
{
    Canvas c(32, 32);
    frontLegs(c, 0);
    c.rect(9, 0, 22, 15, baseGrey);
    c.rect(8, 1, 23, 6, baseGrey);
    c.rect(20, 1, 22, 15, shadeGrey);
    c.rect(14, 0, 17, 0, skin);
    c.rect(9, 15, 22, 16, belt);
    c.rect(15, 15, 16, 16, buckle);
    arm(c, {8, 2}, {12, 11}, baseGrey);
    arm(c, {23, 2}, {19, 11}, shadeGrey);
    // The detonator: a box with a red button and an antenna.
    c.rect(12, 7, 19, 13, Rgb(52, 52, 66));
    c.rect(13, 8, 18, 8, Rgb(90, 90, 110));
    c.rect(15, 9, 16, 10, Rgb(240, 30, 30));
    c.line(18, 7, 21, 1, Rgb(30, 30, 30));
    c.rect(21, 0, 22, 1, Rgb(255, 40, 40));
    c.rect(11, 10, 12, 12, skin);
    c.rect(19, 10, 20, 12, skin);
    c.outline(black);
    return c;
}

// Lying body, head end on the right edge (rows 12..20), feet to the left.
Canvas crawlBody(int frame)
{
    Canvas c(32, 32);
    // Legs: one stretched, one with the knee drawn up in frame 1.
    c.rect(5, 13, 13, 16, deepGrey);
    if (frame == 0) {
        c.rect(5, 17, 13, 19, shadeGrey);
        c.rect(2, 16, 4, 19, shoe);
    } else {
        c.thickLine(13, 18, 9, 24, 3.5f, shadeGrey);
        c.thickLine(9, 24, 4, 20, 3.5f, shadeGrey);
        c.rect(2, 18, 4, 21, shoe);
    }
    c.rect(2, 12, 4, 15, shoe);
    c.rect(14, 12, 15, 20, belt);
    c.rect(16, 12, 31, 20, baseGrey);
    c.rect(16, 18, 31, 20, shadeGrey);
    // Arms reaching along the floor.
    Point hand = frame == 0 ? Point{29, 26} : Point{23, 26};
    arm(c, {25, 18}, hand, baseGrey);
    c.outline(black);
    // The joining edge stays open for the head.
    for (int y = 0; y < 32; ++y)
        if (c.get(31, y) == black && (y < 12 || y > 20))
            c.put(31, y, keyColour);
    return c;
}

} // namespace

Canvas makeBodySprite(int id)
{
    if (id >= 73 && id <= 79)
        return frontBody(id - 73, false);
    if (id >= 80 && id <= 86)
        return frontBody(id - 80, true);
    if (id >= 87 && id <= 93)
        return sideBody(id - 87);
    if (id == 94)
        return detonatorBody();
    return crawlBody(id - 95);
}
