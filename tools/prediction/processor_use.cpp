#include "tools/prediction/processor_use.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#if defined(__linux__)
#include <sched.h>
#elif defined(_WIN32)
#include <windows.h>
#endif

namespace gjbz108a::cli {
namespace {

// The next whole number of `text` after blanks, or nothing.
std::optional<unsigned long long> next_number(std::string_view& text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return std::nullopt;
    unsigned long long value = 0;
    const auto [end, error] = std::from_chars(text.data() + start, text.data() + text.size(), value);
    if (error != std::errc{}) return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

}  // namespace

unsigned usable_processors() noexcept {
#if defined(__linux__)
    // The affinity mask, which taskset and container limits narrow, rather
    // than the processors of the machine.
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0) return static_cast<unsigned>(CPU_COUNT(&set));
#endif
    return std::max(1u, std::thread::hardware_concurrency());
}

std::optional<ProcessorTimes> read_proc_stat(std::string_view text, const std::function<bool(unsigned)>& counted) {
    // "cpu3 user nice system idle iowait irq softirq steal guest guest_nice":
    // guest time is counted in user time already.
    constexpr std::string_view kPrefix = "cpu";
    constexpr int kSummed = 8;  // user to steal
    ProcessorTimes times;
    while (!text.empty()) {
        std::string_view line = text.substr(0, text.find('\n'));
        text.remove_prefix(std::min(text.size(), line.size() + 1));
        if (!line.starts_with(kPrefix)) continue;
        line.remove_prefix(kPrefix.size());
        const std::optional<unsigned long long> number = line.starts_with(' ') ? std::nullopt : next_number(line);
        if (!number || !counted(static_cast<unsigned>(*number))) continue;  // the sum line, or not ours
        ProcessorTimes processor;
        for (int field = 0; field < kSummed; ++field) {
            const std::optional<unsigned long long> value = next_number(line);
            if (!value) return std::nullopt;  // not the layout this reads
            processor.total += *value;
            if (field == 3 || field == 4) processor.idle += *value;  // idle, iowait
        }
        times.idle += processor.idle;
        times.total += processor.total;
        ++times.processors;
    }
    if (times.processors == 0) return std::nullopt;
    return times;
}

std::optional<ProcessorTimes> processor_times() {
#if defined(__linux__)
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) != 0) return std::nullopt;
    std::ifstream file("/proc/stat", std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (!file) return std::nullopt;
    return read_proc_stat(text, [&](unsigned cpu) { return cpu < CPU_SETSIZE && CPU_ISSET(cpu, &set); });
#elif defined(_WIN32)
    // Of every processor of the machine; kernel time includes idle time.
    FILETIME idle, kernel, user;
    if (!GetSystemTimes(&idle, &kernel, &user)) return std::nullopt;
    const auto count = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return ProcessorTimes{count(idle), count(kernel) + count(user), std::max(1u, std::thread::hardware_concurrency())};
#else
    return std::nullopt;
#endif
}

std::optional<bool> processor_idle(const ProcessorTimes& before, const ProcessorTimes& after) noexcept {
    if (after.total <= before.total || after.idle < before.idle || after.processors != before.processors)
        return std::nullopt;
    // idle / total of the time of `processors` processors is the idle share
    // of each: at least half a processor when 2 x processors x idle >= total.
    const unsigned long long idle = after.idle - before.idle, total = after.total - before.total;
    return 2.0L * after.processors * idle >= static_cast<long double>(total);
}

IdleProcessorRule::IdleProcessorRule() : start_(std::chrono::steady_clock::now()), before_(processor_times()) {}

SecondThread IdleProcessorRule::operator()(unsigned long parts) {
    if (parts % kCheckEvery != 0 || std::chrono::steady_clock::now() - start_ < kInterval)
        return SecondThread::not_yet;
    const std::optional<ProcessorTimes> after = processor_times();
    const std::optional<bool> idle = before_ && after ? processor_idle(*before_, *after) : std::nullopt;
    return idle.value_or(true) ? SecondThread::start : SecondThread::never;
}

}  // namespace gjbz108a::cli
