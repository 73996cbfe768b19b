#pragma once
// Counts the calls of the global operator new made while a counter is alive
// (the test executable replaces operator new for this).

#include <cstddef>

namespace tavo::test {

class ContaAllocazioni {
public:
    ContaAllocazioni();
    ~ContaAllocazioni();
    ContaAllocazioni(const ContaAllocazioni&) = delete;
    ContaAllocazioni& operator=(const ContaAllocazioni&) = delete;

    std::size_t conta() const;
};

}  // namespace tavo::test
