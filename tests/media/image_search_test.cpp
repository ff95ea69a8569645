#include <gtest/gtest.h>

#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_ttf.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

#include "frame/lookup_tables.h"
#include "frame/names.h"
#include "media/fonts.h"
#include "media/image_search.h"
#include "media/sprites.h"
#include "support/placeholder_assets.h"
#include "support/temp_folder.h"
#include "support/working_folder.h"

namespace fs = std::filesystem;

namespace {

std::string thrownBy(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "nothing thrown";
}

// The folders below `root` in the order a recursive directory walk visits them.
std::vector<std::string> walkOrder(const fs::path& root)
{
    std::vector<std::string> folders;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root))
        if (entry.is_directory())
            folders.push_back(entry.path().string());
    return folders;
}

class ImageSearchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensurePlaceholderWriter();
        forgetImageIndex();
    }
    void TearDown() override { forgetImageIndex(); }

    void image(const fs::path& relative) { writePlaceholderImage(tree_.path() / relative, 8, 6); }

    TempFolder tree_;
};

}

TEST_F(ImageSearchTest, EarlierExtensionWinsWithinAFolder)
{
    image("gfx/Bomb1.png");
    image("gfx/Bomb1.tga");
    image("gfx/Bomb1.jpeg");
    image("gfx/Crest.jpeg");
    image("gfx/Crest.bmp");
    ImageSearch search(tree_.path());
    EXPECT_EQ(search.find(imageExtensions, "Bomb1"), (tree_.path() / "gfx/Bomb1.tga").string());
    EXPECT_EQ(search.find(imageExtensions, "Crest"), (tree_.path() / "gfx/Crest.bmp").string());
    EXPECT_EQ(search.find({".png"}, "Bomb1"), (tree_.path() / "gfx/Bomb1.png").string());
}

TEST_F(ImageSearchTest, EarlierFolderOfTheWalkWinsOverABetterExtension)
{
    for (const char* folder : {"a", "b", "c/deep", "d"})
        image(fs::path(folder) / "Trophy.png");
    image("b/Trophy.tga");
    image("c/deep/Trophy.tga");
    std::vector<std::string> order = walkOrder(tree_.path());
    ImageSearch search(tree_.path());
    EXPECT_EQ(search.folders(), order);
    // Whichever folder the walk reaches first holds the answer, whatever its extension.
    std::string first = order.front();
    std::string expected = first + "/Trophy" + (fs::exists(first + "/Trophy.tga") ? ".tga" : ".png");
    if (first == (tree_.path() / "c").string())
        expected = (tree_.path() / "c/deep/Trophy.tga").string();
    EXPECT_EQ(search.find(imageExtensions, "Trophy"), expected);
}

TEST_F(ImageSearchTest, TheWorkingFolderItselfIsNeverSearched)
{
    image("Trophy.png");
    image("Crest.png");
    image("sub/Crest.jpg");
    ScopedWorkingFolder here(tree_.path());
    EXPECT_EQ(thrownBy([] { loadImage(imageExtensions, "Trophy"); }), "Image not found: Trophy");
    ALLEGRO_BITMAP* crest = loadImage(imageExtensions, "Crest");
    ASSERT_NE(crest, nullptr);
    EXPECT_EQ(al_get_bitmap_width(crest), 8);
    al_destroy_bitmap(crest);
}

TEST_F(ImageSearchTest, UnloadableImageNamesItsPath)
{
    fs::create_directories(tree_.path() / "gfx");
    writeFile(tree_.path() / "gfx/Trophy.png", "not a picture");
    ScopedWorkingFolder here(tree_.path());
    EXPECT_EQ(thrownBy([] { loadImage(imageExtensions, "Trophy"); }), "Error loading ./gfx/Trophy.png");
}

TEST_F(ImageSearchTest, TheIndexIsRebuiltInAnotherWorkingFolder)
{
    TempFolder other;
    writePlaceholderImage(other.path() / "x/Trophy.png", 5, 7);
    image("y/Trophy.png");
    {
        ScopedWorkingFolder here(tree_.path());
        ALLEGRO_BITMAP* b = loadImage(imageExtensions, "Trophy");
        EXPECT_EQ(al_get_bitmap_width(b), 8);
        al_destroy_bitmap(b);
    }
    ScopedWorkingFolder there(other.path());
    ALLEGRO_BITMAP* b = loadImage(imageExtensions, "Trophy");
    EXPECT_EQ(al_get_bitmap_width(b), 5);
    al_destroy_bitmap(b);
}

