#pragma once
#include <allegro5/allegro.h>
#include <optional>

// What setRecolour hands to the pixel shader.
struct RecolourSettings {
    // The colour to replace ("baseCol"); players' sprites are painted in this grey.
    ALLEGRO_COLOR baseCol{192 / 255.0f, 192 / 255.0f, 192 / 255.0f, 1.0f};
    // Replace every opaque colour, not only baseCol ("baseColAny").
    bool baseColAny = false;
    // The replacement ("newCol"); recolouring is on exactly when it is set.
    std::optional<ALLEGRO_COLOR> newCol;
    // An outline in the transparent pixels next to opaque ones ("outlineCol").
    std::optional<ALLEGRO_COLOR> outlineCol;
    // Greys darker than the base colour become a darker replacement ("doDarkCol").
    bool doDarkCol = false;
};

extern ALLEGRO_SHADER* recolourShader;
// True between setRecolour and useShader.
extern bool recolourActive;

// Builds the recolour shader from "shaders/vertex.glsl" and
// "shaders/pixel_recolour.glsl"; needs a display. Throws on failure.
void createShaders();
void destroyShaders();

// Turns the recolour shader on for the following draws and sends the settings.
void setRecolour(const RecolourSettings& settings);
// Back to Allegro's default shader.
void useShader();

// Sends the size of the bitmap about to be drawn while recolouring.
void setRecolourSourceSize(int width, int height);
// Called after every change of target: a shader belongs to the bitmap that was
// the target when it was taken into use, so it is bound again (or released).
void bindShaderToTarget();
