// A report that formats and writes its parts on a thread of its own, while the
// thread that hands them over goes on reading and computing the list. Each
// part is copied whole (its texts and its EditRecord) into a batch; full
// batches wait in a queue of a few, so memory stays flat (a few megabytes)
// however far one side runs ahead: the reading side waits while the queue is
// full. The parts reach the report in the order they came, and its finish()
// runs on the calling thread once every part has been written.
//
// The first `direct_parts` parts go straight to the report, so a short list
// never starts the thread. An exception of the report on its thread ends the
// writing and is thrown, once, to the reading side at its next hand-over or
// at finish(). When the reading side stops with an exception, the destructor
// still lets the parts handed over so far be written, as a report on one
// thread would have.
#pragma once

#include "tools/prediction/report.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace gjbz108a::cli {

// The processors this process may run on: where only one is, a second thread
// would only take turns with the first.
unsigned usable_processors() noexcept;

class ThreadedReport final : public Report {
public:
    ThreadedReport(std::unique_ptr<Report> report, unsigned long direct_parts);
    ~ThreadedReport() override;
    ThreadedReport(const ThreadedReport&) = delete;
    ThreadedReport& operator=(const ThreadedReport&) = delete;

    void part(const PartLine& line) override;
    void finish(const Summary& summary) override;

    // Parts a batch; batches the queue holds at most.
    static constexpr std::size_t kBatchParts = 256;
    static constexpr std::size_t kQueuedBatches = 4;

private:
    struct HeldLine;
    struct Batch {
        std::vector<HeldLine> lines;  // kept from use to use, so their texts keep their room
        std::size_t count = 0;
    };

    void hand_over();
    void stop_writer() noexcept;
    void write_batches() noexcept;
    void throw_writer_error();

    std::unique_ptr<Report> report_;
    unsigned long direct_parts_;
    unsigned long parts_ = 0;
    std::unique_ptr<Batch> filling_;

    std::mutex mutex_;  // guards what follows
    std::condition_variable changed_;
    std::deque<std::unique_ptr<Batch>> queue_;
    std::vector<std::unique_ptr<Batch>> spare_;
    bool done_ = false;
    std::exception_ptr error_;  // the report's, on the writing thread
    bool failed_ = false;

    std::thread writer_;
};

}  // namespace gjbz108a::cli
