#include "frame/names.h"

namespace {

std::vector<std::string> makePercentNames()
{
    std::vector<std::string> names;
    for (int percent = 0; percent <= 100; percent += 5)
        names.push_back(std::to_string(percent));
    names.push_back("Auto");
    return names;
}

std::vector<std::string> makeCountNames()
{
    std::vector<std::string> names{"Auto"};
    for (int count = 1; count <= 10; ++count)
        names.push_back(std::to_string(count));
    return names;
}

void addRun(std::vector<std::string>& names, const std::string& prefix, int first, int last)
{
    for (int i = first; i <= last; ++i)
        names.push_back(prefix + std::to_string(i));
}

// Each head has face (D) frames, optional back (U) frames, right profile (R)
// frames, optional left profile (L) frames, a crawl frame and an optional left crawl.
void addHead(std::vector<std::string>& names, int head, bool back, bool left)
{
    std::string prefix = "Head" + std::to_string(head) + "_";
    for (const char* frame : {"D_014", "D_23", "D_56"})
        names.push_back(prefix + frame);
    if (back)
        for (const char* frame : {"U_014", "U_23", "U_56"})
            names.push_back(prefix + frame);
    for (const char* frame : {"R_0", "R_14", "R_23", "R_56"})
        names.push_back(prefix + frame);
    if (left)
        for (const char* frame : {"L_0", "L_14", "L_23", "L_56"})
            names.push_back(prefix + frame);
    names.push_back(prefix + "Crawl_R");
    if (left)
        names.push_back(prefix + "Crawl_L");
}

std::vector<std::string> makeSpriteNames()
{
    std::vector<std::string> n{"ZEV", "Crest", "Trophy"};
    addRun(n, "Bomb", 1, 21);
    for (const char* name : {"Explo1", "Explo2", "Explo3", "Explo1A", "Explo2A", "Explo3A",
                             "R_Left", "R_Right", "R_Up", "R_Down", "TLogo3", "Snail",
                             "SnailDown", "B_Anhil", "B_Bomb", "B_BombAngry", "B_Cash", "B_Ctrl",
                             "B_Flame", "B_Ghost", "B_Quest", "B_Range", "B_Rocket",
                             "B_ShieldNew", "B_Snail", "B_Speed", "B_Stop", "B_Tbomb",
                             "B_SuperNew", "B_Snake"})
        n.push_back(name);
    addRun(n, "Flag", 0, 5);
    addRun(n, "Block", 1, 4);
    for (const char* name : {"Wall3", "W3NDth1", "W3NDth2", "Wall3CrumbleNew", "Wall3CrumbleNew2",
                             "Wall3CrumbleNewDeath", "Wall3CrumbleNewDeath2",
                             "Wall3CrumbleNewDeath3", "Wall3CrumbleNewDeath4"})
        n.push_back(name);
    addRun(n, "Body0_D_", 0, 6);
    addRun(n, "Body0_U_", 0, 6);
    addRun(n, "Body0_R_", 0, 6);
    for (const char* name : {"Body0_Ctrl", "Body0_Crawl_R_0", "Body0_Crawl_R_1"})
        n.push_back(name);

    struct HeadFrames {
        bool back;
        bool left;
    };
    const HeadFrames heads[] = {{true, false},  {false, false}, {true, false}, {true, false},
                                {false, false}, {false, false}, {false, true}, {false, true},
                                {false, false}, {true, false},  {true, false}, {true, false},
                                {false, false}};
    for (int head = 0; head < 13; ++head)
        addHead(n, head, heads[head].back, heads[head].left);

    for (const char* name :
         {"Alien1",    "Santa",      "Squirrel",  "CatInBin1", "Cat1",      "Cat2",
          "Cat3",      "Marmite",    "PetPhoto1", "Kittens2_7", "PetPhoto2", "Narwhals",
          "PetPhoto8", "PetPhoto9",  "PetPhoto3", "CatFerret", "Platypus",  "PetPhoto4",
          "PetPhoto5", "PetPhoto6",  "Owl1",      "Owl2",      "Owl3",      "PetPhoto7",
          "ArtWall1",  "ArtWall2",   "Hamster1",  "Hamster2",  "Hamster3",  "PetPhoto3_01"})
        n.push_back(name);
    return n;
}

}

