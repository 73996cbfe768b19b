#pragma once
// Array utilities, parity tests and root finder (module Matematica).
// (AngoloDirezione and AngoloVerticale, also of this module, are declared in
// geometry/Rette.h beside the lines and frames that use them.)
//
// Indexing convention: arrays are std::vector (0-based storage); every index
// callers count with is 1-based in the public interface: IndiceInArray returns
// 1..n (or -1), IndiceSuccessivo / IndicePrecedente take and return 1..n,
// OrdinaIntervallo takes 1-based bounds, and a permutation `ordine` holds
// 1-based positions at 0-based storage (ordine[k-1] is the original position
// of the k-th sorted element). A 1-based index outside its range throws
// std::out_of_range (a subscript error that the caller stops on).

#include <cmath>
#include <cstddef>
#include <functional>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace tavo {

// The first i in 1..n with arr(i) = value, else -1 (always counts from 1).
template <class V, class T>
int IndiceInArray(const V& arr, const T& value, int n) {
    if (n > static_cast<int>(std::size(arr)))
        throw std::out_of_range("IndiceInArray: array piu' corto di n");
    for (int i = 1; i <= n; ++i)
        if (arr[i - 1] == value) return i;
    return -1;
}

// first = 1 (the public lower bound), last = first + n - 1.
inline void LimitiIndici(int n, int& primo, int& ultimo) {
    primo = 1;
    ultimo = primo + n - 1;
}

// i + 1 when i < n, else 1 (circular over 1..n).
inline int IndiceSuccessivo(int n, int i) { return i < n ? i + 1 : 1; }
// i - 1 when i > 1, else n (circular over 1..n).
inline int IndicePrecedente(int n, int i) { return i > 1 ? i - 1 : n; }

// A copy of the first n elements (all of them when n is absent).
template <class T>
std::vector<T> CopiaArray(const std::vector<T>& src, std::optional<int> n = std::nullopt) {
    const int m = n.value_or(static_cast<int>(src.size()));
    if (m < 0 || m > static_cast<int>(src.size()))
        throw std::out_of_range("CopiaArray: n fuori dai limiti");
    return std::vector<T>(src.begin(), src.begin() + m);
}

// Swaps a and b; when neg is true both are negated after the swap.
template <class T>
void Scambia(T& a, T& b, bool neg = false) {
    std::swap(a, b);
    if (neg) {
        a = -a;
        b = -b;
    }
}

// Ascending exchange sort of arr(primo..ultimo) (1-based, inclusive), stable:
// passes of neighbour swaps on a strict >, until a pass swaps nothing.
template <class V>
void OrdinaIntervallo(V& arr, int primo, int ultimo, std::vector<int>* ordine) {
    if (primo < 1 || ultimo > static_cast<int>(std::size(arr)))
        throw std::out_of_range("OrdinaIntervallo: limiti fuori dall'array");
    if (ordine) {
        if (static_cast<int>(ordine->size()) < ultimo)
            ordine->resize(static_cast<std::size_t>(ultimo < 0 ? 0 : ultimo));
        for (int i = primo; i <= ultimo; ++i) (*ordine)[i - 1] = i;
    }
    bool scambiato = true;
    while (scambiato) {
        scambiato = false;
        for (int i = primo; i <= ultimo - 1; ++i) {
            if (arr[i - 1] > arr[i]) {  // arr(i) > arr(i+1), 1-based
                Scambia(arr[i - 1], arr[i]);
                if (ordine) Scambia((*ordine)[i - 1], (*ordine)[i]);
                scambiato = true;
            }
        }
    }
}
template <class V>
void OrdinaIntervallo(V& arr, int primo, int ultimo, std::vector<int>& ordine) {
    OrdinaIntervallo(arr, primo, ultimo, &ordine);
}
template <class V>
void OrdinaIntervallo(V& arr, int primo, int ultimo) {
    OrdinaIntervallo(arr, primo, ultimo, static_cast<std::vector<int>*>(nullptr));
}

