#include <gtest/gtest.h>

#include <allegro5/allegro_image.h>
#include <unistd.h>

#include <filesystem>

#include "frame/lookup_tables.h"
#include "frame/names.h"
#include "media/image_search.h"
#include "media/sprites.h"
#include "support/checks.h"
#include "support/placeholder_assets.h"
#include "support/temp_folder.h"
#include "support/working_folder.h"

namespace fs = std::filesystem;

namespace {

// A fresh tree of small images; the loaders' index is dropped before and after.
class ImageSearchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensurePlaceholderWriter();
        forgetImageIndex();
    }
    void TearDown() override
    {
        destroySprites();
        forgetImageIndex();
    }

    void image(const fs::path& relative, int width = 8) { writePlaceholderImage(tree_.path() / relative, width, 6); }
    std::string at(const char* relative) const { return (tree_.path() / relative).string(); }

    // The width of the image loadImage finds for `name` in the working folder.
    static int loadedWidth(const std::string& name)
    {
        ALLEGRO_BITMAP* bitmap = loadImage(imageExtensions, name);
        int width = al_get_bitmap_width(bitmap);
        al_destroy_bitmap(bitmap);
        return width;
    }

    TempFolder tree_;
};

}

TEST_F(ImageSearchTest, EarlierExtensionWinsWithinAFolder)
{
    for (const char* file : {"gfx/Bomb1.png", "gfx/Bomb1.tga", "gfx/Bomb1.jpeg", "gfx/Crest.jpeg", "gfx/Crest.bmp"})
        image(file);
    ImageSearch search(tree_.path());
    EXPECT_EQ(search.find(imageExtensions, "Bomb1"), at("gfx/Bomb1.tga"));
    EXPECT_EQ(search.find(imageExtensions, "Crest"), at("gfx/Crest.bmp"));
    EXPECT_EQ(search.find({".png"}, "Bomb1"), at("gfx/Bomb1.png"));
}

TEST_F(ImageSearchTest, EarlierFolderOfTheWalkWinsOverABetterExtension)
{
    for (const char* file : {"a/Trophy.png", "b/Trophy.png", "b/Trophy.tga", "c/deep/Trophy.png",
                             "c/deep/Trophy.tga", "d/Trophy.png"})
        image(file);
    // The folders in the order a recursive directory walk visits them.
    std::vector<std::string> order;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(tree_.path()))
        if (entry.is_directory())
            order.push_back(entry.path().string());
    ImageSearch search(tree_.path());
    EXPECT_EQ(search.folders(), order);
    // Whichever folder the walk reaches first holds the answer, whatever its extension.
    std::string first = order.front() == at("c") ? at("c/deep") : order.front();
    std::string expected = first + "/Trophy" + (fs::exists(first + "/Trophy.tga") ? ".tga" : ".png");
    EXPECT_EQ(search.find(imageExtensions, "Trophy"), expected);
}

TEST_F(ImageSearchTest, LoadingSearchesBelowTheWorkingFolderOnlyAndNamesWhatFails)
{
    image("Trophy.png");
    image("Crest.png", 5);
    image("sub/Crest.jpg");
    image("gfx/Bomb1.png");
    writeFile(tree_.path() / "gfx/Bomb1.tga", "not a picture");
    ScopedWorkingFolder here(tree_.path());
    const std::string in = " (in " + fs::canonical(tree_.path()).string() + ")";
    EXPECT_EQ(thrownBy([] { loadImage(imageExtensions, "Trophy"); }), "Image not found: Trophy" + in);
    EXPECT_EQ(loadedWidth("Crest"), 8);
    EXPECT_EQ(thrownBy([] { loadImage(imageExtensions, "Bomb1"); }), "Error loading ./gfx/Bomb1.tga" + in);
}

TEST_F(ImageSearchTest, UnreadableFolderIsSkipped)
{
    for (const char* file : {"a/Trophy.png", "locked/Crest.png", "locked/inner/Trophy.tga", "z/Crest.png"})
        image(file);
    fs::permissions(tree_.path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                      fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(tree_.path() / "locked", fs::perms::none);
    // Run as an unprivileged user so the permissions hold even for root.
    EXPECT_EXIT(
        {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                std::_Exit(3);
            ImageSearch search(tree_.path());
            bool found = search.find(imageExtensions, "Crest") == at("z/Crest.png") &&
                         search.find(imageExtensions, "Trophy") == at("a/Trophy.png");
            std::_Exit(found ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(ImageSearchTest, StartUpLoadSkipsThePhotographsWhichLoadOnFirstUse)
{
    writePlaceholderRunFolder(tree_.path());
    ScopedWorkingFolder here(tree_.path());
    loadBitmaps(std::nullopt);
    for (int id = 0; id < spriteCount; ++id)
        EXPECT_EQ(sprites[id] == nullptr, lazySpriteIds.count(id) == 1) << spriteNames[id];
    // Head sprites are 32 x 28, and the transparency key is gone.
    int head = spriteIdByName("Head3_R_23");
    EXPECT_EQ(spriteWidth(head), 32);
    EXPECT_EQ(spriteHeight(head), 28);
    EXPECT_EQ(al_get_pixel(getBitmap(head), 0, 0).a, 0.0f);
    EXPECT_EQ(al_get_pixel(getBitmap(head), 5, 5).a, 1.0f);

    int photo = spriteIdByName("Owl2");
    EXPECT_EQ(spriteWidth(photo), 64);
    EXPECT_NE(sprites[photo], nullptr);
    destroySprites();
    EXPECT_EQ(sprites[head], nullptr);
}

TEST_F(ImageSearchTest, OutOfRangeSpriteIdsAndMissingSpritesGiveClearErrors)
{
    EXPECT_EQ(thrownBy([] { getBitmap(-1); }), "Sprite id out of range: -1");
    EXPECT_EQ(thrownBy([] { getBitmap(spriteCount); }), "Sprite id out of range: 259");
    EXPECT_EQ(thrownBy([] { loadBitmaps(300); }), "Sprite id out of range: 300");
    EXPECT_EQ(thrownBy([] { spriteIdByName("Head13_D_014"); }), "Unknown sprite: Head13_D_014");

    image("gfx/ZEV.png");
    image("gfx/Crest.png");
    ScopedWorkingFolder here(tree_.path());
    EXPECT_EQ(thrownBy([] { loadBitmaps(std::nullopt); }),
              "Image not found: Trophy (in " + fs::canonical(tree_.path()).string() + ")");
    // What loaded before the failure stays usable.
    EXPECT_NE(sprites[1], nullptr);
}
