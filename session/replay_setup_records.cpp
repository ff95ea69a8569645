#include "session/replay_setup_records.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "game/game_options.h"
#include "game/player.h"
#include "game/round_state.h"
#include "game/team.h"
#include "media/colour.h"
#include "session/replay_fields.h"

namespace {

// Player numbers stay below the end byte (119), which a frame would read as
// the end of the round; computer snakes, numbered from 120, are not in the header.
constexpr int playerNumberLimit = 118;
constexpr int teamCountLimit = 100;
constexpr int headLimit = 12;

void writeColour(ReplayFieldWriter& writer, ALLEGRO_COLOR colour)
{
    writer.i32(redOf(colour));
    writer.i32(greenOf(colour));
    writer.i32(blueOf(colour));
}

ALLEGRO_COLOR readColour(ReplayFieldReader& reader)
{
    int rgb[3];
    for (int& component : rgb) {
        component = reader.readI32();
        requireInRange("colour", component, 0, 255);
    }
    return al_map_rgb(rgb[0], rgb[1], rgb[2]);
}

// Old files hold no colour; one is drawn instead (blue, then green, then red).
ALLEGRO_COLOR randomColour()
{
    const int blue = std::rand() & 255;
    const int green = std::rand() & 255;
    const int red = std::rand() & 255;
    return al_map_rgb(red, green, blue);
}

// The colour of a team or player: three components, or in files older than
// 0.95.11 one ignored number and a random colour.
ALLEGRO_COLOR readStoredColour(ReplayFieldReader& reader)
{
    if (reader.has(0x5f00b))
        return readColour(reader);
    reader.readI32();
    return randomColour();
}

bool hasTeamsBlock(const ReplayFieldReader& reader)
{
    if (!reader.has(4))
        return false;
    // Versions 4 and 5 hold the teams in every mode.
    return !reader.has(6) || isTeamMode(gameOptions.gameMode);
}

void writeTeams(ReplayFieldWriter& writer)
{
    writer.i8(int(teams.size()));
    for (const Team& team : teams) {
        writeColour(writer, team.colour);
        std::vector<int> members;
        for (const auto& member : team.members) {
            if (auto p = member.lock())
                members.push_back(p->num);
        }
        writer.i32(int(members.size()));
        for (int number : members)
            writer.i32(number);
    }
}

// Fills `teams` with the file's teams; returns the player numbers of each.
std::vector<std::vector<int>> readTeams(ReplayFieldReader& reader)
{
    const int count = reader.readI8();
    requireInRange("team count", count, 0, teamCountLimit);
    for (Team& team : teams)
        team.members.clear();
    if (int(teams.size()) > count)
        teams.erase(teams.begin() + count, teams.end());
    while (int(teams.size()) < count)
        teams.emplace_back(Vector2{0, 0}, Vector2{0, 0});

    std::vector<std::vector<int>> members(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        teams[std::size_t(i)].colour = readStoredColour(reader);
        if (!reader.has(8))
            continue;
        const int memberCount = reader.readI32();
        requireInRange("team member count", memberCount, 0, gameOptions.numPlayers);
        for (int m = 0; m < memberCount; ++m) {
            const int number = reader.readI32();
            requireInRange("team member", number, 0, playerNumberLimit);
            members[std::size_t(i)].push_back(number);
        }
    }
    return members;
}

void writePlayer(ReplayFieldWriter& writer, const Player& p)
{
    writer.i32(p.num);
    writer.i32(p.look.head);
    writer.i32(p.look.variant);
    writeColour(writer, p.look.colour);
    writer.i32(p.coins);
}

PlayerSetupRecord readPlayer(ReplayFieldReader& reader, int index,
                             std::vector<std::vector<int>>& teamMembers)
{
    PlayerSetupRecord record;
    record.number = index;
    if (!reader.has(0x5f005)) {
        if (!reader.has(8)) {
            // A team byte per player; files without a teams block have nothing to join.
            const int team = reader.readI8();
            if (team >= 0 && team < int(teamMembers.size()))
                teamMembers[std::size_t(team)].push_back(index);
            else if (team != -1 && reader.has(4))
                invalidReplay("team", team);
        } else {
            record.look.colour = readStoredColour(reader);
        }
        record.look.head = std::rand() % 11;
        return record;
    }
    reader.i32(record.number, 0x5f006);
    reader.i32(record.look.head, 0x5f007);
    reader.i32(record.look.variant, 0x5f007);
    record.look.colour = readStoredColour(reader);
    reader.i32(record.coins, 0x1000002);
    requireInRange("player number", record.number, 0, playerNumberLimit);
    requireInRange("head", record.look.head, 0, headLimit);
    requireInRange("coins", record.coins, 0, 1 << 30);
    return record;
}

// The index of the team whose members hold `number`, -1 when none does. A
// member that names none of the players is passed over: files from 8 up to
// 0.95.5 number their players by place while their teams hold the numbers
// the players joined with.
int teamOfNumber(const std::vector<std::vector<int>>& teamMembers, int number)
{
    for (std::size_t t = 0; t < teamMembers.size(); ++t) {
        const auto& members = teamMembers[t];
        if (std::find(members.begin(), members.end(), number) != members.end())
            return int(t);
    }
    return -1;
}

}

void writeSetupRecords(ReplayFieldWriter& writer)
{
    writer.i8(proximityRadius);
    if (isTeamMode(gameOptions.gameMode))
        writeTeams(writer);
    for (const auto& p : player)
        writePlayer(writer, *p);
    writer.marker("***");
}

std::vector<PlayerSetupRecord> readSetupRecords(ReplayFieldReader& reader)
{
    int radius = proximityRadius;
    reader.i8(radius, 2, 8);
    requireInRange("proximityRadius", radius, 0, 127);
    proximityRadius = radius;

    std::vector<std::vector<int>> teamMembers;
    if (hasTeamsBlock(reader))
        teamMembers = readTeams(reader);

    std::vector<PlayerSetupRecord> records;
    records.reserve(std::size_t(gameOptions.numPlayers));
    for (int i = 0; i < gameOptions.numPlayers; ++i)
        records.push_back(readPlayer(reader, i, teamMembers));
    if (isTeamMode(gameOptions.gameMode)) {
        for (PlayerSetupRecord& record : records)
            record.team = teamOfNumber(teamMembers, record.number);
    }
    reader.marker("***");
    return records;
}
