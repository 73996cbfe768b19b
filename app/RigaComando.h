#pragma once
// The command line of the program: an optional project file path, whose
// words are joined again with one blank between each two, so that a path
// holding blanks opens whether the user quoted it or not.

#include <string>
#include <string_view>
#include <vector>

namespace tavo {

// Splits a command line as the program always did: a blank, a tab or a
// double quote ends the current argument; any other character opens one
// when none is open. Once `massimo` arguments are open the walk stops at the
// next one. Element 0 is empty; the arguments are elements 1..count.
std::vector<std::string> ArgomentiRigaComando(std::string_view riga, int massimo = 10);

// The project path named on the command line: the arguments (at most 10)
// joined with one blank; empty when none was given.
std::string PercorsoRigaComando(std::string_view riga);

// The command line as the program saw it on Windows, from the words the
// system already split: the words joined with one blank.
std::string RigaComandoDaArgomenti(const std::vector<std::string>& parole);

}  // namespace tavo
