#pragma once
// The main window: the section, the soil and the loads are typed here, the
// calculation is started here and its governing results are read here; its
// menus and toolbar open and save projects and open every other window.
// Closing it ends the program.
//
// The window is a thin shell: the fields are copied into the project state
// by app/DatiForm.h, the File menu works through app/OperazioniFile.h, the
// calculation and the result listing are the analysis's.

#include "analysis/FinestraPrincipalePort.h"
#include "analysis/VariabiliPubbliche.h"
#include "app/DatiForm.h"
#include "app/OperazioniFile.h"
#include "app/ui/ServiziFinestra.h"
#include "drawing/ui/FinestreProgetto.h"
#include "fileio/FileRighe.h"
#include "fileio/Separatori.h"
#include "seismic/NTC.h"

#include <QMainWindow>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace tavo {

class GrigliaFlex;
class SchemaTavo;

// What the program is started with.
struct OpzioniAvvio {
    std::filesystem::path cartellaProgramma;  // Tavo.ini, the help page and the examples
    std::string rigaComando;                  // the words after the program's name
    // The regional separators; the system's (QLocale::system()) when none.
    std::optional<Separatori> separatori;
    // Suppresses the start-up warning about point decimals with comma grouping.
    bool sopprimiAvvisoRegionale = false;
};

// The windows that the main window opens and that live in other parts of
// the program; until one is given, its command says that it is not
// available yet.
class FrmTavoMain;
struct FinestreCollegate {
    std::function<void(FrmTavoMain& principale)> sisma;     // "Dati &Sisma", modal
    std::function<void(FrmTavoMain& principale)> armature;  // "&Armature"
};

class FrmTavoMain final : public QMainWindow, public FinestraPrincipalePort, private DocumentoFile {
    Q_OBJECT
public:
    FrmTavoMain(VariabiliPubbliche& stato, NTC& sisma, const OpzioniAvvio& avvio,
                ServiziFinestra& servizi, FinestreCollegate finestre = {});
    ~FrmTavoMain() override;

    // Caption prefix; the caption is always this followed by NomeFileBreve.
    static QString FormCaption();
    QString NomeFileBreve() const;

    void SelezionaTxt(QLineEdit* box);
    void ScriveDatiInForm();
    void ApriFileDati(const std::optional<std::filesystem::path>& cartella = {});
    // "Files di Esempio": the open dialog in the program's folder.
    void ApriFileEsempio();
    void DimensionaGriglia();
    void ChiudiApplicazione();
    bool CalcoloMain();
    // Boxes 14 and 18 from the site's kh and kv, four decimals (what the
    // seismic site window hands back under NTC 2008).
    void ScriveCoefficientiSismici();
    // Reads or writes the partial coefficients of Tavo.ini in the program's folder.
    bool FileIniLeggeScrive(Modo modo);
    // The windows that stay open beside this one connect to it and follow
    // the project; every command of this window ends by telling them.
    AvvisoProgetto& Avviso() { return avviso_; }

    // FinestraPrincipalePort
    void LeggeDatiDaForm(VariabiliPubbliche& v, NTC& sisma) override;
    void FuocoSuNumeroLati() override;
    void AbilitaVoceFile(int indice) override;
    void AbilitaCombinazioni() override;
    void SelezionaCombinazione(int voce) override;
    void TipoVerificaSettaggi(bool flag) override;
    void ScriveCasella(CasellaRisultato casella, int indice, std::string_view testo) override;
    void ColoraCasella(CasellaRisultato casella, int indice, ColoreTesto colore) override;
    void ScriveEtichettaTipoVerifica(int indice, std::string_view didascalia) override;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    // DocumentoFile
    bool leggeProgetto(const std::filesystem::path& file) override;
    bool scriveProgetto(const std::filesystem::path& file) override;

