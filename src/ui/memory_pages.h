#pragma once

#include <cstddef>
#include <cstdint>
#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace vertola::ui {

#if defined(__linux__)
// Gives the kernel `advice` (madvise) for a block of memory: for the pages wholly inside it when
// others' data may share its first and last pages, or else for every page it touches.
enum class Pages { Inside, Touched };

inline void advisePages(const void* data, std::size_t size, int advice, Pages which) {
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto from = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t to = from + size;
    const std::uintptr_t begin = which == Pages::Inside ? (from + page - 1) & ~(page - 1) : from & ~(page - 1);
    const std::uintptr_t end = which == Pages::Inside ? to & ~(page - 1) : to;
    // An advice the kernel does not know is refused, and changes nothing.
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, advice);
}
#endif

}  // namespace vertola::ui
