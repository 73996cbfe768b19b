#pragma once
// "Armature e Verifiche": the four reinforcement settings and the report of
// every section of stem, backwall, toe and heel. A thin shell over
// analysis/ReportArmature.h and analysis/DatiArmature.h: the window only
// moves texts between its boxes and the core.
//
// The main window opens it with MostraFrmArmature, handing over the one
// project state, the seismic state and itself as the port through which the
// calculation reads its fields.

#include "analysis/FinestraPrincipalePort.h"
#include "analysis/VariabiliPubbliche.h"
#include "drawing/ui/FinestreProgetto.h"
#include "seismic/NTC.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <string>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tavo {

class FrmArmature final : public QWidget {
    Q_OBJECT
public:
    // Opening the window: ScriveDati, then ListaArmature. With `avviso`
    // the window follows the project (SegueProgetto) and tells the other
    // windows after each "Ricalcola".
    FrmArmature(VariabiliPubbliche& stato, NTC& sisma, FinestraPrincipalePort& principale,
                QWidget* genitore = nullptr, AvvisoProgetto* avviso = nullptr);

    // Boxes into the settings (through ValLocale, then the defaults). False,
    // after a message, when a box holds a value beyond the Single range.
    bool LeggeDati();
    // The label of the code in force, the defaults, the settings into the boxes.
    void ScriveDati();
    // Rebuilds the report; a failure leaves the window without one.
    void ListaArmature();
    // The report follows the project in front: when the state holds the
    // results of its inputs and the report was not yet tried on them, the
    // boxes are written again and the report rebuilt; when it holds none,
    // the boxes are written again and the report is emptied. A report
    // that could not be built on the state as it stands is not tried again
    // until the state changes.
    void SegueProgetto();

    // The report as built, CR LF between lines.
    const std::string& TestoReport() const { return report_; }

    QLineEdit* txtDati(int indice) const { return txtDati_.at(static_cast<std::size_t>(indice)); }
    QPushButton* Command1() const { return command1_; }
    QPlainTextEdit* Text1() const { return text1_; }
    QLabel* lbl1() const { return lbl1_; }
    QLabel* lblFyd() const { return lblFyd_; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void ImpostaEtichette();
    void Ricalcola();
    void Svuota();

    VariabiliPubbliche& stato_;
    NTC& sisma_;
    FinestraPrincipalePort& principale_;
    AvvisoProgetto* avviso_;
    // The generation of the state the report was last tried on.
    std::uint64_t generazioneVista_ = 0;
    std::array<QLineEdit*, 4> txtDati_{};
    QPushButton* command1_ = nullptr;
    QPlainTextEdit* text1_ = nullptr;
    QLabel* lbl1_ = nullptr;
    QLabel* lblFyd_ = nullptr;
    std::string report_;
};

// The entry of the main window's "&Armature" menu: shows the reinforcement
// window of `genitore`, creating it (which builds the report, and follows
// the project through `avviso`) when it is not open, else bringing the
// open one to the front. The window is deleted when closed.
FrmArmature* MostraFrmArmature(QWidget* genitore, VariabiliPubbliche& stato, NTC& sisma,
                               FinestraPrincipalePort& principale, AvvisoProgetto& avviso);

}  // namespace tavo
