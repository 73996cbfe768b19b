#include "app/FileProgetto.h"

#include "analysis/ListaRisultati.h"
#include "analysis/RisultatoAttuale.h"
#include "fileio/FileSuDisco.h"
#include "seismic/FileNTC.h"

#include <exception>
#include <string>

namespace tavo {
namespace {

void ProfiloTerreno(FileRighe& file, VariabiliPubbliche& v) {
    const int n = v.nLatiTerreno;
    file.VerificaIntervallo(n, 1, 32767);
    if (file.inLettura()) {
        v.dxProfilo.ridimensiona(n);
        v.dyProfilo.ridimensiona(n);
        v.qProfilo.ridimensiona(n);
    } else if (v.dxProfilo.dimensione() != n || v.dyProfilo.dimensione() != n ||
               v.qProfilo.dimensione() != n) {
        file.Errore("il profilo del terreno non ha " + std::to_string(n) + " lati.");
    }
    for (int i = 1; i <= n; ++i) file.FileInOut(v.dxProfilo(i), v.dyProfilo(i), v.qProfilo(i));
}

}  // namespace

void FileLeggeScrive(FileRighe& file, VariabiliPubbliche& v, NTC& ntc) {
    file.FileInOutDueValori(v.TitoloTavo, v.VersioneFile, VersioneFormatoProgetto);
    for (float* valore : {&v.AltezzaParaghiaia, &v.SpessoreParaghiaia, &v.InclinazioneParete,
                          &v.AltezzaParete, &v.SpessoreTestaParete, &v.SpessoreBaseParete,
                          &v.AltezzaFondazione, &v.SbalzoFondazione, &v.LarghezzaFondazione,
                          &v.AngoloAttritoInterno, &v.AngoloAttritoTerraTavo, &v.AngoloAttritoFondazione,
                          &v.PesoSpecificoTerreno, &v.PesoSpecificoTavo, &v.GradoSismicita}) {
        file.FileInOut(*valore);
    }
    file.FileInOut(v.nLatiTerreno);
    ProfiloTerreno(file, v);
    for (float* valore : {&v.NImpalcato, &v.VImpalcato, &v.DistanzaImpalcato, &v.DistanzaSezioni,
                          &v.Copriferro, &v.SigmaAcciaioAmm, &v.CoeffOmogeneizzazione}) {
        file.FileInOut(*valore);
    }
    // The version is compared as text, character by character, as the files
    // of every earlier release expect.
    if (!file.inLettura() || v.VersioneFile >= std::string("2.0")) {
        file.FileInOut(v.Normativa);
        file.VerificaIntervallo(v.Normativa, NormativaNTC2008, NormativaDM1996);
        // A file with a site has it alone: what the file does not store (the
        // amplification factors the site window derives, its titles) starts
        // as at a fresh start, never as the project opened before left it.
        if (file.inLettura()) ntc = NTC{};
        FileLeggeScriveNTC(file, ntc, v.fyd, std::span<float, 28>(&v.CoefParzStatici(1), 28));
    } else {
        v.Normativa = NormativaDM1996;
    }
    DefaultMateriali(v);
}

bool ApreFileProgetto(const std::filesystem::path& percorso, VariabiliPubbliche& v, NTC& ntc) {
    VariabiliPubbliche nuovo = v;
    NTC nuovoNtc = ntc;
    if (!LeggeFileRighe(percorso, [&](FileRighe& f) { FileLeggeScrive(f, nuovo, nuovoNtc); })) return false;
    v = std::move(nuovo);
    ntc = std::move(nuovoNtc);
    NuovaGenerazione(v);
    return true;
}

bool SalvaFileProgetto(const std::filesystem::path& percorso, const VariabiliPubbliche& v, const NTC& ntc) {
    VariabiliPubbliche copia = v;
    NTC copiaNtc = ntc;
    return ScriveFileRighe(percorso, [&](FileRighe& f) { FileLeggeScrive(f, copia, copiaNtc); });
}

std::optional<std::string> TestoProgetto(const TestiForm& testi, const VariabiliPubbliche& v, const NTC& ntc,
                                         const Separatori& sep) {
    VariabiliPubbliche copia = v;
    NTC copiaNtc = ntc;
    try {
        LeggeDatiDaForm(testi, copia, copiaNtc, sep);
        FileRighe f;
        FileLeggeScrive(f, copia, copiaNtc);
        return f.contenuto();
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace tavo