const std::vector<std::string> arenaSizeNames{
    "Auto",  "Tiny",    "Classic",  "Normal",         "Large",           "Larger",
    "Huge",  "Colossal", "Stupid",  "UltraWideSmall", "UltraWideNormal", "UltraWideLarge",
    "UltraWideLarger", "UltraWideHuge"};
const std::vector<std::string> auctionFrequencyNames{"Off", "Frequent", "Medium", "Infrequent"};
const std::vector<std::string> percentNames = makePercentNames();
const std::vector<std::string> countNames = makeCountNames();
const std::vector<std::string> autoOffOnNames{"Auto", "Off", "On"};
const std::vector<std::string> backgroundColourNames{"Black", "Green", "Red", "Blue", "Grey"};
const std::vector<std::string> powerupIds{
    "None",         "Bomb",          "Range",          "Speed",          "Controller",
    "Timebomb",     "Ghost",         "Shield",         "Cash",           "Death",
    "Superman",     "Stop",          "Snail",          "Snake",          "Annhiliator",
    "Flamethrower", "RocketLauncher", "QuestionShield", "QuestionGhost", "QuestionStop",
    "QuestionFastIgnition", "UltraBomb"};
const std::vector<std::string> powerupDisplayNames{
    "None",    "Extra Bomb", "Extra Range", "Speed",       "Remote Control", "Detonator",
    "Ghost",   "Shield",     "Cash",        "Death",       "Strength",       "Stop",
    "Snail",   "Snake",      "Annhiliator", "Flamethrower", "Rocket Launcher", "Shield",
    "Ghost",   "Stop",       "DANGER!",     "Ultrabomb"};
const std::vector<std::string> actionNames{"Up",     "Down",    "Left",       "Right",       "Fire",
                                           "Button2", "Pause", "ChangeSkin", "ChangeColour"};
const std::vector<std::string> inputKindNames{"Keyboard", "Controller"};
const std::vector<std::string> gameModeDisplayNames{"Classic",          "Capture the Flag",
                                                    "Battle Royale",    "King of the Hill",
                                                    "Snake Hunter",     "Deathmatch",
                                                    "EVERYTHING"};
const std::vector<std::string> gameModeShortNames{"Classic",      "CTF",        "Battle Royale",
                                                  "KotH",         "Snake Hunter", "Deathmatch",
                                                  "Everything"};
const std::vector<std::string> gameModeIds{"Standard",    "CTF",
                                           "BattleRoyale", "KOTH",
                                           "SnakeHunter", "DeathmatchIndividual",
                                           "Everything"};
const std::vector<std::string> deathCauseNames{
    "Explosion",          "PushedWall",
    "Wall",               "Eaten",
    "BonusDeath",         "SnakeHeadCollision",
    "SnakeBodyHitByExplosion", "SnakeBodyHitByAppearingWall",
    "SnakeHeadPushedWall", "SnakeBodyPushedWall"};
const std::vector<std::string> menuControlModeNames{"Keyboard only", "Keyboard and Controller 1",
                                                    "Keyboard and any controller"};
const std::vector<std::string> spriteNames = makeSpriteNames();
const std::vector<std::string> soundNames{"Beat2",  "Blart",      "Cash2",   "CrapDing", "Explosion1",
                                          "Fire",   "Flamer",     "FX012",   "HitBass",  "Gong2",
                                          "Pickup_Anh", "Plugin", "Rocket",  "Slide",    "Snake",
                                          "Splurge", "Strength",  "Wimbaah"};
const std::vector<std::string> noneSomeLotsNames{"None", "Some", "Lots"};
const std::vector<std::string> shrinkSpeedNames{"Very Slow", "Slow",   "Normal", "Fast",
                                                "Very Fast", "Insane", "Auto"};
const std::vector<std::string> shrinkStyleNames{"Auto", "Classic", "Mirrored 2", "4"};
const std::vector<std::string> shrinkStyleIds{"Auto", "Classic", "Mirrored2", "Four"};
const std::vector<std::string> shrinkDelayNames{"Very Short", "Short", "Normal", "Long", "Auto"};
const std::vector<std::string> snakeTimingNames{"Auto", "None", "Very Short", "Short", "Normal",
                                                "Long"};
