#pragma once
#include <fstream>
#include <string>

// The files of one recorded round: the replay and its plain verify text.
// A recording that is not finished (the round could not start, or failed on
// the way) is closed and removed with its companions when it goes, so no
// half-written replay is ever left in the folder.
class RoundRecording {
public:
    // Opens both files. A replay file that did not open makes every later
    // write throw "File not open for writing - data: ...".
    explicit RoundRecording(std::string path);
    ~RoundRecording();
    RoundRecording(const RoundRecording&) = delete;
    RoundRecording& operator=(const RoundRecording&) = delete;

    std::ofstream& replay() { return replay_; }
    std::ofstream& verify() { return verify_; }
    const std::string& path() const { return path_; }

    // After the round: the end byte, then the replay is flushed, closed and
    // checked, and the verify text is ended, compressed and checked. True when
    // both are whole on disk. When either could not be written completely
    // (a full disk) or the verify text could not be compressed and checked,
    // the error is logged and the replay is removed with its companions, so
    // that no part of it can later pass as a whole round.
    bool finish();

private:
    std::string path_;
    std::ofstream replay_;
    std::ofstream verify_;
    bool finished_ = false;

    void removeFiles();
};
