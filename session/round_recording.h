#pragma once
#include <fstream>
#include <string>

#include "session/made_files.h"

// The files of one recorded round: the replay and its plain verify text.
// A recording that is not finished (the round could not start, or failed on
// the way) is closed and removed with its companions when it goes, so no
// half-written replay is ever left in the folder. Only the files it made are
// removed: anything else found under their names is left, and logged.
class RoundRecording {
public:
    // Creates both files. When either cannot be created (a folder that cannot
    // be written), the reason is logged, whatever was created is removed, and
    // `created()` is false: the round is then played unrecorded.
    explicit RoundRecording(std::string path);
    ~RoundRecording();
    RoundRecording(const RoundRecording&) = delete;
    RoundRecording& operator=(const RoundRecording&) = delete;

    bool created() const { return created_; }
    std::ofstream& replay() { return replay_; }
    std::ofstream& verify() { return verify_; }
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
    std::ofstream replay_;
    std::ofstream verify_;
    MadeFiles made_;
    bool created_ = false;
    bool finished_ = false;

    void removeFiles();
};
