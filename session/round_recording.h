#pragma once
#include <functional>
#include <memory>
#include <string>

#include "platform/new_file_stream.h"
#include "session/made_files.h"

// The files of one recorded round: the replay and its plain verify text.
// A recording that is not finished (the round could not start, or failed on
// the way) is closed and removed with its companions when it goes, so no
// half-written replay is ever left in the folder. Only the files it made are
// removed: anything else found under their names is left, and logged.
class RoundRecording {
public:
    // Creates both files, each as a new file of its own: a name that something
    // already holds is never written through. When either cannot be created
    // (a folder that cannot be written, a name taken meanwhile), the reason is
    // logged, whatever was created is removed, and `created()` is false.
    explicit RoundRecording(std::string path);
    ~RoundRecording();
    RoundRecording(const RoundRecording&) = delete;
    RoundRecording& operator=(const RoundRecording&) = delete;

    bool created() const { return created_; }
    // When not created: whether it was because a name was already taken.
    bool nameTaken() const { return nameTaken_; }
    std::ostream& replay() { return replay_; }
    std::ostream& verify() { return verify_; }
    const std::string& path() const { return path_; }

    // After the round: the end byte, then the replay is flushed, closed and
    // checked, and the verify text is ended, read back, compressed and
    // checked. True when the replay and its verify text are whole on disk:
    // when only the compressed copy failed, the plain text is kept in its
    // place. When the replay or the plain text could not be written whole
    // (a full disk), or a bad compressed copy stays under its name (where
    // playing would read it first), the error is logged and the replay is
    // removed with its companions, so that no part of it can later pass as a
    // whole round.
    bool finish();

private:
    std::string path_;
    platform::NewFileStream replay_;
    platform::NewFileStream verify_;
    MadeFiles made_;
    bool created_ = false;
    bool nameTaken_ = false;
    bool finished_ = false;

    bool create(platform::NewFileStream& stream, const std::string& path, const char* what);
    void removeFiles();
};

// How many names a new recording tries before the round goes unrecorded.
inline constexpr int recordingNameTries = 10;

// The recording of a new round under the name `chooseName` gives. Another
// copy of the game may take that name between the choice and the creation:
// then what was made goes, the log says so, and the next name is chosen, up
// to `recordingNameTries` names. The recording returned may not be created.
std::unique_ptr<RoundRecording> createRoundRecording(const std::function<std::string()>& chooseName);