// Ascending sort of the first n items; nothing when n < 1. `ordine` becomes
// the permutation of n entries (1-based positions). Items beyond n stay.
template <class V>
void OrdinaArray(V& arr, int n, std::vector<int>* ordine) {
    if (n < 1) return;
    if (ordine) ordine->assign(static_cast<std::size_t>(n), 0);
    OrdinaIntervallo(arr, 1, n, ordine);
}
template <class V>
void OrdinaArray(V& arr, int n, std::vector<int>& ordine) {
    OrdinaArray(arr, n, &ordine);
}
template <class V>
void OrdinaArray(V& arr, int n) {
    OrdinaArray(arr, n, static_cast<std::vector<int>*>(nullptr));
}

// r(i) = values(ordine(i)) for i = 1..n; n absent means every element of
// values, so the result is as long as the array it reorders.
template <class T>
std::vector<T> RiordinaConIndici(const std::vector<T>& values, const std::vector<int>& ordine,
                                 std::optional<int> n = std::nullopt) {
    const int m = n.value_or(static_cast<int>(values.size()));
    if (m > static_cast<int>(ordine.size()))
        throw std::out_of_range("RiordinaConIndici: permutazione piu' corta di n");
    std::vector<T> r;
    r.reserve(static_cast<std::size_t>(m < 0 ? 0 : m));
    for (int i = 1; i <= m; ++i) {
        const int k = ordine[i - 1];
        if (k < 1 || k > static_cast<int>(values.size()))
            throw std::out_of_range("RiordinaConIndici: indice " + std::to_string(k) +
                                    " fuori dai limiti");
        r.push_back(values[k - 1]);
    }
    return r;
}

// v = 2 Int(v/2), Int the largest integer not above its argument.
inline bool NumeroPari(double v) { return v == 2.0 * std::floor(v / 2.0); }
inline bool NumeroDispari(double v) { return !NumeroPari(v); }

// Array-size probes of the matrix lines of the file routines.
// A one-dimensional array is a std::vector, a two-dimensional one a vector of
// rows. ArrayDimensionato: elements along the first dimension (0 when empty);
// NumeroDimensioni: elements along the second (1 with no second dimension).
template <class T>
int ArrayDimensionato(const std::vector<T>& arr) {
    return static_cast<int>(arr.size());
}
template <class T>
int NumeroDimensioni(const std::vector<T>&) {
    return 1;
}
template <class T>
int NumeroDimensioni(const std::vector<std::vector<T>>& arr) {
    return arr.empty() ? 1 : static_cast<int>(arr.front().size());
}

// Root finder: the Illinois variant of false position on f between x1 and x2.
enum class EsitoEquazione {
    Trovata,         // x is a root: |f(x)| < tol
    NonCambiaSegno,  // f(x1) f(x2) > 0: no root bracketed (x1, x2 untouched)
    NonConverge,     // the user refused to go on after the iteration limit
};

struct RadiceEquazione {
    EsitoEquazione esito = EsitoEquazione::NonCambiaSegno;
    double x = 0.0;  // the root when trovata(); 0 otherwise
    bool trovata() const { return esito == EsitoEquazione::Trovata; }
    explicit operator bool() const { return trovata(); }
};

// Modified false position (Illinois) on f (replaces the call by name on
// yEquazione; an extra parameter is captured by the callable).
// x1 and x2 are overwritten by the iteration: they end as its last bracket.
// Messages through tavo::messaggi():
//  - no sign change: "ERRORE! La funzione non cambia segno fra x1 e x2"
//    (Icona::Critico), result NonCambiaSegno;
//  - beyond 100 iterations (then every further 100) the question
//    "ERRORE! Il procedimento non converge!\rSuperate  101 iterazioni.\rProseguire ?"
//    (the count with one leading blank); Yes goes on for 100 more,
//    No shows "ERRORE! Procedimento non convergente!\rRISULTATI ERRATI!"
//    and gives NonConverge.
// An exception thrown by f reaches the caller; f1 = f2 in the false-position
// step (a division by zero) or a non-finite iterate throws
// ErroreCalcolo.
RadiceEquazione RisolveEquazione(const std::function<double(double)>& f, double& x1, double& x2,
                                 double tol);

}  // namespace tavo
