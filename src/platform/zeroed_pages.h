// Zeroed memory straight from the system for a large table that is read at
// random. Where the system offers it, a table of 2 MiB or more is backed by
// huge pages: a look-up then costs one cache miss and no page walk (under
// virtualization a walk costs more than the miss itself), and filling the
// table takes a page fault per 2 MiB instead of one per 4 KiB.
#pragma once

#include <cstddef>

namespace gjbz108a::platform {

class ZeroedPages {
public:
    ZeroedPages() noexcept = default;
    explicit ZeroedPages(std::size_t bytes);  // throws std::bad_alloc
    ~ZeroedPages();
    ZeroedPages(ZeroedPages&& other) noexcept;
    ZeroedPages& operator=(ZeroedPages&& other) noexcept;
    ZeroedPages(const ZeroedPages&) = delete;
    ZeroedPages& operator=(const ZeroedPages&) = delete;

    void* data() const noexcept { return data_; }
    std::size_t size() const noexcept { return size_; }

private:
    void* data_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace gjbz108a::platform
