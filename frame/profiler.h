#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <unordered_map>

// Result of an averaged timer: the stretch just measured and the rolling average.
struct TimingResult {
    double seconds = 0;
    float average = 0;

    TimingResult operator+(const TimingResult& o) const
    {
        return {seconds + o.seconds, average + o.average};
    }
};

// Wall-clock profiler over the high-resolution counter: named timers, timers with
// a rolling average, and sections that accumulate a count and a total.
class Profiler {
public:
    using Counter = std::function<std::int64_t()>;

    Profiler();
    // For tests: a counter of its own and its ticks per second.
    Profiler(Counter counter, std::int64_t frequency);
    ~Profiler();
    Profiler(const Profiler&) = delete;
    Profiler& operator=(const Profiler&) = delete;

    void startTimer(const std::string& name);
    double stopTimer(const std::string& name);

    void addAveragedTimer(const std::string& name, int windowSize);
    TimingResult stopTimerAveraged(const std::string& name);

    void beginSection(const std::string& name);
    void endSection(const std::string& name);

    // Seconds since `counter` (then moved on to now).
    float lapSeconds(std::int64_t& counter);

    struct SectionTotal {
        int count = 0;
        double totalSeconds = 0;
    };
    const std::unordered_map<std::string, SectionTotal>& sections() const { return sections_; }
    bool isTimerRunning(const std::string& name) const { return starts_.count(name) != 0; }

    std::int64_t startCount;

private:
    struct Average {
        float sum = 0;
        std::deque<float> samples;
        int windowSize = 1;
    };

    Counter counter_;
    std::int64_t frequency_;
    Profiler* previous_;
    std::unordered_map<std::string, std::int64_t> starts_;
    std::unordered_map<std::string, Average> averages_;
    std::unordered_map<std::string, SectionTotal> sections_;
};

// The one profiler, built before the program starts; its start count is the
// process start.
extern Profiler profiler;
// The live profiler used by the section functions.
extern Profiler* activeProfiler;

void beginSection(const std::string& name);
void endSection(const std::string& name);
