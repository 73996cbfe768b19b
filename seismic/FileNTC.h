#pragma once
// The seismic block of the project file: the site state of the seismic
// chain, the steel design strength fyd and the static partial-coefficient
// table, 44 lines read or written by one routine so that the block has
// exactly one layout. The project file calls it right after its code line.
//
//   lines 1..9   ag, F0, Tc* at the nine tabulated return periods
//   line 10      VR, limit state, soil category, topographic category, h/H
//   line 11      longitude, latitude, search mode
//   line 12      region, province, municipality and island indexes, municipality label
//   line 13      an empty text (kept for the files of the original program)
//   line 14      #FALSE# (likewise)
//   line 15      kh, kv
//   line 16      fyd
//   lines 17..44 the static partial coefficients 1..28

#include "fileio/FileRighe.h"
#include "seismic/NTC.h"

#include <span>

namespace tavo {

// Reads or writes the block. Reading fills `ntc`, `fyd` and the table line by
// line; the limit state, the categories and the search mode must lie in their
// ranges and the list indexes must not be negative, else ErroreFile names
// the line. Writing checks the same, so that no file is written that could
// not be read back.
void FileLeggeScriveNTC(FileRighe& file, NTC& ntc, float& fyd, std::span<float, 28> coefParzStatici);

}  // namespace tavo
