#pragma once
#include <sys/resource.h>

#include <csignal>

// Limits the size of the files this process writes while it lives, as a full
// quota would: a write past the limit fails instead of ending the process.
// `onReached`, when given, runs at the moment a write first meets the limit,
// from a signal handler (so it may only make async-signal-safe calls).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes, void (*onReached)(int) = nullptr);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previousLimit_{};
    struct sigaction previousAction_ {};
};
