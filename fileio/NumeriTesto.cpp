#include "fileio/NumeriTesto.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace tavo {
namespace {

bool Cifra(char c) { return c >= '0' && c <= '9'; }
bool Bianco(char c) { return c == ' ' || c == '\t'; }
bool Esponente(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }

template <class T>
std::string TestoCifre(T v, int cifreMinime) {
    char buf[64];
    // The shortest text that reads back exactly tells how many digits the
    // value needs; the general layout then chooses plain or exponent form.
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
    const int cifre = static_cast<int>(std::count_if(buf, std::find(buf, r.ptr, 'e'), Cifra));
    r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general,
                      std::max(cifre, cifreMinime));
    std::string testo(buf, r.ptr);
    std::replace(testo.begin(), testo.end(), 'e', 'E');
    if (testo == "-0") testo = "0";
    return testo;
}

// Copies a strict number field into the form that std::from_chars takes:
// no blanks, no plus sign, exponent letter e. False when it is not one.
bool NormalizzaCampo(std::string_view campo, std::string& out) {
    std::size_t i = 0, n = campo.size();
    while (i < n && Bianco(campo[i])) ++i;
    while (n > i && Bianco(campo[n - 1])) --n;
    if (i < n && (campo[i] == '+' || campo[i] == '-')) {
        if (campo[i] == '-') out += '-';
        ++i;
    }
    int cifre = 0;
    while (i < n && Cifra(campo[i])) out += campo[i++], ++cifre;
    if (i < n && campo[i] == '.') {
        out += campo[i++];
        while (i < n && Cifra(campo[i])) out += campo[i++], ++cifre;
    }
    if (cifre == 0) return false;
    if (i < n && Esponente(campo[i])) {
        out += 'e';
        ++i;
        if (i < n && (campo[i] == '+' || campo[i] == '-')) out += campo[i++];
        int cifreEsp = 0;
        while (i < n && Cifra(campo[i])) out += campo[i++], ++cifreEsp;
        if (cifreEsp == 0) return false;
    }
    return i == n;
}

template <class T>
std::optional<T> NumeroCampo(std::string_view campo) {
    std::string testo;
    if (!NormalizzaCampo(campo, testo)) return std::nullopt;
    T v{};
    const auto r = std::from_chars(testo.data(), testo.data() + testo.size(), v);
    if (r.ec != std::errc{} || r.ptr != testo.data() + testo.size()) return std::nullopt;
    return v;
}

}  // namespace

std::string TestoNumero(float v) { return TestoCifre(v, 7); }
std::string TestoNumero(double v) { return TestoCifre(v, 15); }

std::optional<float> NumeroFloat(std::string_view campo) { return NumeroCampo<float>(campo); }
std::optional<double> NumeroDouble(std::string_view campo) { return NumeroCampo<double>(campo); }

}  // namespace tavo
