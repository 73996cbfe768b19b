// The whole reinforcement report of the bundled examples at a spacing of
// 0.1 m: every stem and backwall section recomputes the wall. A report that
// fails is not timed: the benchmark says why.

#include "analysis/CoefficientiParziali.h"
#include "analysis/FinestraPrincipalePort.h"
#include "analysis/ReportArmature.h"
#include "app/FileProgetto.h"
#include "ports/MessagePort.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

// The main window's fields as the state already holds them; the results go nowhere.
class FinestraMuta final : public tavo::FinestraPrincipalePort {
public:
    void LeggeDatiDaForm(tavo::VariabiliPubbliche&, tavo::NTC&) override {}
    void FuocoSuNumeroLati() override {}
    void AbilitaVoceFile(int) override {}
    void AbilitaCombinazioni() override {}
    void SelezionaCombinazione(int) override {}
    void TipoVerificaSettaggi(bool) override {}
    void ScriveCasella(tavo::CasellaRisultato, int, std::string_view) override {}
    void ColoraCasella(tavo::CasellaRisultato, int, tavo::ColoreTesto) override {}
    void ScriveEtichettaTipoVerifica(int, std::string_view) override {}
};

// Beside this file's folder in the source tree.
// Keeps the last message instead of showing it.
class SilenzioMessaggi final : public tavo::MessagePort {
public:
    SilenzioMessaggi() : guardia_(*this) {}
    void mostra(std::string_view testo, tavo::Icona, std::string_view) override { ultimo = testo; }
    bool chiedi(std::string_view testo, tavo::Icona, std::string_view) override {
        ultimo = testo;
        return false;
    }
    std::string ultimo;

private:
    tavo::PortaMessaggiInstallata guardia_;
};

std::filesystem::path Esempio(const char* nome) {
    return std::filesystem::path(__FILE__).parent_path().parent_path() / "examples" / nome;
}

void ReportArmatura(benchmark::State& state, const char* nome) {
    tavo::VariabiliPubbliche v;
    tavo::NTC ntc;
    SilenzioMessaggi silenzio;
    if (!tavo::ApreFileProgetto(Esempio(nome), v, ntc)) {
        state.SkipWithError("esempio non leggibile");
        return;
    }
    // The partial factors come from Tavo.ini, not the project: its defaults.
    tavo::CoefficientiParzialiDefault(v);
    v.DistanzaSezioni = 0.1f;
    FinestraMuta finestra;
    std::size_t lunghezza = 0;
    for (auto _ : state) {
        const auto testo = tavo::ListaArmature(v, ntc, finestra);
        if (!testo) {
            state.SkipWithError(silenzio.ultimo.c_str());
            return;
        }
        lunghezza = testo->size();
        benchmark::DoNotOptimize(testo->data());
    }
    state.counters["caratteri"] = static_cast<double>(lunghezza);
}
BENCHMARK_CAPTURE(ReportArmatura, Spalla, "Spalla.Tav")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReportArmatura, Muro, "Muro.Tav")->Unit(benchmark::kMillisecond);

}  // namespace
