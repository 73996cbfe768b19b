#pragma once
// Small arrays that the project state numbers from 1 for its callers: the
// result triples (combination k = 1..3), the partial-factor tables (entry
// 1..28), the two points of a thrust line (1..2) and the ground-profile sides
// (1..N). Storage is 0-based; element i of the public accessor is storage
// i-1. An index outside the range throws std::out_of_range (the subscript
// error of the original), which the calculation driver reports like any
// other run-time error.

#include <array>
#include <cstddef>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavo {

namespace detail {
[[noreturn]] inline void indiceFuoriIntervallo(int i, std::size_t n) {
    throw std::out_of_range("indice " + std::to_string(i) + " fuori dall'intervallo 1.." +
                            std::to_string(n));
}
}  // namespace detail

// A fixed array of N values numbered 1..N, all 0 at start.
template <class T, std::size_t N>
class ArrayUno {
public:
    T& operator()(int i) { return v_[posizione(i)]; }
    const T& operator()(int i) const { return v_[posizione(i)]; }

    static constexpr int dimensione() { return static_cast<int>(N); }
    // The values in 0-based storage, e.g. for the vector searches of the
    // geometry library (MinimoVettore, MassimoVettore).
    const std::array<T, N>& valori() const { return v_; }

    bool operator==(const ArrayUno&) const = default;

private:
    static std::size_t posizione(int i) {
        if (i < 1 || i > static_cast<int>(N)) detail::indiceFuoriIntervallo(i, N);
        return static_cast<std::size_t>(i - 1);
    }
    std::array<T, N> v_{};
};

// A dynamic array numbered 1..n, empty (unallocated) at start; `ridimensiona`
// re-creates it as 1..n filled with 0, as a ReDim does.
template <class T>
class VettoreUno {
public:
    void ridimensiona(int n) { v_.assign(n > 0 ? static_cast<std::size_t>(n) : 0u, T{}); }

    T& operator()(int i) { return v_[posizione(i)]; }
    const T& operator()(int i) const { return v_[posizione(i)]; }

    int dimensione() const { return static_cast<int>(v_.size()); }
    // Element i of the public numbering is element i-1 of the span.
    std::span<const T> valori() const { return v_; }

    bool operator==(const VettoreUno&) const = default;

private:
    std::size_t posizione(int i) const {
        if (i < 1 || i > dimensione()) detail::indiceFuoriIntervallo(i, v_.size());
        return static_cast<std::size_t>(i - 1);
    }
    std::vector<T> v_;
};

// One value per load combination: 1 static, 2 seismic with kv > 0,
// 3 seismic with kv < 0.
using Terna = ArrayUno<float, 3>;

// Two points of a line of action: 1 the application point on the back,
// 2 a second point of the line.
using CoppiaRetta = ArrayUno<float, 2>;

}  // namespace tavo
