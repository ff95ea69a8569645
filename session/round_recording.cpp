#include "session/round_recording.h"

#include <cerrno>
#include <cstring>
#include <fmt/format.h>

#include "frame/file_stream.h"
#include "frame/log.h"
#include "game/replay_data.h"
#include "session/verify_text.h"

namespace {

// Creates the file behind `stream`; false, with the reason logged, when it
// cannot be created.
bool create(std::ofstream& stream, const std::string& path, std::ios::openmode mode, const char* what)
{
    errno = 0;
    stream.open(path, mode);
    if (stream.is_open())
        return true;
    const int error = errno;
    logStdString(fmt::format("Error: the {} {} could not be created: {}\n", what, path,
                             error != 0 ? std::strerror(error) : "the file did not open"));
    return false;
}

}

RoundRecording::RoundRecording(std::string path) : path_(std::move(path))
{
    logStdString("Creating replay: " + path_ + "\n");
    if (!create(replay_, path_, std::ios::out | std::ios::binary, "replay")) {
        finished_ = true;
        return;
    }
    made_.add(path_);
    if (!create(verify_, path_ + ".verify", std::ios::out, "verify text")) {
        // Half a recording is none: the replay goes again.
        replay_.close();
        made_.remove(path_);
        finished_ = true;
        return;
    }
    made_.add(path_ + ".verify");
    created_ = true;
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
    for (const char* suffix : {"", ".verify", ".verifyZ"})
        made_.remove(path_ + suffix);
}

bool RoundRecording::finish()
{
    File::writeIntAsInt8(replay_, replayEndByte);
    replay_.flush();
    replay_.close();
    const bool replayWritten = !replay_.fail();
    VerifyTextKept kept = VerifyTextKept::None;
    if (!replayWritten) {
        logStdString(fmt::format("Error: the replay {} could not be written completely\n", path_));
    } else {
        try {
            kept = finishVerifyText(path_, verify_, &made_);
        } catch (const std::exception& error) {
            logStdString(fmt::format("Error: the verify text of {} could not be finished: {}\n", path_, error.what()));
        }
    }
    if (verify_.is_open())
        verify_.close();
    finished_ = true;
    if (replayWritten && kept != VerifyTextKept::None)
        return true;
    logStdString(fmt::format("Removing incomplete replay {}\n", path_));
    removeFiles();
    return false;
}
