#pragma once
// The site search window "Ricerca del sito": a modal dialog over the logic
// of seismic/FinestraSpettroNTC.h. Before each event it copies its widgets
// into the logic's controls, after it copies them back.

#include "drawing/Grafica.h"
#include "fileio/Separatori.h"
#include "seismic/FinestraSpettroNTC.h"
#include "seismic/NTC.h"

#include <QDialog>
#include <QImage>

#include <array>
#include <filesystem>
#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace tavo {

class FrmSpettroNTC final : public QDialog, private DisegniSito {
    Q_OBJECT
public:
    // `cartellaDati` holds the three hazard-grid files; `consegnaCoefficienti`
    // writes kh and kv into the main window's boxes.
    FrmSpettroNTC(NTC& sisma, const std::filesystem::path& cartellaDati, std::function<void()> consegnaCoefficienti,
                  const Separatori& separatori = separatoriRegionali(), QWidget* genitore = nullptr);

    const FinestraSpettroNTC& logica() const { return logica_; }

public slots:
    // Esc is "Annulla".
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void CostruisceControlli();
    // Widgets -> controls, the event, controls -> widgets; closes when asked.
    void Evento(const std::function<void()>& evento);
    void LeggeControlli();
    void ScriveControlli();
    void ScriveGriglia();
    // The widgets that show the logic's controls.
    std::vector<QWidget*> Controlli() const;

    // DisegniSito: the map is drawn on a copy of its clean picture, the
    // node close-up on a blank picture, both through the painter surface.
    void DisegnaMappa(float lon, float lat) override;
    void RipristinaMappa() override;
    void DisegnaNodi(float lon, float lat, const NodiSito& nodi) override;
    void CancellaNodi() override;

    FinestraSpettroNTC logica_;
    bool inEvento_ = false;
    bool attivata_ = false;
    // The drawing state of the two pictures. The window owns its own, so
    // that drawing here never changes the target of another window.
    Grafica grafica_;
    QImage mappaPulita_;

    std::array<QLineEdit*, 12> txtNTC_{};
    QComboBox* cmbStatoLimite_ = nullptr;
    QComboBox* cmbSuolo_ = nullptr;
    QComboBox* cmbTopo_ = nullptr;
    std::array<QRadioButton*, 3> optTipoRicerca_{};
    std::array<QLineEdit*, 2> txtCoord_{};
    std::array<QComboBox*, 3> cmbComune_{};
    std::array<QLabel*, 3> lblComune_{};
    QComboBox* cmbIsole_ = nullptr;
    QLabel* lblIsole_ = nullptr;
    QTableWidget* GridNTC_ = nullptr;
    QLabel* pctMappa_ = nullptr;
    QLabel* pctPuntiNTC_ = nullptr;
    std::array<QPushButton*, 2> cmdOK_{};
};

// Opens the window modally over `genitore`.
void MostraFrmSpettroNTC(QWidget* genitore, NTC& sisma, const std::filesystem::path& cartellaDati,
                         std::function<void()> consegnaCoefficienti);

}  // namespace tavo
