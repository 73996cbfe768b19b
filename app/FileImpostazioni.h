#pragma once
// The settings file Tavo.ini in the program's folder: the partial safety
// coefficients, 56 lines of one number each, the static table (entries
// 1..28) and then the seismic one, in the line format of fileio/FileRighe.h.

#include "analysis/VariabiliPubbliche.h"
#include "fileio/FileRighe.h"

#include <filesystem>

namespace tavo {

inline constexpr const char* NomeFileImpostazioni = "Tavo.ini";

// Reads ("L") or writes ("S") Tavo.ini in `cartellaProgramma`; true when it
// succeeded.
//
// Reading replaces both tables only when all 56 lines were read. A missing
// file puts the defaults in force with the five-line message "Il File
// Tavo.ini non esiste o è incompleto..."; a file that cannot be read to its
// end shows the line that failed first, then puts the defaults in force with
// the same message.
//
// Writing puts the whole file in place in one piece. On a failure one
// message says so, the old file is left as it was and the tables in memory
// are kept.
bool FileIniLeggeScrive(Modo modo, const std::filesystem::path& cartellaProgramma, VariabiliPubbliche& v);

}  // namespace tavo
