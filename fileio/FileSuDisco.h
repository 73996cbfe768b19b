#pragma once
// Files on disk in one piece: a file is read whole before its lines are
// parsed, and written to a temporary file in the same folder that replaces
// the target only once it was written completely, so that a failed write
// leaves the old file as it was.

#include "fileio/FileRighe.h"

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace tavo {

// The path as the messages show it (UTF-8).
std::string TestoPercorso(const std::filesystem::path& percorso);

// Opens the file for reading as bytes. Throws ErroreFile with the messages
// of LeggeFileIntero.
void ApreFileInLettura(const std::filesystem::path& percorso, std::ifstream& in);

// The whole content of the file. Throws ErroreFile with the user's message:
// "File <absolute path> non trovato " when it does not exist, "Impossibile leggere il
// file <path>" when it cannot be read.
std::string LeggeFileIntero(const std::filesystem::path& percorso);

// Writes `byte` to a new temporary file beside the target, created under a
// name no file had ("<target>.<random>.tmp"), and renames it over the
// target. Throws ErroreFile with the reason; the target is then untouched,
// the temporary file removed and no other file touched.
void ScriveFileIntero(const std::filesystem::path& percorso, std::string_view byte);
// The same, calling `primaDiSostituire` (when set) with the temporary file
// once it is written and before it replaces the target: tests inject a
// failure there. Whatever it throws is handled as a failed write (the
// temporary file removed, the target untouched) and passed on.
void ScriveFileIntero(const std::filesystem::path& percorso, std::string_view byte,
                      const std::function<void(const std::filesystem::path&)>& primaDiSostituire);

// Reads the file and runs `leggi` on its bytes. A missing file shows the
// message of LeggeFileIntero; an ErroreFile thrown by `leggi` shows
// "Lettura incompleta del file <path>" CR LF its text. False on any failure;
// whatever `leggi` filled must then be dropped by the caller.
bool LeggeFileByte(const std::filesystem::path& percorso, const std::function<void(std::string_view)>& leggi);

// Reads the file and runs `leggi` on it. On any failure shows one message
// naming the file (and the line, "Lettura incompleta del file <path>" CR LF
// "Riga n: ...") and returns false; whatever `leggi` filled must then be
// dropped by the caller.
bool LeggeFileRighe(const std::filesystem::path& percorso, const std::function<void(FileRighe&)>& leggi,
                    FileRighe::Lettura lettura = FileRighe::Lettura::PerRighe);

// Runs `scrivi` on a new file and puts it on disk. On any failure shows one
// message ("Scrittura incompleta del file <path>" CR LF the reason), leaves
// the old file as it was and returns false.
bool ScriveFileRighe(const std::filesystem::path& percorso, const std::function<void(FileRighe&)>& scrivi);

}  // namespace tavo
