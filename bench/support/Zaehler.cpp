// Counts every heap allocation of a benchmark program.

#include <atomic>
#include <cstdlib>
#include <new>

namespace vapro::bench {
std::atomic<long> gAllokationen{0};
} // namespace vapro::bench

void* operator new(std::size_t n) {
    ++vapro::bench::gAllokationen;
    if (void* p = std::malloc(n)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
