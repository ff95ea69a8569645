// Thirteen heads, each from the front, the back and the side, with the small
// shifts of the walk cycle, and a crawling pose. Hair, hats and helmets are in
// base grey with pure-grey shading, so they take the player's colour.
#include "rng.h"
#include "sprites.h"

#include <cmath>
#include <stdexcept>

namespace {

enum class View { Front, Back, Side };

struct Pose {
    int shift = 0;        // face features moved sideways (lean)
    bool blink = false;
    bool mouthOpen = false;
    bool leftSide = false; // side view of the left side (drawn facing right, mirrored later)
};

constexpr Rgb hair = baseGrey;
constexpr Rgb hairShade = shadeGrey;
constexpr Rgb hairDeep = deepGrey;
constexpr Rgb eyeWhite{255, 255, 244};
constexpr Rgb mouthCol{150, 54, 54};
constexpr Rgb cheekCol{244, 150, 136};

const Rgb skins[13] = {{236, 188, 140}, {198, 134, 90}, {252, 216, 188}, {236, 188, 140}, {244, 204, 164},
                       {126, 80, 50},   {226, 176, 126}, {255, 222, 196}, {232, 190, 150}, {240, 190, 150},
                       {236, 188, 140}, {236, 188, 140}, {220, 176, 150}};

Rgb shadeOf(Rgb skin) { return scaled(skin, 0.8); }

// ---- shared face parts ------------------------------------------------------

void frontFace(Canvas& c, Rgb skin, bool ears = true)
{
    c.rect(13, 23, 18, 27, shadeOf(skin));
    if (ears) {
        c.circle(8, 17, 2, shadeOf(skin));
        c.circle(24, 17, 2, shadeOf(skin));
    }
    c.circle(16, 17, 8, skin);
}

void frontFeatures(Canvas& c, const Pose& p, bool leftEye = true, bool rightEye = true, bool mouth = true,
                   bool cheeks = true)
{
    int s = p.shift;
    for (int side = 0; side < 2; ++side) {
        if ((side == 0 && !leftEye) || (side == 1 && !rightEye))
            continue;
        int x = side == 0 ? 12 + s : 18 + s;
        if (p.blink) {
            c.rect(x, 17, x + 1, 17, black);
        } else {
            c.rect(x, 16, x + 1, 18, black);
            c.put(x + (side == 0 ? 1 : 0), 16, eyeWhite);
        }
    }
    if (mouth) {
        if (p.mouthOpen)
            c.rect(15 + s, 21, 16 + s, 22, mouthCol);
        else
            c.rect(14 + s, 22, 17 + s, 22, mouthCol);
    }
    if (cheeks) {
        c.put(10 + s, 20, cheekCol);
        c.put(21 + s, 20, cheekCol);
    }
}

void sideFace(Canvas& c, Rgb skin, bool ear = true)
{
    c.rect(11, 23, 16, 27, shadeOf(skin));
    c.circle(15, 17, 8, skin);
    c.rect(22, 16, 23, 19, skin); // nose
    c.put(24, 18, skin);
    c.put(22, 21, skin);         // chin
    if (ear) {
        c.ellipse(13, 18, 2, 2.5f, shadeOf(skin));
        c.put(13, 18, scaled(skin, 0.6));
    }
}

void sideFeatures(Canvas& c, const Pose& p, bool eye = true, bool mouth = true)
{
    int s = p.shift;
    if (eye) {
        if (p.blink) {
            c.rect(19 + s, 17, 20 + s, 17, black);
        } else {
            c.rect(19 + s, 16, 20 + s, 18, black);
            c.put(20 + s, 16, eyeWhite);
        }
    }
    if (mouth) {
        if (p.mouthOpen)
            c.rect(21 + s, 21, 22 + s, 22, mouthCol);
        else
            c.rect(20 + s, 22, 22 + s, 22, mouthCol);
    }
    c.put(17 + s, 20, cheekCol);
}

void backHead(Canvas& c, Rgb skin, Rgb fill)
{
    c.rect(13, 23, 18, 27, shadeOf(skin));
    c.circle(8, 17, 2, shadeOf(skin));
    c.circle(24, 17, 2, shadeOf(skin));
    c.circle(16, 17, 8, fill);
}

void speckle(Canvas& c, Rgb on, Rgb dot, uint64_t seed, double density)
{
    Rng rng(seed);
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (c.get(x, y) == on && rng.chance(density))
                c.put(x, y, dot);
}

// ---- the thirteen heads ----------------------------------------------------

// 0: short spiky hair.
void head0(Canvas& c, View v, const Pose& p)
{
    Rgb skin = skins[0];
    if (v == View::Back) {
        backHead(c, skin, hair);
        for (int i = 0; i < 4; ++i)
            c.triangle(8 + i * 4.5f, 12, 11 + i * 4.5f, 4, 13 + i * 4.5f, 11, hair);
        c.rect(10, 21, 21, 23, hairShade);
        c.line(12, 12, 14, 18, hairShade);
        c.line(19, 12, 18, 19, hairShade);
        return;
    }
    if (v == View::Front) {
        frontFace(c, skin);
        c.ellipse(16, 12, 9, 4.5f, hair);
        c.rect(7, 12, 9, 17, hair);
        c.rect(22, 12, 24, 17, hair);
        c.triangle(7, 11, 9, 3, 13, 9, hair);
        c.triangle(11, 9, 15, 2, 18, 9, hair);
        c.triangle(16, 9, 21, 3, 24, 11, hair);
        for (int i = 0; i < 4; ++i)
            c.triangle(9 + i * 4, 13, 12 + i * 4, 13, 10.5f + i * 4, 16, hair);
        c.line(11, 10, 13, 13, hairShade);
        c.line(20, 10, 19, 13, hairShade);
        frontFeatures(c, p);
        return;
    }
    sideFace(c, skin);
    c.ellipse(14, 12, 9, 5, hair);
    c.rect(7, 12, 12, 20, hair);
    c.triangle(6, 12, 4, 5, 11, 9, hair);
    c.triangle(9, 8, 10, 2, 15, 8, hair);
    c.triangle(14, 8, 19, 2, 20, 9, hair);
    c.triangle(19, 10, 24, 7, 22, 13, hair);
    c.line(9, 14, 11, 19, hairShade);
    c.ellipse(13, 18, 2, 2.5f, shadeOf(skin));
    sideFeatures(c, p);
}

// 1: baseball cap.
void head1(Canvas& c, View v, const Pose& p)
{
    Rgb skin = skins[1];
    if (v == View::Front) {
        frontFace(c, skin);
        c.ellipse(16, 12, 9, 6, hair);
        c.rect(7, 12, 24, 12, hair);
        c.ellipse(16, 13.5f, 10, 2, hairShade);
        c.rect(15, 6, 16, 6, hairDeep);
        frontFeatures(c, p);
        c.rect(8, 14, 9, 17, Rgb(60, 40, 30));
        c.rect(22, 14, 23, 17, Rgb(60, 40, 30));
        return;
    }
    sideFace(c, skin);
    c.ellipse(14, 12, 8.5f, 6, hair);
    c.rect(6, 12, 22, 13, hair);
    c.polygon({19, 12, 29, 13, 29, 15, 19, 15}, hairShade);
    c.rect(6, 13, 10, 16, Rgb(60, 40, 30));
    c.rect(8, 10, 9, 11, hairDeep);
    c.ellipse(13, 18, 2, 2.5f, shadeOf(skin));
    sideFeatures(c, p);
}

// 2: long hair with a straight fringe.
void head2(Canvas& c, View v, const Pose& p)
{
    Rgb skin = skins[2];
    auto mane = [&](int left, int right) {
        c.ellipse((left + right) / 2.0f + 0.5f, 15, (right - left) / 2.0f + 0.5f, 9, hair);
        c.rect(left, 15, right, 27, hair);
    };
    if (v == View::Back) {
        mane(6, 25);
        for (int x = 9; x <= 22; x += 4)
            c.line(x, 12, x + 1, 26, hairShade);
        c.rect(6, 26, 25, 27, hairShade);
        return;
    }
    if (v == View::Front) {
        mane(6, 25);
        c.rect(10, 20, 21, 27, hairDeep);
        frontFace(c, skin, false);
        c.ellipse(16, 11, 8.5f, 4.5f, hair);
        c.rect(8, 11, 23, 13, hair);
        for (int x = 9; x <= 22; x += 3)
            c.put(x, 13, hairShade);
        c.line(7, 15, 7, 26, hairShade);
        c.line(24, 15, 24, 26, hairShade);
        frontFeatures(c, p);
        return;
    }
    c.ellipse(12, 15, 7, 9, hair);
    c.rect(5, 15, 13, 27, hair);
    c.line(8, 14, 9, 26, hairShade);
    sideFace(c, skin, false);
    c.ellipse(14, 11, 9, 4.5f, hair);
    c.rect(6, 11, 14, 20, hair);
    c.rect(18, 11, 22, 13, hair);
    c.line(11, 12, 12, 22, hairShade);
    sideFeatures(c, p);
}

// 3: knight's helmet with a plume.
void head3(Canvas& c, View v, const Pose& p)
{
    const Rgb plume{210, 40, 40}, plumeDark{140, 20, 20}, glint{255, 220, 80};
    if (v == View::Side) {
        c.polygon({11, 8, 6, 3, 2, 8, 4, 11, 9, 10}, plume);
        c.line(5, 5, 9, 9, plumeDark);
        c.rect(10, 23, 18, 27, hairShade);
        c.circle(15, 16, 9.5f, hair);
        c.rect(16, 15, 25, 17, hair);
        c.rect(17, 16, 25, 16, black);
        if (!p.blink)
            c.put(21 + p.shift, 16, glint);
        for (int y = 19; y <= 22; y += 3)
            for (int x = 19; x <= 23; x += 2)
                c.put(x, y, hairDeep);
        c.line(9, 9, 9, 22, hairShade);
        c.rect(7, 22, 20, 23, hairShade);
        return;
    }
    c.polygon({14, 9, 17, 9, 21, 4, 18, 2, 14, 5}, plume);
    c.line(16, 7, 19, 3, plumeDark);
    c.rect(12, 23, 19, 27, hairShade);
    c.circle(16, 16, 9.5f, hair);
    c.rect(7, 22, 24, 23, hairShade);
    if (v == View::Back) {
        c.line(15, 7, 15, 21, hairShade);
        c.line(16, 7, 16, 21, hairShade);
        for (int x = 9; x <= 22; x += 4)
            c.put(x, 20, hairDeep);
        return;
    }
    c.rect(8, 16, 23, 17, black);
    c.rect(15, 9, 16, 21, hairShade);
    if (!p.blink) {
        c.put(12 + p.shift, 16, glint);
        c.put(19 + p.shift, 16, glint);
    }
    for (int y = 19; y <= 21; y += 2)
        for (int x = 10; x <= 21; x += 3)
            if (x < 14 || x > 17)
                c.put(x, y, hairDeep);
    c.arc(16, 16, 8, static_cast<float>(M_PI * 1.1), static_cast<float>(M_PI * 0.3), 1, hairShade);
}

// 4: hood with cat ears.
void head4(Canvas& c, View v, const Pose& p)
{
    Rgb skin = skins[4];
    const Rgb inner{244, 160, 176};
    if (v == View::Side) {
        c.rect(9, 22, 18, 27, hair);
        c.circle(15, 16, 9.5f, hair);
        c.triangle(9, 10, 10, 1, 16, 8, hair);
        c.triangle(11, 8, 11, 4, 14, 8, inner);
        c.ellipse(20, 18, 5, 6, skin);
        c.rect(24, 17, 24, 18, skin);
        c.line(9, 12, 9, 24, hairShade);
        c.put(16, 14, hairShade);
        sideFeatures(c, p);
        return;
    }
    c.rect(11, 22, 20, 27, hair);
    c.circle(16, 16.5f, 10, hair);
    c.triangle(6, 12, 8, 1, 14, 8, hair);
    c.triangle(26, 12, 24, 1, 18, 8, hair);
    c.triangle(8, 9, 9, 4, 12, 8, inner);
    c.triangle(24, 9, 23, 4, 20, 8, inner);
    c.circle(16, 18, 6.5f, skin);
    c.arc(16, 18, 7.5f, 0, static_cast<float>(2 * M_PI), 1, hairShade);
    frontFeatures(c, p);
    c.put(16 + p.shift, 20, Rgb(220, 100, 110)); // nose
    c.put(15 + p.shift, 20, Rgb(220, 100, 110));
}

// 5: afro.
void head5(Canvas& c, View v, const Pose& p)
{
    Rgb skin = skins[5];
    if (v == View::Side) {
        c.ellipse(13, 12, 10.5f, 9.5f, hair);
        speckle(c, hair, hairShade, seedFor("afro-side"), 0.12);
        sideFace(c, skin);
        c.ellipse(13, 10, 9, 5, hair);
        c.rect(6, 10, 11, 19, hair);
        c.ellipse(13, 18, 2, 2.5f, shadeOf(skin));
        sideFeatures(c, p);
        return;
    }
    c.ellipse(16, 12, 11.5f, 9.5f, hair);
    speckle(c, hair, hairShade, seedFor("afro"), 0.12);
    frontFace(c, skin);
    c.ellipse(16, 11, 8.5f, 3.5f, hair);
    frontFeatures(c, p);
    c.rect(15 + p.shift, 19, 16 + p.shift, 19, scaled(skin, 0.7));
}

// 6: pirate bandana with a patch over the left eye.
void head6(Canvas& c, View v, const Pose& p)
{
    Rgb skin = skins[6];
    const Rgb stubble = scaled(skin, 0.82);
    if (v == View::Side) {
        // Knot and tails at the back of the head.
        c.polygon({8, 12, 2, 17, 3, 20, 7, 16}, hairShade);
        c.polygon({8, 12, 4, 22, 6, 23, 9, 15}, hair);
        sideFace(c, skin);
        c.ellipse(14, 11.5f, 9, 5, hair);
        c.rect(6, 11, 23, 13, hair);
        c.circle(7, 12, 2.5f, hair);
        c.put(12, 9, hairDeep);
        c.put(17, 8, hairDeep);
        c.put(20, 11, hairDeep);
        c.rect(17, 20, 22, 22, stubble);
        sideFeatures(c, p, !p.leftSide);
        if (p.leftSide) {
            c.rect(18 + p.shift, 15, 21 + p.shift, 18, black);
            c.line(18, 15, 9, 14, black);
        } else {
            c.line(21, 14, 9, 15, black);
        }
        return;
    }
    frontFace(c, skin);
    c.ellipse(16, 11.5f, 9, 5, hair);
    c.rect(7, 11, 24, 13, hair);
    c.put(11, 9, hairDeep);
    c.put(16, 8, hairDeep);
    c.put(20, 10, hairDeep);
    c.put(13, 12, hairDeep);
    // Knot on the wearer's left (our right) with its tails.
    c.circle(25, 12, 2, hair);
    c.polygon({25, 13, 29, 20, 27, 21, 24, 14}, hairShade);
    c.rect(11, 20, 20, 23, stubble);
    frontFeatures(c, p, true, false);
    c.rect(17 + p.shift, 15, 20 + p.shift, 18, black);
    c.line(17, 15, 9, 13, black);
    c.line(20, 15, 23, 13, black);
}

// 7: side-swept fringe over the right eye and a ponytail on the left.
void head7(Canvas& c, View v, const Pose& p)
{
    Rgb skin = skins[7];
    const Rgb tie{236, 60, 130};
    if (v == View::Side) {
        if (p.leftSide) {
            c.ellipse(5, 19, 3, 5, hair);
            c.line(4, 16, 5, 23, hairShade);
            c.rect(6, 14, 8, 15, tie);
        }
        sideFace(c, skin);
        c.ellipse(14, 11.5f, 9, 5, hair);
        c.rect(6, 11, 12, 20, hair);
        if (p.leftSide) {
            c.rect(16, 11, 22, 13, hair);
            sideFeatures(c, p);
        } else {
            // The fringe falls over this eye.
            c.polygon({14, 10, 24, 12, 23, 16, 20, 19, 17, 15}, hair);
            c.line(18, 13, 20, 18, hairShade);
            sideFeatures(c, p, false);
        }
        c.ellipse(13, 18, 2, 2.5f, shadeOf(skin));
        return;
    }
    // Ponytail on our right.
    c.ellipse(26, 19, 3, 5, hair);
    c.line(26, 16, 27, 23, hairShade);
    c.rect(24, 13, 26, 14, tie);
    frontFace(c, skin);
    c.ellipse(16, 11.5f, 9, 5, hair);
    c.rect(22, 12, 24, 16, hair);
    frontFeatures(c, p, false, true);
    // Sweeping fringe from our right over the left-hand eye.
    c.polygon({24, 10, 20, 13, 15, 14, 12, 17, 9, 20, 7, 17, 8, 9, 16, 8}, hair);
    c.line(19, 11, 13, 15, hairShade);
    c.line(15, 10, 10, 16, hairShade);
}

// 8: top hat and moustache.
void head8(Canvas& c, View v, const Pose& p)
{
    Rgb skin = skins[8];
    const Rgb band{190, 40, 40}, tache{92, 56, 30};
    if (v == View::Side) {
        sideFace(c, skin);
        c.rect(8, 11, 11, 16, Rgb(92, 56, 30));
        c.rect(5, 9, 24, 10, hairShade);
        c.rect(8, 2, 20, 8, hair);
        c.rect(8, 2, 9, 8, hairShade);
        c.rect(8, 6, 20, 7, band);
        c.ellipse(13, 18, 2, 2.5f, shadeOf(skin));
        sideFeatures(c, p, true, false);
        c.rect(20, 20, 24, 21, tache);
        c.put(25, 19, tache);
        return;
    }
    frontFace(c, skin);
    c.rect(8, 11, 9, 16, Rgb(92, 56, 30));
    c.rect(22, 11, 23, 16, Rgb(92, 56, 30));
    c.rect(6, 9, 25, 10, hairShade);
    c.rect(10, 2, 21, 8, hair);
    c.rect(19, 2, 21, 8, hairShade);
    c.rect(10, 6, 21, 7, band);
    frontFeatures(c, p, true, true, false, false);
    int s = p.shift;
    c.rect(12 + s, 20, 19 + s, 21, tache);
    c.put(11 + s, 19, tache);
    c.put(20 + s, 19, tache);
    c.rect(15 + s, 23, 16 + s, 23, mouthCol);
}

// 9: horned helmet and a red beard.
void head9(Canvas& c, View v, const Pose& p)
{
    Rgb skin = skins[9];
    const Rgb horn{240, 230, 200}, hornTip{200, 180, 140}, beard{220, 120, 40}, beardDark{160, 80, 20};
    if (v == View::Back) {
        backHead(c, skin, beard);
        c.line(12, 18, 12, 24, beardDark);
        c.line(19, 18, 19, 24, beardDark);
        c.polygon({8, 12, 3, 8, 2, 2, 6, 6, 10, 9}, horn);
        c.polygon({23, 12, 28, 8, 29, 2, 25, 6, 21, 9}, horn);
        c.ellipse(16, 12, 9, 6, hair);
        c.rect(7, 12, 24, 13, hairShade);
        c.line(15, 6, 15, 12, hairShade);
        return;
    }
    if (v == View::Side) {
        sideFace(c, skin);
        c.polygon({7, 11, 3, 6, 4, 2, 5, 6, 10, 9}, horn);
        c.put(4, 2, hornTip);
        c.ellipse(14, 12, 8.5f, 6, hair);
        c.rect(6, 12, 22, 13, hairShade);
        c.polygon({17, 9, 23, 5, 25, 2, 25, 6, 20, 11}, horn);
        c.put(25, 2, hornTip);
        c.polygon({14, 19, 24, 19, 23, 24, 17, 27, 13, 24}, beard);
        c.line(16, 21, 18, 25, beardDark);
        c.ellipse(13, 18, 2, 2.5f, shadeOf(skin));
        sideFeatures(c, p, true, false);
        return;
    }
    frontFace(c, skin);
    c.polygon({8, 12, 3, 8, 2, 2, 6, 6, 10, 9}, horn);
    c.polygon({23, 12, 28, 8, 29, 2, 25, 6, 21, 9}, horn);
    c.put(2, 2, hornTip);
    c.put(29, 2, hornTip);
    c.ellipse(16, 12, 9, 6, hair);
    c.rect(7, 12, 24, 13, hairShade);
    c.rect(15, 13, 16, 17, hairShade);
    for (int x = 9; x <= 22; x += 4)
        c.put(x, 12, hairDeep);
    c.polygon({8, 19, 24, 19, 22, 25, 16, 27, 10, 25}, beard);
    c.line(12, 21, 13, 25, beardDark);
    c.line(19, 21, 18, 25, beardDark);
    frontFeatures(c, p, true, true, false, false);
    c.rect(14 + p.shift, 20, 17 + p.shift, 20, mouthCol);
}

// 10: robot.
void head10(Canvas& c, View v, const Pose& p)
{
    const Rgb lens{60, 230, 255}, bulb{255, 60, 50};
    int left = v == View::Side ? 8 : 7, right = v == View::Side ? 23 : 24;
    c.rect(13, 23, 18, 27, hairDeep);
    c.line(16, 3, 16, 7, hairDeep);
    c.rect(15, 2, 17, 3, bulb);
    c.rect(left, 7, right, 24, hair);
    c.rect(left, 22, right, 24, hairShade);
    c.rect(right - 1, 7, right, 24, hairShade);
    if (v == View::Back) {
        c.rect(10, 11, 21, 19, hairShade);
        for (auto [x, y] : {std::pair{11, 12}, {20, 12}, {11, 18}, {20, 18}})
            c.put(x, y, hairDeep);
        c.rect(5, 13, 6, 18, hairShade);
        c.rect(25, 13, 26, 18, hairShade);
        return;
    }
    if (v == View::Side) {
        c.rect(17, 11, 23, 17, black);
        if (!p.blink)
            c.rect(20 + p.shift, 13, 21 + p.shift, 14, lens);
        c.rect(11, 13, 13, 18, hairShade);
        c.rect(18, 20, 23, 20, hairDeep);
        return;
    }
    c.rect(5, 13, 6, 18, hairShade);
    c.rect(25, 13, 26, 18, hairShade);
    c.rect(9, 11, 22, 17, black);
    if (!p.blink) {
        c.rect(11 + p.shift, 13, 13 + p.shift, 14, lens);
        c.rect(18 + p.shift, 13, 20 + p.shift, 14, lens);
    }
    c.rect(11, 19, 20, 21, hairDeep);
    for (int x = 12; x <= 19; x += 2)
        c.rect(x, 19, x, 21, black);
}

// 11: wizard's hat and a white beard.
void head11(Canvas& c, View v, const Pose& p)
{
    Rgb skin = skins[11];
    const Rgb beard{246, 244, 236}, beardShade{210, 206, 196}, star{250, 220, 60};
    if (v == View::Back) {
        backHead(c, skin, beard);
        c.rect(9, 17, 22, 26, beard);
        c.line(13, 18, 13, 25, beardShade);
        c.line(18, 18, 18, 25, beardShade);
        c.ellipse(16, 10, 11, 2, hairShade);
        c.polygon({8, 10, 12, 6, 15, 2, 24, 2, 19, 5, 24, 10}, hair);
        c.put(14, 7, star);
        return;
    }
    if (v == View::Side) {
        sideFace(c, skin);
        c.rect(7, 11, 12, 22, beard);
        c.polygon({13, 19, 24, 19, 22, 25, 17, 27, 14, 24}, beard);
        c.line(17, 21, 19, 25, beardShade);
        c.ellipse(14, 10, 11, 2, hairShade);
        c.polygon({6, 10, 11, 5, 8, 2, 3, 2, 14, 2, 19, 6, 22, 10}, hair);
        c.put(15, 7, star);
        c.put(10, 4, star);
        c.ellipse(13, 17, 2, 2.5f, shadeOf(skin));
        sideFeatures(c, p, true, false);
        c.rect(18 + p.shift, 14, 21 + p.shift, 14, beard);
        return;
    }
    frontFace(c, skin);
    c.polygon({8, 19, 24, 19, 22, 25, 16, 27, 10, 25}, beard);
    c.line(12, 21, 13, 25, beardShade);
    c.line(19, 21, 18, 25, beardShade);
    c.ellipse(16, 10, 11, 2, hairShade);
    c.polygon({8, 10, 12, 6, 15, 2, 24, 2, 19, 5, 24, 10}, hair);
    c.put(13, 7, star);
    c.put(18, 4, star);
    c.put(20, 8, star);
    frontFeatures(c, p, true, true, false, false);
    c.rect(11 + p.shift, 14, 14 + p.shift, 14, beard);
    c.rect(17 + p.shift, 14, 20 + p.shift, 14, beard);
    c.rect(14 + p.shift, 20, 17 + p.shift, 20, beardShade);
}

// 12: space helmet with a visor.
void head12(Canvas& c, View v, const Pose& p)
{
    Rgb skin = skins[12];
    const Rgb glass{40, 60, 124}, glint{160, 210, 255}, faceBehindGlass{190, 150, 140};
    c.rect(10, 23, 21, 27, hairShade);
    if (v == View::Side) {
        c.circle(15, 16, 10, hairShade);
        c.circle(14.5f, 15.5f, 9, hair);
        c.ellipse(21, 16, 4, 6, glass);
        c.ellipse(21, 17, 2.5f, 4, faceBehindGlass);
        if (!p.blink)
            c.put(21 + p.shift, 16, black);
        c.put(19, 12, glint);
        c.put(20, 11, glint);
        c.rect(8, 13, 10, 19, hairDeep);
        return;
    }
    c.circle(16, 16, 10, hairShade);
    c.circle(15.5f, 15.5f, 9, hair);
    c.rect(26, 9, 27, 13, hairDeep);
    c.ellipse(16, 16, 7, 5.5f, glass);
    c.ellipse(16, 17, 5, 4, faceBehindGlass);
    (void)skin;
    if (!p.blink) {
        c.put(13 + p.shift, 16, black);
        c.put(18 + p.shift, 16, black);
    }
    c.rect(15 + p.shift, 19, 16 + p.shift, 19, mouthCol);
    c.put(11, 13, glint);
    c.put(12, 12, glint);
    c.put(13, 12, glint);
}

void drawHead(Canvas& c, int head, View v, const Pose& p)
{
    using Fn = void (*)(Canvas&, View, const Pose&);
    static const Fn heads[13] = {head0, head1, head2, head3, head4, head5, head6,
                                 head7, head8, head9, head10, head11, head12};
    heads[head](c, v, p);
    c.outline(black);
}

} // namespace

