#include "tools/prediction/threaded_report.h"

#include <gjbz108a/records.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

namespace gjbz108a::cli {

namespace {

// A report reads of a part's EditRecord the header, both blocks and the
// results; the general part data after them (its names, its reference, the
// host's text) it has from the part's texts or not at all. Copying only these
// bytes hands over about a third of the record: each byte handed over moves
// from one processor's cache to the other's, at some cost on either side.
constexpr std::size_t kHeldRecordBytes = GJBZ108A_EDIT_ITEM_CLASS;

}  // namespace

struct ThreadedReport::HeldLine {
    std::string ref, category, messages, environment_name, told_before;
    unsigned long line_number = 0;
    unsigned quantity = 0;
    Status status = Status::not_computed;
    float failure_rate = 0;
    double quantity_rate = 0;
    UsedValues used;
    std::array<std::uint8_t, kHeldRecordBytes> record{};

    void hold(const PartLine& line) {
        ref.assign(line.ref);
        category.assign(line.category);
        messages.assign(line.messages);
        environment_name.assign(line.environment_name);
        told_before.assign(line.told_before);
        line_number = line.line;
        quantity = line.quantity;
        status = line.status;
        failure_rate = line.failure_rate;
        quantity_rate = line.quantity_rate;
        used = line.used;
        std::memcpy(record.data(), line.record, record.size());
    }
    // The part, its record's held bytes copied into `whole_record`.
    PartLine line(std::uint8_t* whole_record) const {
        std::memcpy(whole_record, record.data(), record.size());
        return {ref,  quantity,         category,    status,     failure_rate, quantity_rate, messages, whole_record,
                used, environment_name, line_number, told_before};
    }
};

ThreadedReport::ThreadedReport(std::unique_ptr<Report> report, StartRule start)
    : report_(std::move(report)), start_(std::move(start)) {
    // Every batch there is: the queue's, the one filling and the one writing.
    // The writer returns its batch here without taking memory.
    spare_.reserve(kQueuedBatches + 2);
}

ThreadedReport::~ThreadedReport() {
    if (!writer_.joinable()) return;
    // The reading side stopped early: what it handed over is still written.
    try {
        if (filling_ && filling_->count != 0) hand_over();
    } catch (...) {
        // The writer failed too, or no room was left: the rest cannot be written.
    }
    stop_writer();
}

void ThreadedReport::part(const PartLine& line) {
    if (!writer_.joinable()) {
        const SecondThread start = start_ ? start_(parts_) : SecondThread::never;
        if (start != SecondThread::start) {
            if (start == SecondThread::never) start_ = nullptr;
            ++parts_;
            report_->part(line);
            return;
        }
        start_ = nullptr;
        filling_ = std::make_unique<Batch>();
        filling_->lines.resize(kBatchParts);
        writer_ = std::thread(&ThreadedReport::write_batches, this);
    }
    filling_->lines[filling_->count++].hold(line);
    if (filling_->count == kBatchParts) hand_over();
}

void ThreadedReport::hand_over() {
    std::unique_ptr<Batch> next;
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return queue_.size() < kQueuedBatches || failed_; });
        if (failed_) {
            filling_->count = 0;  // nothing more can be written
            lock.unlock();
            throw_writer_error();
            return;
        }
        queue_.push_back(std::move(filling_));
        if (!spare_.empty()) {
            next = std::move(spare_.back());
            spare_.pop_back();
        }
    }
    changed_.notify_all();
    if (!next) {
        next = std::make_unique<Batch>();
        next->lines.resize(kBatchParts);
    }
    next->count = 0;
    filling_ = std::move(next);
}

void ThreadedReport::throw_writer_error() {
    std::exception_ptr error;
    {
        const std::lock_guard lock(mutex_);
        std::swap(error, error_);  // thrown once
    }
    if (error) std::rethrow_exception(error);
}

void ThreadedReport::stop_writer() noexcept {
    {
        const std::lock_guard lock(mutex_);
        done_ = true;
    }
    changed_.notify_all();
    writer_.join();
}

void ThreadedReport::finish(const Summary& summary) {
    if (writer_.joinable()) {
        if (filling_->count != 0) hand_over();
        stop_writer();
        throw_writer_error();
    }
    report_->finish(summary);
}

void ThreadedReport::write_batches() noexcept {
    std::array<std::uint8_t, GJBZ108A_EDIT_RECORD_SIZE> record{};  // the part's, its held bytes
    for (;;) {
        std::unique_ptr<Batch> batch;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] { return !queue_.empty() || done_; });
            if (queue_.empty()) return;  // done, and everything written
            batch = std::move(queue_.front());
            queue_.pop_front();
        }
        changed_.notify_all();
        std::exception_ptr error;
        try {
            for (std::size_t i = 0; i < batch->count; ++i) report_->part(batch->lines[i].line(record.data()));
        } catch (...) {
            error = std::current_exception();
        }
        // Handed over only once its handler has ended here, so that this thread
        // holds no part of the exception while the reading side throws it.
        if (error) {
            {
                const std::lock_guard lock(mutex_);
                error_ = std::move(error);
                failed_ = true;
                queue_.clear();
            }
            changed_.notify_all();
            return;
        }
        const std::lock_guard lock(mutex_);
        spare_.push_back(std::move(batch));
    }
}

}  // namespace gjbz108a::cli
