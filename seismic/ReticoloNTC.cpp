#include "seismic/ReticoloNTC.h"

#include "fileio/FileSuDisco.h"
#include "ports/MessagePort.h"
#include "seismic/ByteLE.h"

#include <cmath>
#include <fstream>
#include <vector>

namespace tavo {
namespace {

constexpr std::size_t OffsetAg = 12;
constexpr std::size_t OffsetF0 = 48;
constexpr std::size_t OffsetTc = 84;

bool NodoPossibile(const NodoReticolo& n) {
    return std::fabs(n.Longitudine) <= 180 && std::fabs(n.Latitudine) <= 90 &&
           ParametriSitoPossibili(n.Ag, n.F0, n.Tc);
}

Quadrante QuadranteDi(const NodoReticolo& r, float lon, float lat) {
    if (r.Longitudine <= lon) return r.Latitudine >= lat ? NordOvest : SudOvest;
    return r.Latitudine >= lat ? NordEst : SudEst;
}

}  // namespace

bool ParametriSitoPossibili(const std::array<float, NumeroPeriodiTabellati>& ag,
                            const std::array<float, NumeroPeriodiTabellati>& f0,
                            const std::array<float, NumeroPeriodiTabellati>& tc) {
    auto entro = [](const auto& serie, float massimo) {
        for (float x : serie)
            if (!(x > 0 && x <= massimo)) return false;
        return true;
    };
    return entro(ag, 20) && entro(f0, 10) && entro(tc, 5);
}

std::string CodificaNodo(const NodoReticolo& nodo) {
    std::string out;
    out.reserve(DimensioneRecordNodo);
    AccodaI32LE(out, nodo.ID);
    AccodaFloatLE(out, nodo.Longitudine);
    AccodaFloatLE(out, nodo.Latitudine);
    for (const auto* serie : {&nodo.Ag, &nodo.F0, &nodo.Tc})
        for (float v : *serie) AccodaFloatLE(out, v);
    return out;
}

NodoReticolo DecodificaNodo(const char* p) {
    NodoReticolo n;
    n.ID = LeggeI32LE(p);
    n.Longitudine = LeggeFloatLE(p + 4);
    n.Latitudine = LeggeFloatLE(p + 8);
    for (std::size_t i = 0; i < NumeroPeriodiTabellati; ++i) {
        n.Ag[i] = LeggeFloatLE(p + OffsetAg + 4 * i);
        n.F0[i] = LeggeFloatLE(p + OffsetF0 + 4 * i);
        n.Tc[i] = LeggeFloatLE(p + OffsetTc + 4 * i);
    }
    return n;
}

void AzzeraNodi(NodiSito& nodi) { nodi.fill(NodoReticolo{}); }

double DistanzaNodo(float lon, float lat, const NodoReticolo& nodo) {
    const double dx = static_cast<double>(nodo.Longitudine) - lon;
    const double dy = static_cast<double>(nodo.Latitudine) - lat;
    return std::sqrt(dx * dx + dy * dy);
}

std::optional<std::string> CercaNodiReticolo(std::istream& in, float lon, float lat, NodiSito& nodi) {
    const double lonMin = lon - 0.2;
    const double lonMax = lon + 0.2;
    std::array<double, 4> migliore{1.0, 1.0, 1.0, 1.0};
    char record[DimensioneRecordNodo];
    for (long numero = 1;; ++numero) {
        in.read(record, DimensioneRecordNodo);
        const std::streamsize letti = in.gcount();
        if (letti == 0) return std::nullopt;
        if (letti < static_cast<std::streamsize>(DimensioneRecordNodo))
            return "Record " + std::to_string(numero) + ": dati troncati.";
        const NodoReticolo r = DecodificaNodo(record);
        if (!NodoPossibile(r)) return "Record " + std::to_string(numero) + ": valore non valido.";
        if (r.Longitudine > lonMin) {
            const double d = DistanzaNodo(lon, lat, r);
            const Quadrante q = QuadranteDi(r, lon, lat);
            if (d < migliore[q]) {
                migliore[q] = d;
                nodi[q] = r;
            }
        }
        if (r.Longitudine > lonMax) return std::nullopt;
    }
}

bool CercaNodiReticolo(const std::filesystem::path& file, float lon, float lat, NodiSito& nodi) {
    // A buffer of its own, so that a search costs a few large reads.
    std::vector<char> tampone(1 << 16);
    std::ifstream in;
    in.rdbuf()->pubsetbuf(tampone.data(), static_cast<std::streamsize>(tampone.size()));
    try {
        ApreFileInLettura(file, in);
    } catch (const ErroreFile& e) {
        messaggi().mostra(e.what());
        return false;
    }
    if (const auto errore = CercaNodiReticolo(in, lon, lat, nodi)) {
        messaggi().mostra("Lettura incompleta del file " + TestoPercorso(file) + "\r\n" + *errore);
        return false;
    }
    return true;
}

}  // namespace tavo
