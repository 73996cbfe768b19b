#include "app/RigaComando.h"

namespace tavo {

std::vector<std::string> ArgomentiRigaComando(std::string_view riga, int massimo) {
    std::vector<std::string> argomenti(1);  // element 0 stays empty
    bool aperto = false;
    for (char c : riga) {
        if (c == ' ' || c == '\t' || c == '"') {
            aperto = false;
            continue;
        }
        if (!aperto) {
            if (static_cast<int>(argomenti.size()) - 1 >= massimo) break;
            argomenti.emplace_back();
            aperto = true;
        }
        argomenti.back() += c;
    }
    return argomenti;
}

std::string PercorsoRigaComando(std::string_view riga) {
    const auto argomenti = ArgomentiRigaComando(riga, 10);
    std::string percorso;
    for (std::size_t i = 1; i < argomenti.size(); ++i) {
        if (i > 1) percorso += ' ';
        percorso += argomenti[i];
    }
    return percorso;
}

std::string RigaComandoDaArgomenti(const std::vector<std::string>& parole) {
    std::string riga;
    for (std::size_t i = 0; i < parole.size(); ++i) {
        if (i > 0) riga += ' ';
        riga += parole[i];
    }
    return riga;
}

}  // namespace tavo
