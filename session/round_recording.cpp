#include "session/round_recording.h"

#include <fmt/format.h>

#include "frame/file_stream.h"
#include "frame/log.h"
#include "game/replay_data.h"
#include "session/verify_text.h"

bool RoundRecording::create(platform::NewFileStream& stream, const std::string& path, const char* what)
{
    if (made_.create(stream, path))
        return true;
    nameTaken_ = stream.nameTaken();
    logStdString(fmt::format("Error: the {} {} could not be created: {}\n", what, path, stream.failure()));
    return false;
}

RoundRecording::RoundRecording(std::string path) : path_(std::move(path))
{
    logStdString("Creating replay: " + path_ + "\n");
    if (!create(replay_, path_, "replay")) {
        finished_ = true;
        return;
    }
    if (!create(verify_, path_ + ".verify", "verify text")) {
        // Half a recording is none: the replay goes again.
        replay_.close();
        made_.remove(path_);
        finished_ = true;
        return;
    }
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
            kept = finishVerifyText(path_, verify_, made_);
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

std::unique_ptr<RoundRecording> createRoundRecording(const std::function<std::string()>& chooseName)
{
    for (int tries = 1;; ++tries) {
        auto recording = std::make_unique<RoundRecording>(chooseName());
        if (recording->created() || !recording->nameTaken() || tries == recordingNameTries)
            return recording;
        logStdString(fmt::format("The name {} was taken meanwhile: taking the next free number\n", recording->path()));
    }
}
