#include "tests/analysis/ContaAllocazioni.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<bool> attivo{false};
std::atomic<std::size_t> allocazioni{0};

void* allocaContata(std::size_t n) {
    if (attivo.load(std::memory_order_relaxed)) allocazioni.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n == 0 ? 1 : n)) return p;
    throw std::bad_alloc();
}
}  // namespace

void* operator new(std::size_t n) { return allocaContata(n); }
void* operator new[](std::size_t n) { return allocaContata(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace tavo::test {

ContaAllocazioni::ContaAllocazioni() {
    allocazioni = 0;
    attivo = true;
}
ContaAllocazioni::~ContaAllocazioni() { attivo = false; }
std::size_t ContaAllocazioni::conta() const { return allocazioni.load(); }

}  // namespace tavo::test
