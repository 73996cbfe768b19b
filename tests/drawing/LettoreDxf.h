#pragma once
// A real DXF reader for the tests: runs tests/drawing/verifica_dxf.py
// (python3-ezdxf, recovery plus audit) on a file and gives back the error
// count and the entities it read.

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavo::test {

struct EntitaLetta {
    std::string tipo;
    int colore = 0;
    std::vector<double> numeri;
    std::string testo;
};

struct DxfLetto {
    int errori = -1;
    std::vector<EntitaLetta> entita;
};

inline DxfLetto LeggeConEzdxf(const std::filesystem::path& file) {
    const char* sorgente = std::getenv("TAVO_SOURCE_DIR");
    if (!sorgente) throw std::runtime_error("TAVO_SOURCE_DIR non impostata");
    const std::string comando = "/usr/bin/python3 " + std::string(sorgente) +
                                "/tests/drawing/verifica_dxf.py '" + file.string() + "' 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> p(popen(comando.c_str(), "r"), pclose);
    if (!p) throw std::runtime_error("impossibile eseguire " + comando);
    std::string uscita;
    char buf[4096];
    while (std::fgets(buf, sizeof buf, p.get())) uscita += buf;

    DxfLetto letto;
    std::istringstream righe(uscita);
    std::string riga;
    if (!std::getline(righe, riga) || riga.rfind("ERRORI ", 0) != 0)
        throw std::runtime_error("ezdxf non ha letto il file:\n" + uscita);
    letto.errori = std::stoi(riga.substr(7));
    while (std::getline(righe, riga)) {
        const auto barra = riga.find('|');
        EntitaLetta e;
        e.testo = riga.substr(barra + 1);
        std::istringstream campi(riga.substr(0, barra));
        std::string numero;
        campi >> e.tipo >> e.colore;
        while (campi >> numero) {
            double v = 0;
            std::from_chars(numero.data(), numero.data() + numero.size(), v);
            e.numeri.push_back(v);
        }
        letto.entita.push_back(e);
    }
    return letto;
}

}  // namespace tavo::test
