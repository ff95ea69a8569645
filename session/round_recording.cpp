#include "session/round_recording.h"

#include <filesystem>
#include <fmt/format.h>

#include "frame/file_stream.h"
#include "frame/log.h"
#include "game/replay_data.h"
#include "session/verify_text.h"

RoundRecording::RoundRecording(std::string path) : path_(std::move(path))
{
    logStdString("Creating replay: " + path_ + "\n");
    replay_.open(path_, std::ios::binary);
    verify_.open(path_ + ".verify");
}

RoundRecording::~RoundRecording()
{
    if (finished_)
        return;
    logStdString(fmt::format("Removing unfinished replay {}\n", path_));
    removeFiles();
}

void RoundRecording::removeFiles()
{
    replay_.close();
    verify_.close();
    std::error_code ignored;
    for (const char* suffix : {"", ".verify", ".verifyZ"})
        std::filesystem::remove(path_ + suffix, ignored);
}

bool RoundRecording::finish()
{
    File::writeIntAsInt8(replay_, replayEndByte);
    replay_.flush();
    replay_.close();
    const bool replayWritten = !replay_.fail();
    if (!replayWritten)
        logStdString(fmt::format("Error: the replay {} could not be written completely\n", path_));
    bool verifyWritten = false;
    try {
        verifyWritten = finishVerifyText(path_, verify_);
    } catch (const std::exception& error) {
        // Compressing or the check of the compressed text failed: the replay
        // has nothing whole to be checked against.
        logStdString(fmt::format("Error: the verify text of {} could not be finished: {}\n", path_, error.what()));
    }
    if (verify_.is_open())
        verify_.close();
    finished_ = true;
    if (replayWritten && verifyWritten)
        return true;
    logStdString(fmt::format("Removing incomplete replay {}\n", path_));
    removeFiles();
    return false;
}
