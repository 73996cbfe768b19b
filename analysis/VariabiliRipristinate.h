#pragma once
// Keeps a few Single variables of the project state and puts their values
// back when the scope ends, however it ends: the reinforcement report
// reshapes the stem for one section at a time and must never leave the
// project with a shortened stem, not even after a calculation error.

#include <array>
#include <cstddef>

namespace tavo {

template <std::size_t N>
class VariabiliRipristinate {
public:
    template <class... R>
    explicit VariabiliRipristinate(R&... variabili) : rif_{&variabili...}, valori_{variabili...} {}
    ~VariabiliRipristinate() {
        for (std::size_t i = 0; i < N; ++i) *rif_[i] = valori_[i];
    }
    VariabiliRipristinate(const VariabiliRipristinate&) = delete;
    VariabiliRipristinate& operator=(const VariabiliRipristinate&) = delete;

private:
    std::array<float*, N> rif_;
    std::array<float, N> valori_;
};

template <class... R>
VariabiliRipristinate(R&...) -> VariabiliRipristinate<sizeof...(R)>;

}  // namespace tavo
