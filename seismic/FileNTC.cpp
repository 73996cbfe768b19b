#include "seismic/FileNTC.h"

namespace tavo {

void FileLeggeScriveNTC(FileRighe& file, NTC& ntc, float& fyd, std::span<float, 28> coefParzStatici) {
    for (int i = 0; i < NumeroPeriodiTabellati; ++i) file.FileInOut(ntc.AgTR[i], ntc.F0TR[i], ntc.TcTR[i]);

    file.FileInOut(ntc.VR, ntc.StatoLimite, ntc.CategoriaSuolo, ntc.CategoriaTopografica, ntc.hSuH);
    file.VerificaIntervallo(ntc.StatoLimite, 0, SLC);
    file.VerificaIntervallo(ntc.CategoriaSuolo, 0, 5);
    file.VerificaIntervallo(ntc.CategoriaTopografica, 0, 4);

    file.FileInOut(ntc.Longitudine, ntc.Latitudine, ntc.TipoRicerca);
    file.VerificaIntervallo(ntc.TipoRicerca, RicercaCoordinate, RicercaIsola);

    file.FileInOut(ntc.IndiceRegione, ntc.IndiceProvincia, ntc.IndiceComune, ntc.IndiceIsola, ntc.NomeComune);
    for (std::int16_t indice : {ntc.IndiceRegione, ntc.IndiceProvincia, ntc.IndiceComune, ntc.IndiceIsola}) {
        file.VerificaIntervallo(indice, 0, 32767);
    }

    // Two lines that the block has always carried: written empty and False,
    // read and dropped.
    std::string vuoto;
    bool falso = false;
    file.FileInOut(vuoto);
    file.FileInOut(falso);

    file.FileInOut(ntc.KhNTC, ntc.KvNTC);
    file.FileInOut(fyd);
    for (float& c : coefParzStatici) file.FileInOut(c);
}

}  // namespace tavo
