#pragma once
#include <iosfwd>
#include <string>

#include "game/replay_data.h"

// The frame records of a replay: what one frame of a round adds to the file,
// in the order the rules run. Every rule reads and writes its records here.
// A missing stream fails as a closed file does ("File not open for reading",
// "File not open for writing - data: ..."); a short read throws the stream's
// std::ios_base::failure, which the rules turn into a quiet end of the replay.

inline constexpr int auctionRecordTag = 'A';
inline constexpr int wallRecordTag = 'B';

// The replay's streams; a missing one fails as a closed file does.
std::istream& replayInputStream(const PackagedReplayData& replay);
std::ostream& replayOutputStream(const PackagedReplayData& replay, const std::string& data);

// One player's input of one frame.
struct InputRecord {
    int xDir = 0;        // -1, 0 or 1
    int yDir = 0;
    bool fire = false;
    bool button2 = false;
};

// The input byte: bits 0-1 xDir and 2-3 yDir as two-bit two's complement,
// bit 4 fire, bit 5 button2.
int encodeInputByte(const InputRecord& input);
// The reverse; a two-bit value of 2 comes back as 2 (the caller rejects it).
// Files older than the button2 bit read it as released.
InputRecord decodeInputByte(int byte, bool hasButton2);

// Player numbers are stored as their low byte (computer snakes from 128 up
// come back as 0..255), so a number read is compared with this.
inline int playerNumberByte(int num)
{
    return num & 0xff;
}

// Player number (its low byte) and input byte, flushed at once.
void writeInputRecord(const PackagedReplayData& replay, int playerNumber, const InputRecord& input);
// One byte of the replay input as 0..255: the player number or the end byte.
int readRecordByte(const PackagedReplayData& replay);
// One byte of the replay input, sign-extended.
int readSignedRecordByte(const PackagedReplayData& replay);

// An auction: 'A' and the powerup on offer.
void writeAuctionRecord(const PackagedReplayData& replay, int powerup);
int readAuctionRecord(const PackagedReplayData& replay);

// A respawned wall: 'B' and the powerup under it.
void writeWallRecord(const PackagedReplayData& replay, int powerup);
int readWallRecord(const PackagedReplayData& replay);

// The speed of a new computer snake, one signed byte.
void writeSnakeSpeedRecord(const PackagedReplayData& replay, int speed);
int readSnakeSpeedRecord(const PackagedReplayData& replay);

// A team's score after a flag capture: four bytes, or one unsigned byte in
// files older than 1.0.10.
void writeFlagScoreRecord(const PackagedReplayData& replay, int score);
int readFlagScoreRecord(const PackagedReplayData& replay);
