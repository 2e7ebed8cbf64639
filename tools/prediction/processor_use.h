// Whether a second thread would find a processor of its own. A thread that
// formats and writes a long list beside the one that reads it shortens the
// run only while another processor is free; on a busy machine it would take
// its turns from other work and add the cost of handing the parts over. So
// the list is first read on one thread while the processors' idle time is
// measured, and the second thread starts only when at least half a processor
// stood idle beside the reading one: the writing side does a little less than
// half of the work, so with less it would mostly wait for its turns.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string_view>

namespace gjbz108a::cli {

// The processors this process may run on: where only one is, a second thread
// would only take turns with the first.
unsigned usable_processors() noexcept;

// Time that processors have spent since they started, in the system's units:
// idle (waiting for input or output counts as idle; time the hypervisor gave
// to others as busy) and in all.
struct ProcessorTimes {
    unsigned long long idle = 0;
    unsigned long long total = 0;
    unsigned processors = 0;
};

// From the text of Linux's /proc/stat, the sum over the lines "cpuN" of the
// processors for which `counted(N)` holds; nothing when no line is counted.
std::optional<ProcessorTimes> read_proc_stat(std::string_view text, const std::function<bool(unsigned)>& counted);

// The times of the processors this process may use, now; nothing where the
// system does not tell.
std::optional<ProcessorTimes> processor_times();

// Whether at least half a processor stood idle between the two; nothing when
// the interval cannot tell (no time passed, or the counters went back).
std::optional<bool> processor_idle(const ProcessorTimes& before, const ProcessorTimes& after) noexcept;

enum class SecondThread { not_yet, start, never };

// Decides, once the list has been read for kInterval, whether its report gets
// a thread of its own: started where a processor stood idle, or where idle
// time cannot be measured (as before the rule); never on a busy machine. A
// list done within kInterval never starts it. Asked with the count of parts
// reported so far, it reads the clock every kCheckEvery parts only.
class IdleProcessorRule {
public:
    IdleProcessorRule();
    SecondThread operator()(unsigned long parts);

    static constexpr std::chrono::milliseconds kInterval{50};  // five ticks of the counters on Linux
    static constexpr unsigned long kCheckEvery = 256;

private:
    std::chrono::steady_clock::time_point start_;
    std::optional<ProcessorTimes> before_;
};

}  // namespace gjbz108a::cli
