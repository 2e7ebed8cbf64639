#include "platform/zeroed_pages.h"

#include <new>
#include <utility>

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/mman.h>
#endif

namespace gjbz108a::platform {
namespace {

#if defined(_WIN32)

// Large pages need a privilege that a user seldom holds; committed pages
// are zeroed all the same.
void* map_zeroed(std::size_t bytes) noexcept {
    return ::VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
}

void unmap(void* data, std::size_t) noexcept { ::VirtualFree(data, 0, MEM_RELEASE); }

#else

void* map_zeroed(std::size_t bytes) noexcept {
    void* data = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (data == MAP_FAILED) return nullptr;
#if defined(MADV_HUGEPAGE)
    // Advice only: where huge pages are off, the table works on small ones.
    constexpr std::size_t kHugePage = std::size_t{2} << 20;
    if (bytes >= kHugePage) ::madvise(data, bytes, MADV_HUGEPAGE);
#endif
    return data;
}

void unmap(void* data, std::size_t bytes) noexcept { ::munmap(data, bytes); }

#endif

}  // namespace

ZeroedPages::ZeroedPages(std::size_t bytes) : data_(bytes == 0 ? nullptr : map_zeroed(bytes)), size_(bytes) {
    if (bytes != 0 && data_ == nullptr) throw std::bad_alloc();
}

ZeroedPages::~ZeroedPages() {
    if (data_ != nullptr) unmap(data_, size_);
}

ZeroedPages::ZeroedPages(ZeroedPages&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

ZeroedPages& ZeroedPages::operator=(ZeroedPages&& other) noexcept {
    if (this != &other) {
        if (data_ != nullptr) unmap(data_, size_);
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

}  // namespace gjbz108a::platform
