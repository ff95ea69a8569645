// The loot-box room headless: counting, unlocking, the phobia settings and
// what reaches the configuration file.
#include <allegro5/allegro.h>

#include <filesystem>
#include <utility>

#include "frame/config.h"
#include "frame/config_option.h"
#include "frame/quit_request.h"
#include "frame/settings.h"
#include "menu_screen_fixture.h"
#include "menus/lootbox_items.h"
#include "menus/lootbox_room.h"
#include "menus/lootbox_room_screen.h"
#include "support/temp_folder.h"

namespace {

constexpr double dt = 1.0 / 60;

class LootboxRoomTest : public MenuScreenTest {
protected:
    void SetUp() override
    {
        MenuScreenTest::SetUp();
        savedConfig_ = config;
        savedPath_ = configPath;
        config = al_create_config();
        configPath = (folder.path() / "tamwick.cfg").string();
        for (auto* kind : kinds())
            kind->set(true);
    }
    void TearDown() override
    {
        for (auto* kind : kinds())
            kind->set(true);
        al_destroy_config(config);
        config = savedConfig_;
        configPath = savedPath_;
        MenuScreenTest::TearDown();
    }
    static std::vector<ConfigOptionWrapper<bool>*> kinds()
    {
        return {&catsEnabled, &dogsEnabled, &hamstersEnabled, &owlsEnabled, &ferretsEnabled};
    }

    // Updates until the count is over (the prompt shows or the photographs
    // begin); the update numbers at which the shown points changed.
    std::vector<int> countSteps(LootboxRoom& room)
    {
        std::vector<int> steps;
        int last = room.shownPoints();
        for (int update = 1; update < 100000 && room.phase() < 2 && !room.promptShown(); ++update) {
            room.update(dt);
            if (room.shownPoints() != last)
                steps.push_back(update);
            last = room.shownPoints();
        }
        return steps;
    }
    // The value of a key in the file on disk.
    std::string savedValue(const char* key)
    {
        std::unique_ptr<ALLEGRO_CONFIG, void (*)(ALLEGRO_CONFIG*)> saved(al_load_config_file(configPath.c_str()),
                                                                          al_destroy_config);
        const char* value = saved ? al_get_config_value(saved.get(), "lootbox", key) : nullptr;
        return value ? value : "";
    }

    void tapSpace(LootboxRoom& room) { tap(ALLEGRO_KEY_SPACE, [&] { room.update(dt); }); }