TEST_F(ImageSearchTest, UnreadableFolderIsSkipped)
{
    image("a/Trophy.png");
    image("locked/Crest.png");
    image("locked/inner/Trophy.tga");
    image("z/Crest.png");
    fs::permissions(tree_.path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                      fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(tree_.path() / "locked", fs::perms::none);
    // Run as an unprivileged user so the permissions hold even for root.
    EXPECT_EXIT(
        {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                std::_Exit(3);
            ImageSearch search(tree_.path());
            bool crestFound = search.find(imageExtensions, "Crest") ==
                              (tree_.path() / "z/Crest.png").string();
            bool trophyFound = search.find(imageExtensions, "Trophy") ==
                               (tree_.path() / "a/Trophy.png").string();
            std::_Exit(crestFound && trophyFound ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(Sprites, StartUpLoadSkipsThePhotographsWhichLoadOnFirstUse)
{
    ensurePlaceholderWriter();
    TempFolder tree;
    writePlaceholderRunFolder(tree.path());
    ScopedWorkingFolder here(tree.path());
    forgetImageIndex();
    loadBitmaps(std::nullopt);
    for (int id = 0; id < spriteCount; ++id)
        EXPECT_EQ(sprites[id] == nullptr, lazySpriteIds.count(id) == 1) << spriteNames[id];
    EXPECT_EQ(lazySpriteIds.size(), 30u);
    // Head sprites are 32 x 28, and the transparency key is gone.
    int head = spriteIdByName("Head3_R_23");
    EXPECT_EQ(spriteWidth(head), 32);
    EXPECT_EQ(spriteHeight(head), 28);
    ALLEGRO_COLOR corner = al_get_pixel(getBitmap(head), 0, 0);
    EXPECT_EQ(corner.a, 0.0f);
    ALLEGRO_COLOR inside = al_get_pixel(getBitmap(head), 5, 5);
    EXPECT_EQ(inside.a, 1.0f);

    int photo = spriteIdByName("Owl2");
    EXPECT_EQ(sprites[photo], nullptr);
    EXPECT_EQ(spriteWidth(photo), 64);
    EXPECT_NE(sprites[photo], nullptr);
    destroySprites();
    EXPECT_EQ(sprites[head], nullptr);
    forgetImageIndex();
}

TEST(Sprites, OutOfRangeIdsAndMissingImagesGiveClearErrors)
{
    ensurePlaceholderWriter();
    EXPECT_EQ(thrownBy([] { getBitmap(-1); }), "Sprite id out of range: -1");
    EXPECT_EQ(thrownBy([] { getBitmap(spriteCount); }), "Sprite id out of range: 259");
    EXPECT_EQ(thrownBy([] { loadBitmaps(300); }), "Sprite id out of range: 300");
    EXPECT_EQ(thrownBy([] { spriteIdByName("Head13_D_014"); }), "Unknown sprite: Head13_D_014");

    TempFolder tree;
    writePlaceholderSprites(tree.path(), "gfx", {"ZEV", "Crest"});
    ScopedWorkingFolder here(tree.path());
    forgetImageIndex();
    EXPECT_EQ(thrownBy([] { loadBitmaps(std::nullopt); }), "Image not found: Trophy");
    // What loaded before the failure stays usable.
    EXPECT_NE(sprites[1], nullptr);
    destroySprites();
    forgetImageIndex();
}

TEST(Fonts, LoadFromTheFontsFolderOrFailClearly)
{
    ensurePlaceholderWriter();
    al_init_font_addon();
    al_init_ttf_addon();
    TempFolder tree;
    {
        ScopedWorkingFolder here(tree.path());
        EXPECT_EQ(thrownBy(loadFonts), "Error loading fonts!");
        destroyFonts();
    }
    writePlaceholderRunFolder(tree.path());
    ScopedWorkingFolder here(tree.path());
    loadFonts();
    for (ALLEGRO_FONT* font : {builtinFont, font30, font24, font20, font64})
        ASSERT_NE(font, nullptr);
    EXPECT_EQ(al_get_font_line_height(builtinFont), 8);
    EXPECT_LT(al_get_font_line_height(font20), al_get_font_line_height(font24));
    EXPECT_LT(al_get_font_line_height(font30), al_get_font_line_height(font64));
    destroyFonts();
    EXPECT_EQ(font30, nullptr);
}
