#pragma once
// The drawing window: shows the computed wall (the same drawing the printer,
// the DXF file and the CAD program receive) and repaints it at every size.
// Its File menu prints it, exports it as a DXF file, draws it into the CAD
// program or closes the window. The drawing is made anew from the project
// state on every paint and every command: the window holds no picture.

#include "analysis/VariabiliPubbliche.h"
#include "drawing/Grafica.h"
#include "drawing/ui/FinestreProgetto.h"
#include "seismic/NTC.h"
#include "walldrawing/DisegnoTavo.h"
#include "walldrawing/PlottaIn.h"
#include "walldrawing/ui/PiattaformaUscitaQt.h"

#include <QMainWindow>

#include <array>
#include <filesystem>
#include <functional>
#include <string>

class QAction;

namespace tavo {

class FrmPlotta final : public QMainWindow, public FinestraPlotta {
    Q_OBJECT
public:
    // `nomeFile` gives the project's name when a command asks for it;
    // `percorsoDati` is the data folder where the save dialog starts;
    // `avviso`, when given, tells the window to follow the project.
    FrmPlotta(const VariabiliPubbliche& v, const NTC& sisma, std::function<std::string()> nomeFile,
              std::filesystem::path& percorsoDati, QWidget* padre = nullptr, AvvisoProgetto* avviso = nullptr);
    ~FrmPlotta() override;

    static QString Didascalia() { return QStringLiteral("Plottaggio tavo"); }

    // The File menu entry `indice` (0 print, 1 DXF, 2 CAD, 3 separator, 4 close).
    void MnufileItem(int indice);
    // The platform of the File menu; the desktop's when not set.
    void ImpostaPiattaforma(PiattaformaUscita* piattaforma);

    // The window follows the project: while the state holds the results of
    // its inputs the drawing is painted from it (a paint in the middle of a
    // calculation, which a message box lets happen, paints nothing), and
    // when it no longer does the window closes.
    void SegueProgetto();

    // FinestraPlotta
    void PlottaInOggetto(UscitaGrafica uscita) override;
    void Scarica() override;

private:
    class AreaDisegno;

    // The window's own drawing state: the screen, the printer, the DXF file
    // and the CAD connection of its commands, kept while the window is open.
    const VariabiliPubbliche& v_;
    const NTC& sisma_;
    Grafica g_;
    DisegnoTavo disegno_;
    std::function<std::string()> nomeFile_;
    std::filesystem::path& percorsoDati_;
    PiattaformaUscitaQt desktop_{this};
    PiattaformaUscita* piattaforma_ = &desktop_;
    std::array<QAction*, 5> mnuFileItem_{};
};

// Shows the drawing window of the main window `principale`, made on first
// use (following the project through `avviso`) and repainted when it is
// already open.
FrmPlotta& MostraFrmPlotta(QWidget* principale, const VariabiliPubbliche& v, const NTC& sisma,
                           std::function<std::string()> nomeFile, std::filesystem::path& percorsoDati,
                           AvvisoProgetto& avviso);

}  // namespace tavo
