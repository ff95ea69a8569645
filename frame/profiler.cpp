#include "frame/profiler.h"

#include <stdexcept>

#include "platform/performance_counter.h"

Profiler* activeProfiler = nullptr;
Profiler profiler;

Profiler::Profiler() : Profiler(platform::performanceCounter, platform::performanceFrequency()) {}

Profiler::Profiler(Counter counter, std::int64_t frequency)
    : counter_(std::move(counter)), frequency_(frequency), previous_(activeProfiler)
{
    activeProfiler = this;
    startCount = counter_();
}

Profiler::~Profiler()
{
    if (activeProfiler == this)
        activeProfiler = previous_;
}

void Profiler::startTimer(const std::string& name)
{
    starts_[name] = counter_();
}

double Profiler::stopTimer(const std::string& name)
{
    std::int64_t now = counter_();
    // A timer that was never started counts from the counter's origin.
    auto it = starts_.find(name);
    std::int64_t start = it == starts_.end() ? 0 : it->second;
    if (it != starts_.end())
        starts_.erase(it);
    return double(now - start) / double(frequency_);
}

void Profiler::addAveragedTimer(const std::string& name, int windowSize)
{
    averages_[name] = Average{0, {}, windowSize};
}

TimingResult Profiler::stopTimerAveraged(const std::string& name)
{
    double seconds = stopTimer(name);
    auto found = averages_.find(name);
    if (found == averages_.end())
        throw std::out_of_range("invalid unordered_map<K, T> key");
    Average& a = found->second;
    a.sum += float(seconds);
    a.samples.push_back(float(seconds));
    if (int(a.samples.size()) > a.windowSize) {
        a.sum -= a.samples.front();
        a.samples.pop_front();
    }
    return {seconds, a.sum / float(a.samples.size())};
}

void Profiler::beginSection(const std::string& name)
{
    sections_[name];
    startTimer(name);
}

void Profiler::endSection(const std::string& name)
{
    double seconds = stopTimer(name);
    SectionTotal& total = sections_[name];
    total.totalSeconds += seconds;
    total.count += 1;
}

float Profiler::lapSeconds(std::int64_t& counter)
{
    std::int64_t now = counter_();
    float seconds = float(now - counter) / float(frequency_);
    counter = now;
    return seconds;
}

void beginSection(const std::string& name)
{
    activeProfiler->beginSection(name);
}

void endSection(const std::string& name)
{
    activeProfiler->endSection(name);
}
