#pragma once
// Names of project files: the base name the window shows, the filter and the
// initial name of the file dialogs, and the path a plain Save writes to.

#include <filesystem>
#include <string>
#include <string_view>

namespace tavo {

// The file name without its folder and without its last extension.
std::string NomeBaseFile(std::string_view percorso);

// The dialog filter in pairs of description and pattern separated by "|":
// all files first, then the project files (the entry preselected).
std::string FiltroDialogoFile(std::string_view descrizione, std::string_view estensione);

// Index (1-based) of the filter entry the dialogs preselect.
inline constexpr int IndiceFiltroProgetti = 2;

// The initial file name of the dialogs: "*." and the extension for a project
// without a file, else the name, a point and the extension.
std::string NomeInizialeDialogo(std::string_view nome, std::string_view estensione);

// Where Save writes the project `nome` in `cartella`. A file of that name
// whose extension differs from `estensione` only in case is the project's
// own file (x.tav opened and saved stays x.tav): its name is kept, so that a
// case-sensitive file system never gets a second copy beside it.
std::filesystem::path PercorsoSalvataggio(const std::filesystem::path& cartella,
                                          std::string_view nome, std::string_view estensione);

}  // namespace tavo
