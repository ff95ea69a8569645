#include "game/draw/player_sprite_draw.h"

#include <algorithm>

#include "frame/accessibility_settings.h"
#include "frame/game_ids.h"
#include "game/game_options.h"
#include "game/draw/player_sprite_cache.h"
#include "media/bitmap_draw.h"
#include "media/colour.h"
#include "media/head_sets.h"
#include "media/player_body.h"
#include "media/recolour_shader.h"
#include "media/sprites.h"

namespace {

RecipePart recipePart(const SpritePart& part)
{
    return {part.spriteId, 0, part.mirrored};
}

Vector2 anchorOf(const SpritePart& part)
{
    return part.anchor.value_or(Vector2{0, 0});
}

SpriteRecipe snailRecipe(const SpriteState& state)
{
    SpriteRecipe recipe;
    recipe.parts = {{state.held ? SpriteId::SnailDown : SpriteId::Snail, 0, state.facing == Facing::Left}};
    recipe.offset = {0, -12};
    recipe.recolour = false;
    recipe.anyBaseColour = true;
    return recipe;
}

// Lying down, head leading: the body then the head, laid out rightwards and
// reversed when facing left.
SpriteRecipe crawlRecipe(const SpriteState& state)
{
    const Facing facing = state.facing == Facing::Left ? Facing::Left : Facing::Right;
    const bool left = facing == Facing::Left;
    // Frame 0 (a player not yet reset) shows the first crawl frame rather
    // than the sprite before it.
    const int bodyFrame = std::clamp(state.frame - 1, 0, 1);
    const SpritePart head = playerHeadSprite(state.look, facing, 0, true, false);
    const Vector2 anchor = anchorOf(head);
    SpriteRecipe recipe;
    recipe.parts = {{SpriteId::BodyCrawl0 + bodyFrame, 0, left}, recipePart(head)};
    recipe.offset = {(left ? -24 : -8) + anchor.x, anchor.y};
    recipe.recolour = true;
    recipe.vertical = false;
    recipe.reversed = left;
    return recipe;
}

SpriteRecipe walkRecipe(const SpriteState& state)
{
    const SpritePart head =
        playerHeadSprite(state.look, state.facing, state.frame, false, state.remoteArmed);
    const SpritePart body = playerBodySprite(state.facing, state.frame, state.remoteArmed);
    const Vector2 anchor = anchorOf(head);
    SpriteRecipe recipe;
    recipe.parts = {recipePart(head), recipePart(body)};
    recipe.offset = {anchor.x, anchor.y - 28};
    recipe.recolour = true;
    return recipe;
}

SpriteRecipe snakeRecipe(const SpriteState& state)
{
    const SpritePart head = playerHeadSprite(state.look, state.facing, 0, false, false);
    SpriteRecipe recipe;
    recipe.parts = {recipePart(head)};
    recipe.offset = {0, head.anchor ? head.anchor->y : 0};
    recipe.recolour = true;
    return recipe;
}

RecolourSettings recolourFor(const SpriteRecipe& recipe, const SpriteState& state)
{
    RecolourSettings settings;
    settings.baseCol = al_map_rgb(192, 192, 192);
    settings.baseColAny = recipe.anyBaseColour;
    if (state.shield == 2) {
        // The blink of an ending shield: everything base-coloured flashes white.
        settings.newCol = al_map_rgb(255, 255, 255);
        return settings;
    }
    if (recipe.recolour) {
        settings.newCol = state.look.colour;
        settings.doDarkCol = true;
    }
    if (state.shield == 1)
        settings.outlineCol = al_map_rgb(255, 255, 255);
    else if (accessibilitySettings.outlineEnabled)
        settings.outlineCol = toColour(accessibilitySettings.outlineCol);
    return settings;
}

BitmapPtr compose(SpriteRecipe recipe, const SpriteState& state)
{
    int width = 0, height = 0;
    for (const RecipePart& part : recipe.parts) {
        if (recipe.vertical) {
            height += spriteHeight(part.spriteId);
        } else {
            width += spriteWidth(part.spriteId);
        }
    }
    const int first = recipe.parts.front().spriteId;
    if (recipe.vertical)
        width = spriteWidth(first);
    else
        height = spriteHeight(first);

    auto bitmap = std::make_shared<BitmapWrapper>(width, height, true);
    setTargetAndClear(*bitmap, al_map_rgba(0, 0, 0, 0));
    if (recipe.reversed)
        std::reverse(recipe.parts.begin(), recipe.parts.end());

    setRecolour(recolourFor(recipe, state));
    int along = 0;
    for (const RecipePart& part : recipe.parts) {
        if (recipe.vertical) {
            drawBitmap(bitmap->bitmap, getBitmap(part.spriteId), part.xOffset, along, part.mirrored, 255);
            along += spriteHeight(part.spriteId);
        } else {
            drawBitmap(bitmap->bitmap, getBitmap(part.spriteId), along + part.xOffset, 0, part.mirrored, 255);
            along += spriteWidth(part.spriteId);
        }
    }
    useShader();
    return bitmap;
}

}

SpriteRecipe buildSpriteKey(const SpriteState& state)
{
    const bool human = !state.snake && !state.ai;
    if (human && state.slowed)
        return snailRecipe(state);
    if (human && state.held && !(state.dead && gameOptions.gameMode == GameMode::Everything))
        return crawlRecipe(state);
    if (human)
        return walkRecipe(state);
    return snakeRecipe(state);
}

PlayerSprite getSprite(const SpriteState& state)
{
    if (const PlayerSprite* cached = findPlayerSprite(state))
        return *cached;
    const SpriteRecipe recipe = buildSpriteKey(state);
    PlayerSprite sprite{compose(recipe, state), recipe.offset};
    storePlayerSprite(state, sprite);
    return sprite;
}
