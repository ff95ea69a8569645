#include "media/head_sets.h"

#include <array>
#include <map>
#include <stdexcept>
#include <string>

#include "media/sprites.h"

namespace {

struct HeadSet {
    std::map<Facing, int> walking;
    std::map<Facing, int> crawling;
};

struct HeadFrame {
    int dy;
    int sprite;
};

struct HeadTables {
    std::array<HeadSet, headSetCount> sets;
    // Per facing, per walk frame: the bob and the sprite, in head 0's sprites
    // (head 6's for facing left). Other heads use the same steps from their own base.
    std::array<std::array<HeadFrame, walkFrameCount>, 4> frames;
};

struct HeadSetNames {
    const char* down;
    const char* right;
    const char* up;
    const char* left;
    const char* crawlRight;
    const char* crawlLeft;
};

// Heads without their own back view borrow head 0's; heads 9 and 10 come before 8.
const HeadSetNames headSetNames[headSetCount] = {
    {"Head0_D_014", "Head0_R_0", "Head0_U_014", nullptr, "Head0_Crawl_R", nullptr},
    {"Head1_D_014", "Head1_R_0", "Head0_U_014", nullptr, "Head1_Crawl_R", nullptr},
    {"Head2_D_014", "Head2_R_0", "Head2_U_014", nullptr, "Head2_Crawl_R", nullptr},
    {"Head3_D_014", "Head3_R_0", "Head3_U_014", nullptr, "Head3_Crawl_R", nullptr},
    {"Head4_D_014", "Head4_R_0", "Head0_U_014", nullptr, "Head4_Crawl_R", nullptr},
    {"Head5_D_014", "Head5_R_0", "Head0_U_014", nullptr, "Head5_Crawl_R", nullptr},
    {"Head6_D_014", "Head6_R_0", "Head0_U_014", "Head6_L_0", "Head6_Crawl_R", "Head6_Crawl_L"},
    {"Head7_D_014", "Head7_R_0", "Head0_U_014", "Head7_L_0", "Head7_Crawl_R", "Head7_Crawl_L"},
    {"Head9_D_014", "Head9_R_0", "Head9_U_014", nullptr, "Head9_Crawl_R", nullptr},
    {"Head10_D_014", "Head10_R_0", "Head10_U_014", nullptr, "Head10_Crawl_R", nullptr},
    {"Head8_D_014", "Head8_R_0", "Head0_U_014", nullptr, "Head8_Crawl_R", nullptr},
    {"Head11_D_014", "Head11_R_0", "Head11_U_014", nullptr, "Head11_Crawl_R", nullptr},
    {"Head12_D_014", "Head12_R_0", "Head0_U_014", nullptr, "Head12_Crawl_R", nullptr},
};

// Walk frames 0..6 show sprite groups 014, 014, 23, 23, 014, 56, 56 with these bobs;
// a profile has its own frame-0 sprite and shares 14 for frames 1 and 4.
const int frameBob[walkFrameCount] = {0, -2, 0, -1, -2, 0, -1};
const char* const frontFrameGroups[walkFrameCount] = {"014", "014", "23", "23", "014", "56", "56"};
const char* const profileFrameGroups[walkFrameCount] = {"0", "14", "23", "23", "14", "56", "56"};

std::array<HeadFrame, walkFrameCount> frameRow(const std::string& prefix,
                                               const char* const (&groups)[walkFrameCount])
{
    std::array<HeadFrame, walkFrameCount> row{};
    for (int frame = 0; frame < walkFrameCount; ++frame)
        row[frame] = {frameBob[frame], spriteIdByName(prefix + groups[frame])};
    return row;
}

HeadTables buildTables()
{
    HeadTables tables;
    for (int i = 0; i < headSetCount; ++i) {
        const HeadSetNames& names = headSetNames[i];
        HeadSet& set = tables.sets[i];
        set.walking[Facing::Down] = spriteIdByName(names.down);
        set.walking[Facing::Right] = spriteIdByName(names.right);
        set.walking[Facing::Up] = spriteIdByName(names.up);
        if (names.left)
            set.walking[Facing::Left] = spriteIdByName(names.left);
        set.crawling[Facing::Right] = spriteIdByName(names.crawlRight);
        if (names.crawlLeft)
            set.crawling[Facing::Left] = spriteIdByName(names.crawlLeft);
    }
    tables.frames[int(Facing::Right)] = frameRow("Head0_R_", profileFrameGroups);
    tables.frames[int(Facing::Up)] = frameRow("Head0_U_", frontFrameGroups);
    tables.frames[int(Facing::Left)] = frameRow("Head6_L_", profileFrameGroups);
    tables.frames[int(Facing::Down)] = frameRow("Head0_D_", frontFrameGroups);
    return tables;
}

const HeadTables& headTables()
{
    static const HeadTables tables = buildTables();
    return tables;
}

void checkFacing(Facing facing)
{
    int value = int(facing);
    if (value < 0 || value > 3)
        throw std::runtime_error("Facing out of range: " + std::to_string(value));
}

}

void checkFacingAndFrame(Facing facing, int frame)
{
    checkFacing(facing);
    if (frame < 0 || frame >= walkFrameCount)
        throw std::runtime_error("Walk frame out of range: " + std::to_string(frame));
}

HeadSetSprite lookupHeadSet(int head, Facing facing, bool crawling)
{
    if (head < 0)
        throw std::runtime_error("Head index out of range: " + std::to_string(head));
    checkFacing(facing);
    const HeadSet& set = headTables().sets[head < headSetCount ? head : 0];
    const std::map<Facing, int>& map = crawling ? set.crawling : set.walking;
    if (auto it = map.find(facing); it != map.end())
        return {false, it->second};
    if (facing == Facing::Left)
        return {true, map.at(Facing::Right)};
    if (auto it = map.find(Facing::Down); it != map.end())
        return {false, it->second};
    return {false, map.at(Facing::Right)};
}

SpritePart playerHeadSprite(const PlayerLook& look, Facing facing, int frame, bool crawling,
                            bool remoteArmed)
{
    checkFacingAndFrame(facing, frame);
    int f = (remoteArmed || crawling) ? 0 : frame;
    HeadSetSprite set = lookupHeadSet(look.head, facing, crawling);
    int tableFacing = set.mirrored ? (int(facing) + 2) % 4 : int(facing);
    const auto& row = headTables().frames[tableFacing];
    SpritePart part;
    part.anchor = Vector2{0, row[f].dy};
    part.mirrored = set.mirrored;
    part.spriteId = set.baseSprite + (row[f].sprite - row[0].sprite);
    return part;
}