    TempFolder folder;

private:
    ALLEGRO_CONFIG* savedConfig_ = nullptr;
    std::string savedPath_;
};

TEST_F(LootboxRoomTest, ACountToTenUnlocksTheFirstPhotoAndShowsItAfterTwoSeconds)
{
    LootboxRoom room(0, 10);
    const std::vector<int> steps = countSteps(room);
    ASSERT_EQ(steps.size(), 10u);
    EXPECT_EQ(steps[0], 1) << "the first step at once";
    // Each step waits 0.25 s, 0.24 s, ... after the one before, to within an update.
    for (std::size_t k : {1u, 9u})
        EXPECT_NEAR((steps[k] - steps[k - 1]) * dt, 0.25 - 0.01 * double(k - 1) + dt / 2, dt / 2 + 1e-9) << k;
    EXPECT_EQ(room.shownPoints(), 10);
    EXPECT_TRUE(room.isUnlocked("Alien1"));
    EXPECT_FALSE(room.isUnlocked("Santa"));
    EXPECT_EQ(savedValue("Alien1"), "1") << "written at once, before the photo shows";

    // Two seconds after the count the photo shows with its caption and the prompt.
    run([&] { room.update(dt); }, 20);
    EXPECT_EQ(room.phase(), 2);
    EXPECT_FALSE(room.onDisplay());
    EXPECT_FALSE(room.promptShown());
    run([&] { room.update(dt); }, 125);
    ASSERT_TRUE(room.onDisplay());
    EXPECT_EQ(room.onDisplay()->caption, "A cat");
    EXPECT_EQ(room.onDisplay()->sprite, 229);
    EXPECT_TRUE(room.promptShown());
    EXPECT_FALSE(room.done());
    tapSpace(room);
    EXPECT_TRUE(room.done());
}

TEST_F(LootboxRoomTest, PhotosDueTogetherShowOneAfterAnotherInTableOrder)
{
    setConfigInt("lootbox", "Alien1", 1);
    LootboxRoom room(25, 30);
    countSteps(room);
    run([&] { room.update(dt); }, 200);
    // Santa's threshold lay below the stored points, but it was never
    // unlocked: the first step of this visit unlocks it too.
    ASSERT_TRUE(room.onDisplay());
    EXPECT_EQ(room.onDisplay()->key, "Santa");
    ASSERT_EQ(room.queue().size(), 2u);
    tapSpace(room);
    EXPECT_EQ(room.onDisplay()->key, "PetPhoto3");
    tapSpace(room);
    ASSERT_TRUE(room.onDisplay());
    EXPECT_EQ(room.onDisplay()->key, "Squirrel");
    EXPECT_FALSE(room.done());
    tapSpace(room);
    EXPECT_TRUE(room.done());
}

TEST_F(LootboxRoomTest, ACountThatUnlocksNothingEndsOnTheTotalWithThePromptAndAHeldSpaceWaits)
{
    setConfigInt("lootbox", "Alien1", 1);
    held = {ALLEGRO_KEY_SPACE};
    LootboxRoom room(5, 12);
    run([&] { room.update(dt); }, 200);
    EXPECT_EQ(room.phase(), 1);
    EXPECT_EQ(room.shownPoints(), 12);
    EXPECT_TRUE(room.promptShown());
    EXPECT_TRUE(room.queue().empty());
    EXPECT_FALSE(room.done()) << "Space held as the room opened";
    held.clear();
    tapSpace(room);
    EXPECT_TRUE(room.done());
}

TEST_F(LootboxRoomTest, AfterTheShortestIntervalEveryTwentiethStepAddsAPointMore)
{
    for (const LootboxItem& item : lootboxItems())
        setConfigInt("lootbox", item.key.c_str(), 1);
    LootboxRoom room(0, 3000);
    std::vector<int> added;
    for (int update = 0, last = 0; update < 10000 && added.size() < 40; ++update, last = room.shownPoints()) {
        room.update(dt);
        if (room.shownPoints() != last)
            added.push_back(room.shownPoints() - last);
    }
    ASSERT_EQ(added.size(), 40u);
    // From the 20th step (0.05 s) each adds a twentieth: the 40th first adds 2.
    EXPECT_EQ(added[38], 1);
    EXPECT_EQ(added[39], 2);
}

TEST_F(LootboxRoomTest, KindsTurnedOffKeepTheirPhotosBackUntilALaterVisit)
{
    catsEnabled.set(false);
    {
        LootboxRoom room(0, 300);
        countSteps(room);
        EXPECT_FALSE(room.isUnlocked("Alien1"));
        EXPECT_FALSE(room.isUnlocked("CatFerret")) << "ferrets are on, but cats are not";
        EXPECT_TRUE(room.isUnlocked("Santa"));
        EXPECT_TRUE(room.isUnlocked("PetPhoto3"));
        EXPECT_EQ(savedValue("Alien1"), "");
        for (const LootboxItem& item : room.queue())
            EXPECT_TRUE(item.kinds.empty() || item.allowed()) << item.key;
    }
    catsEnabled.set(true);
    ferretsEnabled.set(false);
    LootboxRoom later(300, 301);
    later.update(dt);
    EXPECT_TRUE(later.isUnlocked("Alien1")) << "unlocked at the first step of a later visit";
    EXPECT_TRUE(later.isUnlocked("PetPhoto9"));
    EXPECT_FALSE(later.isUnlocked("CatFerret"));
    EXPECT_EQ(savedValue("Alien1"), "1");
    for (const LootboxItem& item : later.queue())
        EXPECT_NE(item.key, "Santa") << "not unlocked twice";
    EXPECT_EQ(later.queue().front().key, "Alien1");
}

TEST_F(LootboxRoomTest, TheVisitStoresTheNewTotalEvenWhenTheWindowClosesPartWay)
{
    const bool savedEnabled = std::exchange(lootboxesEnabled, true);
    const int savedPoints = std::exchange(lootboxPoints, 50);
    setConfigInt("lootbox", "lootboxPoints", 5);
    requestQuit();
    lootboxRoom();
    clearQuitRequest();
    EXPECT_EQ(savedValue("lootboxPoints"), "50");
    EXPECT_EQ(savedValue("Alien1"), "") << "the count never got there";

    // A later visit unlocks it at its first step.
    LootboxRoom later(50, 60);
    later.update(dt);
    EXPECT_TRUE(later.isUnlocked("Alien1"));
    EXPECT_EQ(savedValue("Alien1"), "1");
    lootboxesEnabled = savedEnabled;
    lootboxPoints = savedPoints;
}

}