    void CostruisceControlli();
    // The open dialog and the file, without asking first.
    void ApreProgetto(const std::optional<std::filesystem::path>& cartella = {});
    void DopoApertura(EsitoFile esito);
    // Runs one command of the window, then lets the open windows compare
    // what they show with the project.
    void Esegue(const std::function<void()>& comando);
    // The project as it stands: the texts of the fields and what saving
    // would write from them (nothing while they cannot be saved, a profile
    // of no side for one).
    struct Istantanea {
        TestiForm testi;
        std::optional<std::string> testo;
        friend bool operator==(const Istantanea&, const Istantanea&) = default;
    };
    Istantanea ProgettoAttuale();
    // The project as it was last opened or saved is what the fields hold now.
    void RicordaSalvato();
    // Before the project in front is dropped (Esci, Nuovo, Apri, the
    // examples): when it changed since it was last opened or saved, asks
    // whether to save it. True when the action may go on: nothing changed,
    // "No", or "Sì" and the save succeeded.
    bool ConfermaAbbandono();
    // "&Salva" or "S&alva Come...": the calculation, then the file. True
    // when the project was written.
    bool Salva(OperazioneFileTipo op);
    void DimensionaGriglia(int lati);
    // The side count typed in its box when it is a whole number of sides.
    std::optional<int> NumeroLatiDigitato() const;
    // The grid sized to the side count typed, when that is one.
    void AllineaGrigliaAlNumeroLati();
    // The result box of a group and an index; null outside the group.
    QLineEdit* CasellaRisultati(CasellaRisultato casella, int indice) const;
    void PosizionaSchema();
    void CostruisceMenu();
    void AggiornaTitolo();
    TestiForm TestiCampi() const;
    void RiempieComboCombinazioni();
    void ImpostaNormativa(int indice);
    void AggiornaMenuNormativa();
    void PredisponeCampiSisma();
    void CombinazioneScelta(int voce);
    void EtichettaCliccata(int indice);
    void InvioSuCampo(QLineEdit* box);
    void MenuFile(int indice);
    void StampaForm();
    void MostraGuida();
    void MostraInformazioni();
    void MostraCoefficienti(int pagina);
    // "Dati &Sisma": the site window.
    void MostraSisma();
    void ApreFinestra(const std::function<void(FrmTavoMain&)>& apri, const char* nonDisponibile);
    void Zoom();

    VariabiliPubbliche& stato_;
    NTC& sisma_;
    ServiziFinestra& servizi_;
    FinestreCollegate finestre_;
    Separatori separatori_;
    GestioneFile file_;
    AvvisoProgetto avviso_;
    bool caricamento_ = true;
    Istantanea salvato_;  // at the last open or save
    bool schemaIngrandito_ = false;

    QLineEdit* txtTavoTitolo_ = nullptr;
    std::array<QLineEdit*, NumeroCampiDati> txtDati_{};
    QLineEdit* txtNTratti_ = nullptr;
    GrigliaFlex* griglia_ = nullptr;
    std::array<QLineEdit*, 18> txtMNfondazione_{};
    std::array<QLineEdit*, 8> txtScorr_{};
    std::array<QLineEdit*, 7> txtMNparete_{};
    std::array<QLabel*, NumeroEtichetteTipoVerifica> lblTipoVerifica_{};
    QComboBox* cmbCombinazione_ = nullptr;
    QPushButton* cbCalcolo_ = nullptr;
    QPushButton* cbDiagramma_ = nullptr;
    QPushButton* cmdSisma_ = nullptr;
    QPushButton* cmdSchema_ = nullptr;
    SchemaTavo* pctSchema_ = nullptr;
    QLabel* lblSimbolo14_ = nullptr;     // "S" or the K of kh
    QLabel* lblIndice14_ = nullptr;      // the index h
    QLabel* lblGradoSismicita_ = nullptr;
    QLabel* lblSimbolo18_ = nullptr;     // the K of kv with its index
    std::array<QAction*, 20> mnuFileItem_{};
    QMenu* mnuNormativa_ = nullptr;
    std::array<QAction*, 2> normativaItem_{};
    QMenu* mnuImpostazioni_ = nullptr;
    QAction* mnuImpostazioniAzione_ = nullptr;
};

}  // namespace tavo
