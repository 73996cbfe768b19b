#include "app/NomiFile.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace tavo {
namespace {

bool UgualiSenzaMaiuscole(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

}  // namespace

std::string NomeBaseFile(std::string_view percorso) {
    std::string nome(percorso);
    const auto barra = nome.find_last_of("/\\");
    if (barra != std::string::npos) nome.erase(0, barra + 1);
    const auto punto = nome.rfind('.');
    if (punto != std::string::npos) nome.erase(punto);
    return nome;
}

std::string FiltroDialogoFile(std::string_view descrizione, std::string_view estensione) {
    std::string filtro = "Tutti i Files (*.*)|*.*|Files ";
    filtro += descrizione;
    filtro += " (*.";
    filtro += estensione;
    filtro += ")|*.";
    filtro += estensione;
    return filtro;
}

std::string NomeInizialeDialogo(std::string_view nome, std::string_view estensione) {
    std::string iniziale = nome.empty() ? std::string("*") : std::string(nome);
    iniziale += '.';
    iniziale += estensione;
    return iniziale;
}

std::filesystem::path PercorsoSalvataggio(const std::filesystem::path& cartella,
                                          std::string_view nome, std::string_view estensione) {
    std::string esatto(nome);
    esatto += '.';
    esatto += estensione;
    const auto predefinito = cartella / esatto;
    std::error_code ec;
    if (std::filesystem::exists(predefinito, ec)) return predefinito;
    // Several case variants: the first in name order, so that Save always
    // picks the same one.
    std::filesystem::path scelto;
    for (std::filesystem::directory_iterator it(cartella, ec), fine; !ec && it != fine;
         it.increment(ec)) {
        const std::string trovato = it->path().filename().string();
        const std::string_view t(trovato);
        if (t.size() == esatto.size() && t.substr(0, nome.size()) == nome &&
            t[nome.size()] == '.' && UgualiSenzaMaiuscole(t.substr(nome.size() + 1), estensione) &&
            it->is_regular_file(ec) && (scelto.empty() || it->path() < scelto))
            scelto = it->path();
    }
    return scelto.empty() ? predefinito : scelto;
}

}  // namespace tavo
