#pragma once
// The printer and the save dialog of the drawing window's File menu on Qt:
// QPrintDialog and QPrinter (any printer of the system, or a PDF file),
// QFileDialog with the overwrite confirmation. The command prints each copy
// on a page of its own and ends the document once, so the printer's own
// copy count is set back to 1.
//
// The two dialogs are virtual, so that the window tests answer them from a
// script while the printer itself is the real one.

#include "drawing/ui/SuperficiePainter.h"
#include "walldrawing/PlottaIn.h"

#include <QPainter>
#include <QPrinter>
#include <QString>

#include <memory>

class QWidget;

namespace tavo {

class PiattaformaUscitaQt : public PiattaformaUscita {
public:
    explicit PiattaformaUscitaQt(QWidget* finestra) : finestra_(finestra) {}
    ~PiattaformaUscitaQt() override;

    std::optional<int> DialogoStampante() override;
    SuperficieDisegno& IniziaStampa() override;
    void NuovaPagina() override;
    void FineStampa() override;
    void AnnullaStampa() override;
    std::optional<std::filesystem::path> DialogoSalva(const RichiestaSalvaDxf& r) override;

    // The printer, kept between commands as the user last set it.
    QPrinter& stampante() { return stampante_; }

protected:
    // The printer dialog; false when cancelled.
    virtual bool SceltaStampante(QPrinter& stampante);
    // The save dialog starting at `proposta`; the empty text when cancelled.
    virtual QString SceltaFile(const QString& proposta, const QString& filtri,
                               QString& filtroScelto, bool confermaSovrascrittura);

private:
    void chiudePittore();

    QWidget* finestra_;
    QPrinter stampante_{QPrinter::HighResolution};
    std::unique_ptr<QPainter> pittore_;
    std::unique_ptr<SuperficiePainter> superficie_;
};

}  // namespace tavo