Canvas makeHeadSprite(const std::string& name)
{
    // "Head" + n + "_" + frame
    size_t underscore = name.find('_');
    if (name.rfind("Head", 0) != 0 || underscore == std::string::npos)
        throw std::runtime_error("not a head sprite: " + name);
    int head = std::stoi(name.substr(4, underscore - 4));
    std::string frame = name.substr(underscore + 1);
    if (head < 0 || head > 12)
        throw std::runtime_error("no such head: " + name);

    if (frame == "Crawl_R" || frame == "Crawl_L") {
        bool left = frame == "Crawl_L";
        Canvas profile(32, 28);
        Pose pose;
        pose.leftSide = left;
        drawHead(profile, head, View::Side, pose);
        // Lying face down: the neck joins the body on one edge, the crown leads.
        Canvas out(32, 32);
        if (left)
            out.blit(profile.mirrored().rotatedAnticlockwise(), 4, 0);
        else
            out.blit(profile.rotatedClockwise(), 0, 0);
        return out;
    }

    Canvas c(32, 28);
    Pose pose;
    View view = View::Front;
    char kind = frame[0];
    std::string group = frame.substr(2);
    if (kind == 'U')
        view = View::Back;
    else if (kind == 'R' || kind == 'L')
        view = View::Side;
    pose.leftSide = kind == 'L';
    if (view == View::Side) {
        if (group == "14")
            pose.blink = true;
        else if (group == "23")
            pose.shift = 1;
        else if (group == "56")
            pose.mouthOpen = true;
    } else {
        if (group == "23")
            pose.shift = -1;
        else if (group == "56")
            pose.shift = 1;
    }
    drawHead(c, head, view, pose);
    if (kind == 'L')
        return c.mirrored();
    return c;
}
