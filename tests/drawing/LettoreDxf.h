#pragma once
// Real DXF readers for the tests: runs tests/drawing/verifica_dxf.py
// (python3-ezdxf, recovery plus audit) on a file and gives back the error
// count and the entities it read; and LibreCAD, which prints the file to
// PDF, rasterised by pdftoppm.

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
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

// The picture LibreCAD draws of the file: `librecad dxf2pdf` (fitted to
// the page), then the page at 40 dpi in grey (a PGM image, its bytes).
inline std::string DisegnoLibreCad(const std::filesystem::path& file) {
    std::filesystem::path pdf = file, immagine = file;
    pdf.replace_extension(".pdf");
    immagine.replace_extension("");
    const std::string comando = "QT_QPA_PLATFORM=offscreen timeout 120 librecad dxf2pdf -a '" +
                                file.string() + "' >/dev/null 2>&1 && pdftoppm -r 40 -gray -singlefile '" +
                                pdf.string() + "' '" + immagine.string() + "'";
    if (std::system(comando.c_str()) != 0) throw std::runtime_error("non riuscito: " + comando);
    immagine += ".pgm";
    std::ifstream in(immagine, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace tavo::test
