#pragma once
// What a window test needs around the main window: desktop services that
// answer from a script (file dialogs, printer, help viewer), the recording
// message port, Italian separators, and a program folder of its own.

#include "analysis/CoefficientiParziali.h"
#include "analysis/ui/FrmArmature.h"
#include "app/FileImpostazioni.h"
#include "app/ui/FrmTavoMain.h"
#include "tests/support/ProveFinestre.h"
#include "tests/support/RecordingMessagePort.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPrinter>
#include <QTest>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>

namespace tavo::test {

class ServiziFinti final : public ServiziFinestra, public DialogoFile {
public:
    std::deque<std::optional<std::filesystem::path>> aperture, salvataggi;
    std::vector<RichiestaDialogoFile> richieste;
    std::filesystem::path pdf;  // the printer prints here; empty: cancelled
    QString nomeDocumento;      // the document name the printer was handed
    std::vector<QString> documenti;
    bool visualizzatore = true;

    DialogoFile& dialogoFile() override { return *this; }
    std::optional<std::filesystem::path> sceltaApertura(const RichiestaDialogoFile& r) override {
        return prossima(aperture, r);
    }
    std::optional<std::filesystem::path> sceltaSalvataggio(const RichiestaDialogoFile& r) override {
        return prossima(salvataggi, r);
    }
    bool sceltaStampante(QPrinter& stampante, QWidget*) override {
        nomeDocumento = stampante.docName();
        if (pdf.empty()) return false;
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(QString::fromStdString(pdf.string()));
        return true;
    }
    void apreDocumento(const QString& file, std::function<void()> nonAperto) override {
        documenti.push_back(file);
        if (!visualizzatore) nonAperto();
    }

private:
    std::optional<std::filesystem::path> prossima(std::deque<std::optional<std::filesystem::path>>& coda,
                                                  const RichiestaDialogoFile& r) {
        richieste.push_back(r);
        if (coda.empty()) return std::nullopt;
        auto p = coda.front();
        coda.pop_front();
        return p;
    }
};

inline const Separatori SeparatoriItaliani{U',', U'.'};

inline std::filesystem::path Esempio(const char* nome) {
    return std::filesystem::path(qEnvironmentVariable("TAVO_SOURCE_DIR").toStdString()) / "examples" / nome;
}

// A Tavo.ini with the default coefficients in the program folder.
inline void ScriveTavoIni(const std::filesystem::path& programma) {
    VariabiliPubbliche v;
    CoefficientiParzialiDefault(v);
    if (!FileIniLeggeScrive(Modo::Scrittura, programma, v)) qWarning("Tavo.ini not written");
}

// The main window over a state of its own. The program folder gets a
// Tavo.ini unless the test is about its absence; the reinforcement window
// is wired as the program wires it when the test asks for it.
struct FinestraDiProva {
    enum class Ini { Predefinito, Assente };
    enum class Armature { NonCollegate, Collegate };
    // `sito`, when given, stands in for the site window: it changes the
    // seismic state as the user would there.
    explicit FinestraDiProva(const std::filesystem::path& programma, std::string riga = {},
                             Separatori sep = SeparatoriItaliani, Ini ini = Ini::Predefinito,
                             Armature armature = Armature::NonCollegate,
                             std::function<void(FinestraDiProva&)> sito = {}) {
        if (ini == Ini::Predefinito) ScriveTavoIni(programma);
        OpzioniAvvio avvio;
        avvio.cartellaProgramma = programma;
        avvio.rigaComando = std::move(riga);
        avvio.separatori = sep;
        FinestreCollegate finestre;
        if (armature == Armature::Collegate)
            finestre.armature = [this](FrmTavoMain& principale) {
                MostraFrmArmature(&principale, stato, sisma, principale, principale.Avviso());
            };
        if (sito) finestre.sisma = [this, sito](FrmTavoMain&) { sito(*this); };
        finestra = std::make_unique<FrmTavoMain>(stato, sisma, avvio, servizi, std::move(finestre));
        finestra->show();
        if (!QTest::qWaitForWindowExposed(finestra.get())) qWarning("window not exposed");
        finestra->activateWindow();
        if (!QTest::qWaitForWindowActive(finestra.get())) qWarning("window not active");
        // What start-up said stays apart from what the test makes happen.
        avvio_ = porta.testi();
        porta.svuota();
    }
    const std::vector<std::string>& messaggiAvvio() const { return avvio_; }
    QLineEdit* box(const QString& nome) const { return finestra->findChild<QLineEdit*>(nome); }
    QLineEdit* dati(int i) const { return box(QStringLiteral("txtDati_%1").arg(i)); }
    template <class T>
    T* controllo(const QString& nome) const { return finestra->findChild<T*>(nome); }
    // Replaces the text of a box as the user does: focus, select all, type.
    void scrive(QLineEdit* b, const QString& testo) const {
        b->setFocus();
        b->selectAll();
        QTest::keyClicks(b, testo);
    }

    RecordingMessagePort porta;
    VariabiliPubbliche stato;
    NTC sisma;
    ServiziFinti servizi;
    std::unique_ptr<FrmTavoMain> finestra;

private:
    std::vector<std::string> avvio_;
};

}  // namespace tavo::test
