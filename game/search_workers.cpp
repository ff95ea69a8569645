#include "game/search_workers.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

constexpr unsigned maxWorkers = 15;
// A thread kept awake goes back to sleep after this long without a batch:
// long enough for the gaps between the decisions of one frame, short enough
// that a busy machine gets its cores back (a sleeping thread is woken by the
// next batch of the hold at once, and wakes sooner than one pushed off its
// core by spinning).
constexpr std::chrono::microseconds longestWakefulWait{500};

// One call's jobs. Threads that join late hold it by shared pointer, so they
// find it finished rather than taking the next batch's jobs.
struct Batch {
    Batch(std::size_t count_, const std::function<void(std::size_t)>& job_)
        : job(job_), count(count_), errors(count_)
    {
    }

    // Takes one job; false when none is left.
    bool workOne()
    {
        const std::size_t i = next.fetch_add(1);
        if (i >= count)
            return false;
        if (!failed.load()) {
            try {
                job(i);
            } catch (...) {
                errors[i] = std::current_exception();
                failed.store(true);
            }
        }
        if (done.fetch_add(1) + 1 == count) {
            std::lock_guard<std::mutex> lock(mutex);
            finished.notify_all();
        }
        return true;
    }

    void work()
    {
        while (workOne()) {
        }
    }

    bool jobsLeft() const { return next.load() < count; }

    void wait()
    {
        std::unique_lock<std::mutex> lock(mutex);
        finished.wait(lock, [this] { return done.load() == count; });
    }

    const std::function<void(std::size_t)>& job;
    const std::size_t count;
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> done{0};
    std::atomic<bool> failed{false};
    std::vector<std::exception_ptr> errors;   // slot i written by job i only
    std::mutex mutex;
    std::condition_variable finished;
};

class SearchWorkers {
public:
    SearchWorkers()
    {
        const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
        const unsigned workers = std::min(cores - 1, maxWorkers);
        for (unsigned i = 0; i < workers; ++i)
            threads_.emplace_back([this] { serve(); });
    }

    ~SearchWorkers()
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_all();
        for (std::thread& t : threads_)
            t.join();
    }

    SearchWorkers(const SearchWorkers&) = delete;
    SearchWorkers& operator=(const SearchWorkers&) = delete;

    void run(std::size_t count, const std::function<void(std::size_t)>& job,
             std::chrono::nanoseconds helpAfter)
    {
        if (count == 0)
            return;
        std::lock_guard<std::mutex> oneAtATime(runMutex_);
        auto batch = std::make_shared<Batch>(count, job);
        bool helped = threads_.empty() || count == 1;
        const bool held = holds_.load() > 0;
        auto askForHelp = [&] {
            {
                std::lock_guard<std::mutex> lock(mutex_);
                current_ = batch;
                generation_.fetch_add(1);
                if (held)
                    wokenThisHold_ = true;
            }
            wake_.notify_all();
            helped = true;
        };
        // Once a hold has woken the threads, every later batch of it shares at
        // once: the threads are awake (or, after a long wait, cheap to wake again).
        if (!helped && (helpAfter.count() <= 0 || (held && wokenThisHold())))
            askForHelp();
        const auto start = std::chrono::steady_clock::now();
        while (batch->workOne()) {
            if (!helped && batch->jobsLeft() && std::chrono::steady_clock::now() - start >= helpAfter)
                askForHelp();
        }
        batch->wait();
        {
            std::lock_guard<std::mutex> lock(mutex_);
            current_.reset();
        }
        // The exceptions leave the batch here, so that a thread that lets go
        // of the batch later never holds the last reference to one.
        std::exception_ptr first;
        for (std::exception_ptr& e : batch->errors) {
            if (e && !first)
                first = e;
            e = nullptr;
        }
        if (first)
            std::rethrow_exception(first);
    }

    int threadCount() const { return int(threads_.size()) + 1; }

    void hold() { holds_.fetch_add(1); }
    void letGo()
    {
        if (holds_.fetch_sub(1) == 1) {
            std::lock_guard<std::mutex> lock(mutex_);
            wokenThisHold_ = false;
        }
    }

private:
    void serve()
    {
        std::uint64_t seen = 0;
        for (;;) {
            std::shared_ptr<Batch> batch;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                wake_.wait(lock, [&] { return stopping_ || generation_ != seen; });
                if (stopping_)
                    return;
                seen = generation_;
                batch = current_;
            }
            if (batch)
                batch->work();
            stayAwake(seen);
        }
    }

    bool wokenThisHold()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return wokenThisHold_;
    }

    // While a hold lasts, takes each new batch as it comes, without sleeping.
    void stayAwake(std::uint64_t& seen)
    {
        auto lastWork = std::chrono::steady_clock::now();
        while (holds_.load() > 0) {
            if (generation_.load() != seen) {
                std::shared_ptr<Batch> batch;
                {
                    std::lock_guard<std::mutex> lock(mutex_);
                    if (stopping_)
                        return;
                    seen = generation_.load();
                    batch = current_;
                }
                if (batch)
                    batch->work();
                lastWork = std::chrono::steady_clock::now();
                continue;
            }
            if (std::chrono::steady_clock::now() - lastWork > longestWakefulWait)
                break;
            std::this_thread::yield();
        }
    }

    std::vector<std::thread> threads_;
    std::mutex runMutex_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::shared_ptr<Batch> current_;
    std::atomic<std::uint64_t> generation_{0};
    bool stopping_ = false;
    std::atomic<int> holds_{0};
    bool wokenThisHold_ = false;   // a batch of the current hold has woken the threads
};

SearchWorkers& workers()
{
    static SearchWorkers instance;
    return instance;
}

}

void runSearchJobs(std::size_t count, const std::function<void(std::size_t)>& job,
                   std::chrono::nanoseconds helpAfter)
{
    workers().run(count, job, helpAfter);
}

int searchThreadCount()
{
    return workers().threadCount();
}

SearchThreadsAwake::SearchThreadsAwake(bool wanted) : held_(wanted)
{
    if (held_)
        workers().hold();
}

SearchThreadsAwake::~SearchThreadsAwake()
{
    if (held_)
        workers().letGo();
}
