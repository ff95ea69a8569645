#include "game/replay_records.h"

#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>

#include "frame/file_stream.h"

namespace {

inline constexpr int wideFlagScoreVersion = 0x100000a;

int twoBitValue(int bits)
{
    return bits == 3 ? -1 : bits;
}

// A short read ends the replay as the end of the file does, whatever the
// stream's exception mask.
int readUnsigned(const PackagedReplayData& replay)
{
    std::istream& in = replayInputStream(replay);
    const int value = File::readUint8(in);
    File::requireRead(in);
    return value;
}

int readSigned(const PackagedReplayData& replay)
{
    std::istream& in = replayInputStream(replay);
    const int value = File::readInt8AsInt(in);
    File::requireRead(in);
    return value;
}

// The tag of a record: one byte that must be `tag`.
void readTag(const PackagedReplayData& replay, int tag, const char* expression, int line)
{
    if (readUnsigned(replay) != tag)
        failRecordCheck(replay, expression, line);
}

}

std::istream& replayInputStream(const PackagedReplayData& replay)
{
    if (!replay.replayInput)
        throw std::runtime_error("File not open for reading");
    return *replay.replayInput;
}

std::ostream& replayOutputStream(const PackagedReplayData& replay, const std::string& data)
{
    if (!replay.replayOutput)
        throw std::runtime_error("File not open for writing - data: " + data);
    return *replay.replayOutput;
}

int encodeInputByte(const InputRecord& input)
{
    return (int(input.button2) << 5) | (int(input.fire) << 4) | ((input.yDir & 3) << 2) |
           (input.xDir & 3);
}

InputRecord decodeInputByte(int byte, bool hasButton2)
{
    InputRecord input;
    input.xDir = twoBitValue(byte & 3);
    input.yDir = twoBitValue((byte >> 2) & 3);
    input.fire = (byte & 0x10) != 0;
    input.button2 = hasButton2 && (byte & 0x20) != 0;
    return input;
}

void writeInputRecord(const PackagedReplayData& replay, int playerNumber, const InputRecord& input)
{
    std::ostream& out = replayOutputStream(replay, std::to_string(playerNumber));
    File::writeIntAsInt8(out, playerNumber);
    File::writeUint8(out, encodeInputByte(input));
    out.flush();
}

int readRecordByte(const PackagedReplayData& replay)
{
    return readUnsigned(replay);
}

int readSignedRecordByte(const PackagedReplayData& replay)
{
    return readSigned(replay);
}

namespace {

// A tag byte followed by a powerup id.
void writeTaggedPowerup(const PackagedReplayData& replay, int tag, int powerup)
{
    std::ostream& out = replayOutputStream(replay, std::string(1, char(tag)));
    File::writeUint8(out, tag);
    File::writeIntAsInt8(out, powerup);
}

int readTaggedPowerup(const PackagedReplayData& replay, int tag, const char* check, int line)
{
    readTag(replay, tag, check, line);
    return readSigned(replay);
}

}

void writeAuctionRecord(const PackagedReplayData& replay, int powerup)
{
    writeTaggedPowerup(replay, auctionRecordTag, powerup);
}

int readAuctionRecord(const PackagedReplayData& replay)
{
    return readTaggedPowerup(replay, auctionRecordTag, "c == 'A'", 1564);
}

void writeWallRecord(const PackagedReplayData& replay, int powerup)
{
    writeTaggedPowerup(replay, wallRecordTag, powerup);
}

int readWallRecord(const PackagedReplayData& replay)
{
    return readTaggedPowerup(replay, wallRecordTag, "c == 'B'", 1400);
}

void writeSnakeSpeedRecord(const PackagedReplayData& replay, int speed)
{
    File::writeIntAsInt8(replayOutputStream(replay, std::to_string(speed)), speed);
}

int readSnakeSpeedRecord(const PackagedReplayData& replay)
{
    return readSigned(replay);
}

void writeFlagScoreRecord(const PackagedReplayData& replay, int score)
{
    File::writeInt32(replayOutputStream(replay, std::to_string(score)), score);
}

int readFlagScoreRecord(const PackagedReplayData& replay)
{
    if (playingOlderThan(replay, wideFlagScoreVersion))
        return readUnsigned(replay);
    std::istream& in = replayInputStream(replay);
    const int score = File::readInt32(in);
    File::requireRead(in);
    return score;
}
