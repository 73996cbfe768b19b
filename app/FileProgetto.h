#pragma once
// The project file (*.Tav): the inputs of the project state, the
// reinforcement settings, the code in force and the seismic block, one value
// per line in the line format of fileio/FileRighe.h. Nothing computed is
// stored.
//
//   line 1          "title","2.1"
//   lines 2..16     AltezzaParaghiaia, SpessoreParaghiaia, InclinazioneParete,
//                   AltezzaParete, SpessoreTestaParete, SpessoreBaseParete,
//                   AltezzaFondazione, SbalzoFondazione, LarghezzaFondazione,
//                   AngoloAttritoInterno, AngoloAttritoTerraTavo,
//                   AngoloAttritoFondazione, PesoSpecificoTerreno,
//                   PesoSpecificoTavo, GradoSismicita
//   line 17         N, the number of ground sides (1..32767)
//   N lines         dx, dy, q of each side
//   7 lines         NImpalcato, VImpalcato, DistanzaImpalcato, DistanzaSezioni,
//                   Copriferro, SigmaAcciaioAmm, CoeffOmogeneizzazione
//   version "2.0" and later: Normativa (0 NTC 2008, 1 DM 1996), then the
//   seismic block (seismic/FileNTC.h)

#include "analysis/VariabiliPubbliche.h"
#include "app/DatiForm.h"
#include "fileio/FileRighe.h"
#include "seismic/NTC.h"

#include <filesystem>
#include <optional>
#include <string>

namespace tavo {

// The format version every project file is written with.
inline constexpr const char* VersioneFormatoProgetto = "2.1";

// Reads (into the given state, in place) or writes the whole project file,
// the same steps in both modes. A file whose version compares below "2.0" as
// text has no code line and no seismic block: DM 1996 is then put in force.
// The reinforcement defaults fill what is zero or negative at the end.
// Throws ErroreFile naming the line on any failure.
void FileLeggeScrive(FileRighe& file, VariabiliPubbliche& v, NTC& ntc);

// Opens a project. The file is read into copies of the two states, which
// replace them only when the whole file was read: on any failure one message
// names the file and the line, the result is false and the project in memory
// is untouched.
bool ApreFileProgetto(const std::filesystem::path& percorso, VariabiliPubbliche& v, NTC& ntc);

// Saves a project: the file is written completely beside the target and then
// put in its place. On any failure one message, the result is false and the
// old file is left as it was. The states are not changed.
bool SalvaFileProgetto(const std::filesystem::path& percorso, const VariabiliPubbliche& v, const NTC& ntc);

// The bytes that saving would write with the fields `testi` typed over the
// states, which stay as they are: what tells whether a project changed
// since it was last opened or saved, typed or computed alike. Nothing when
// a field cannot be read or a value cannot be written.
std::optional<std::string> TestoProgetto(const TestiForm& testi, const VariabiliPubbliche& v, const NTC& ntc,
                                         const Separatori& sep);

}  // namespace tavo
