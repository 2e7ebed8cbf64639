// A report that formats and writes its parts on a thread of its own, while the
// thread that hands them over goes on reading and computing the list. Each
// part is copied into a batch: its texts and the bytes of its EditRecord that
// a report reads; full batches wait in a queue of a few, so memory stays flat
// (about a megabyte) however far one side runs ahead: the reading side waits
// while the queue is full. The parts reach the report in the order they came,
// and its finish() runs on the calling thread once every part has been
// written.
//
// Parts go straight to the report until `start` (asked before each part with
// the count so far) says to start the thread, or never: so a short list, or
// a list on a busy machine, never starts it. An exception of the report on
// its thread ends the writing and is thrown, once, to the reading side at its
// next hand-over or at finish(). When the reading side stops with an
// exception, the destructor still lets the parts handed over so far be
// written, as a report on one thread would have.
#pragma once

#include "tools/prediction/processor_use.h"
#include "tools/prediction/report.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace gjbz108a::cli {

class ThreadedReport final : public Report {
public:
    using StartRule = std::function<SecondThread(unsigned long parts)>;
    ThreadedReport(std::unique_ptr<Report> report, StartRule start);
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
    StartRule start_;  // empty once it has said
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
