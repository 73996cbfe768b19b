#pragma once
// The national hazard grid, NTCtabellaSpettri.dat: records of 120 bytes,
// little-endian, no header, sorted by ascending longitude.
//
//   offset  0  int32      node ID (a node in memory with ID 0 is a missing node)
//   offset  4  float      longitude, decimal degrees east
//   offset  8  float      latitude, decimal degrees north
//   offset 12  9 × float  ag at 30, 50, 72, 101, 140, 201, 475, 975, 2475 years, tenths of g
//   offset 48  9 × float  F0 at the same periods
//   offset 84  9 × float  Tc* at the same periods, s
//
// The file is never loaded: every search streams it from the start and
// stops at the first record east of the band around the site.

#include "seismic/NTC.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

namespace tavo {

inline constexpr std::size_t DimensioneRecordNodo = 120;
inline constexpr const char* NomeFileReticolo = "NTCtabellaSpettri.dat";

struct NodoReticolo {
    std::int32_t ID = 0;
    float Longitudine = 0;
    float Latitudine = 0;
    std::array<float, NumeroPeriodiTabellati> Ag{};  // tenths of g
    std::array<float, NumeroPeriodiTabellati> F0{};
    std::array<float, NumeroPeriodiTabellati> Tc{};  // s
};

// The four nodes around a site, in this order; ID 0 where none was found.
enum Quadrante { NordOvest = 0, SudOvest = 1, NordEst = 2, SudEst = 3 };
using NodiSito = std::array<NodoReticolo, 4>;

// The 120 bytes of one record, and back. DecodificaNodo reads exactly
// DimensioneRecordNodo bytes from `p`.
std::string CodificaNodo(const NodoReticolo& nodo);
NodoReticolo DecodificaNodo(const char* p);

// Whether the nine ag (tenths of g), F0 and Tc* (s) are values a site can
// have: finite, above 0, ag at most 20 tenths of g (twice gravity), F0 at
// most 10, Tc* at most 5 s. The spectrum divides by them and takes their
// logarithms, and the largest in the national grid are 6.25, 3.25 and 0.6.
bool ParametriSitoPossibili(const std::array<float, NumeroPeriodiTabellati>& ag,
                            const std::array<float, NumeroPeriodiTabellati>& f0,
                            const std::array<float, NumeroPeriodiTabellati>& tc);

// Sets all four nodes to zero (AzzeraNodi).
void AzzeraNodi(NodiSito& nodi);

// Straight distance in degrees, no correction for latitude.
double DistanzaNodo(float lon, float lat, const NodoReticolo& nodo);

// Scans the records of `in` from its current position and keeps in `nodi`
// the nearest record of each quadrant within 1 degree, among those west of
// lon + 0.2 and east of lon − 0.2; equal distances keep the earlier record.
// A record at the site's longitude and latitude counts as north-west.
// Returns the reason when a record is cut short, lies off the globe or holds
// parameters that no site can have; the scan then stops and the nodes found
// so far stay.
std::optional<std::string> CercaNodiReticolo(std::istream& in, float lon, float lat, NodiSito& nodi);

// The same on the grid file `file`. A missing or damaged file shows one
// message naming it and returns false (the nodes found before a damaged
// record stay).
bool CercaNodiReticolo(const std::filesystem::path& file, float lon, float lat, NodiSito& nodi);

}  // namespace tavo
