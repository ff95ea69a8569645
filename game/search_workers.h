#pragma once
#include <chrono>
#include <cstddef>
#include <functional>

// The threads the computer snakes' look-ahead runs on: started on first use,
// one fewer than the machine has cores, and stopped at exit.
//
// Runs jobs 0 .. count - 1, each once, and returns when every job has
// finished. The calling thread takes jobs in order; once it has spent
// `helpAfter` on them and jobs are left, the search threads are woken to take
// jobs too (waking them costs more than a small batch takes). Jobs must write
// only what belongs to them. When a job throws, the jobs not yet begun are
// skipped, every job already running is waited for, and then the first
// exception (in job order) is rethrown. One batch runs at a time.
void runSearchJobs(std::size_t count, const std::function<void(std::size_t)>& job,
                   std::chrono::nanoseconds helpAfter = std::chrono::nanoseconds(0));

// How many threads take part in a batch, the caller included.
int searchThreadCount();

// Held while a frame's players update: once a batch has woken the search
// threads, every later batch of the hold shares its jobs at once instead of
// waiting `helpAfter`, and the threads stay awake (yielding) for a short while
// between batches, so the next decision rarely pays for waking them. So the
// decisions of several computer snakes in one frame all run on every core.
// A hold that no batch meets costs nothing.
class SearchThreadsAwake {
public:
    // A hold that is not `wanted` does nothing (a frame with no computer snake).
    explicit SearchThreadsAwake(bool wanted = true);
    ~SearchThreadsAwake();
    SearchThreadsAwake(const SearchThreadsAwake&) = delete;
    SearchThreadsAwake& operator=(const SearchThreadsAwake&) = delete;

private:
    bool held_;
};
