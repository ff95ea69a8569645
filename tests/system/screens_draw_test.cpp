// The results, photo, credits and pause screens drawn on a real display
// (needs an X server), with the screenshots of the closing note.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "frame/config.h"
#include "frame/display/display.h"
#include "frame/game_ids.h"
#include "frame/screen_size.h"
#include "game/game_options.h"
#include "game/player.h"
#include "game/draw/player_sprite_cache.h"
#include "game/round_state.h"
#include "media/bitmap_draw.h"
#include "media/player_look.h"
#include "media/primitives.h"
#include "media/sprites.h"
#include "menus/credits_screen.h"
#include "menus/lootbox_room_screen.h"
#include "menus/menu_layout.h"
#include "menus/pause_screen.h"
#include "menus/trophy_layout.h"
#include "menus/trophy_room_screen.h"
#include "support/arena_display.h"
#include "support/log_capture.h"
#include "support/scripted_controls.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

const Rgba black{0, 0, 0, 255};

class ScreensDrawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureArenaDisplay();
        fillMenuLayouts();
        savedOptions_ = gameOptions;
        gameOptions = GameOptions{};
    }
    void TearDown() override
    {
        gameOptions = savedOptions_;
        player.clear();
        clearPlayerSpriteCache();
    }

    // A result row of `count` players with these wins.
    ScoringEntity row(int previousWins, int wins, int count = 1)
    {
        ScoringEntity e;
        e.previousWins = previousWins;
        e.wins = wins;
        for (int i = 0; i < count; ++i) {
            const int index = int(players_.size());
            players_.push_back(std::make_shared<Player>(index + 1, 0, -1, playerLookForIndex(index),
                                                        std::make_shared<ScriptedControls>()));
            e.players.push_back(players_.back());
        }
        return e;
    }
    // The room on its own screen size, run until it is open to SPACE.
    static TrophyRoom openRoom(std::vector<ScoringEntity> rows)
    {
        createScreenBitmap(trophyScreenSizeId(int(rows.size())));
        TrophyRoom room(std::move(rows), false, "", screenWidth, screenHeight);
        while (room.stage() < TrophyRoom::interactiveStage)
            room.update();
        return room;
    }

    std::vector<std::shared_ptr<Player>> players_;
    LogCapture log_;

private:
    GameOptions savedOptions_;
};

TEST_F(ScreensDrawing, TheFinalScoreShowsTrophiesAndTheChampionsLeap)
{
    gameOptions.winsNeeded = 3;
    TrophyRoom room = openRoom({row(1, 2), row(2, 3, 2)});
    room.render();
    {
        CanvasPixels pixels;
        // Trophies at 156 + 48k, eight below each row's top.
        for (int k = 0; k < 3; ++k)
            EXPECT_GT(pixels.countOther(trophyX(k), trophyRowY(2, 2, 480) + 8, trophyX(k) + 32,
                                        trophyRowY(2, 2, 480) + 40, black),
                      100)
                << "trophy " << k;
        EXPECT_EQ(pixels.countOther(trophyX(2), trophyRowY(1, 2, 480) + 8, trophyX(2) + 32,
                                    trophyRowY(1, 2, 480) + 40, black),
                  0)
            << "the first row has two";
        // The players stand at the left of their rows.
        EXPECT_GT(pixels.countOther(40, trophyRowY(1, 2, 480), 110, trophyRowY(1, 2, 480) + 64, black), 200);
    }
    // The champions rise from where they stood.
    const TrophyJump before = room.jumps.at(players_[1].get());
    ASSERT_TRUE(before.placed());
    for (int i = 0; i < 10; ++i)
        room.update();
    room.render();
    EXPECT_LT(room.jumps.at(players_[1].get()).y, before.y);
    const fs::path shot = saveCanvasScreenshot("trophy_room");
    EXPECT_GT(fs::file_size(shot), 1000u);
}

TEST_F(ScreensDrawing, SeventeenRowsFillTheTallestScreen)
{
    std::vector<ScoringEntity> rows;
    for (int i = 0; i < 17; ++i)
        rows.push_back(row(i % 3, i % 3 + (i == 4), 1 + i % 4));
    TrophyRoom room = openRoom(rows);
    EXPECT_EQ(screenHeight, 960);
    room.render();
    CanvasPixels pixels;
    for (int i = 1; i <= 17; ++i) {
        const int y = trophyRowY(i, 17, 960);
        EXPECT_GT(pixels.countOther(0, y - 10, 160, y + 60, black), 50) << "row " << i;
    }
    saveCanvasScreenshot("trophy_room_17_rows");
}

TEST_F(ScreensDrawing, ANewPhotoShowsCentredWithItsCaptionAndThePrompt)
{
    TempFolder folder;
    ALLEGRO_CONFIG* saved = config;
    const std::string savedPath = configPath;
    config = al_create_config();
    configPath = (folder.path() / "tamwick.cfg").string();
    createScreenBitmap(0);
    {
        LootboxRoom room(0, 10);
        while (!room.onDisplay())
            room.update(1.0 / 60);
        room.render();
        CanvasPixels pixels;
        // The 640 x 480 photo in the middle of the 1920 x 1080 screen.
        EXPECT_GT(pixels.countOther(640, 300, 1280, 780, black), 200000);
        EXPECT_EQ(pixels.countOther(0, 300, 600, 780, black), 0);
        EXPECT_GT(pixels.countOther(800, 30, 1120, 70, black), 50) << "the caption";
        EXPECT_GT(pixels.countOther(600, 1020, 1320, 1060, black), 200) << "the prompt";
        saveCanvasScreenshot("lootbox_room");
    }
    al_destroy_config(config);
    config = saved;
    configPath = savedPath;
}

TEST_F(ScreensDrawing, TheCreditsShowTheDriftingLogoOverTheLines)
{
    createScreenBitmap(0);
    CreditsScreen screen(screenWidth, screenHeight);
    for (int i = 0; i < 350; ++i)
        screen.update();
    screen.render();
    auto first = std::make_unique<CanvasPixels>();
    // The title logo at the top and the lines from 190 down.
    EXPECT_GT(first->countOther(760, 0, 1160, 150, black), 1000);
    EXPECT_GT(first->countOther(700, 190, 1220, 260, black), 500);
    saveCanvasScreenshot("credits");
    // Only the studio logo moves: a second later much of the picture differs.
    for (int i = 0; i < 60; ++i)
        screen.update();
    screen.render();
    CanvasPixels second;
    int changed = 0;
    for (int y = 0; y < 1080; y += 4)
        for (int x = 0; x < 1920; x += 4)
            changed += first->at(x, y) != second.at(x, y);
    EXPECT_GT(changed, 500);
}

TEST_F(ScreensDrawing, ThePauseMenuOverTheDarkenedPicture)
{
    createScreenBitmap(0);
    drawFilledRectangle(screenBitmap->bitmap, 0, 0, 1920, 1080, al_map_rgb(200, 40, 40));
    PauseScreen screen(true);
    screen.render();
    CanvasPixels pixels;
    const Rgba corner = pixels.at(1900, 1060);
    EXPECT_NEAR(corner[0], 200 / 8, 3);
    EXPECT_GT(pixels.countOther(660, 100, 1260, 300, corner), 1000) << "the entries";
    saveCanvasScreenshot("pause_menu");
}

}
