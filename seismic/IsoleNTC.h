#pragma once
// The small islands that the grid does not cover, NTCisole.txt: a text file
// of comma- or line-separated fields (the line format of FileRighe): the
// number n of islands, the n names, then per island in the order of the
// names 27 numbers: for each of the nine return periods in order, ag (in
// tenths of g), F0 and Tc* (s).

#include "seismic/NTC.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

inline constexpr const char* NomeFileIsole = "NTCisole.txt";

// Per island (element k − 1 is island k) and period: ag as read (tenths of
// g), F0, Tc*. Names in UTF-8.
struct ElencoIsole {
    std::vector<std::string> Nomi;
    std::vector<std::array<float, NumeroPeriodiTabellati>> AgIsole, F0Isole, TcIsole;
    friend bool operator==(const ElencoIsole&, const ElencoIsole&) = default;
};

// Reads the file's bytes; throws ErroreFile naming the line when a field is
// missing or wrong, the count is negative or beyond 1000, or an island holds
// parameters that no site can have (ParametriSitoPossibili).
ElencoIsole LeggeIsole(std::string_view byte);

// The bytes of the file for `elenco`: the count, one name per line, one line
// of 27 numbers per island.
std::string CodificaIsole(const ElencoIsole& elenco);

// Reads the file into `elenco`. On a missing or damaged file it shows one
// message naming the file, leaves `elenco` empty and returns false.
bool LeggeFileIsole(const std::filesystem::path& file, ElencoIsole& elenco);

}  // namespace tavo
