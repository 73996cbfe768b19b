#pragma once
// The partial-coefficient dialog "Coefficienti parziali SLU": the static and
// the seismic table of partial safety factors, 28 boxes each on two pages of
// the same layout (box (r − 1)·4 + c shows entry (r − 1)·4 + c of its table).
// "&OK" reads both pages and closes, "&Annulla" closes, "&Salva nel file
// Tavo.ini" reads both pages and writes the settings file, "&Valori di
// default" puts the default tables in force and shows them.

#include "analysis/VariabiliPubbliche.h"
#include "fileio/Separatori.h"

#include <QDialog>

#include <array>
#include <functional>

class QLineEdit;
class QTabWidget;

namespace tavo {

class FrmGamma final : public QDialog {
    Q_OBJECT
public:
    // `salvaImpostazioni` writes both tables to the settings file.
    FrmGamma(VariabiliPubbliche& stato, std::function<void()> salvaImpostazioni,
             const Separatori& separatori = separatoriRegionali(), QWidget* genitore = nullptr);

    // Shows page 0 (static) or 1 (seismic).
    void MostraPagina(int pagina);

    // Both pages into both tables (LeggeCoefficientiDaForm of the core). A
    // box that is refused changes nothing and its message says which; false then.
    bool LeggeCoefficientiDaForm();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void ScriveCoefficientiInForm();
    void Pulsante(int indice);

    VariabiliPubbliche& stato_;
    std::function<void()> salvaImpostazioni_;
    Separatori separatori_;
    QTabWidget* SSTab1_ = nullptr;
    // [0] the static page txtCoefParz(1..28), [1] the seismic txtCoefParz1(1..28);
    // element i - 1 is box i.
    std::array<std::array<QLineEdit*, 28>, 2> caselle_{};
};

}  // namespace tavo
