#include "walldrawing/ui/PiattaformaUscitaQt.h"

#include "drawing/ErroreUscita.h"
#include "drawing/ui/ConversioniQt.h"

#include <QFileDialog>
#include <QPrintDialog>

#include <algorithm>

namespace tavo {

PiattaformaUscitaQt::~PiattaformaUscitaQt() { chiudePittore(); }

bool PiattaformaUscitaQt::SceltaStampante(QPrinter& stampante) {
    QPrintDialog dialogo(&stampante, finestra_);
    return dialogo.exec() == QDialog::Accepted;
}

QString PiattaformaUscitaQt::SceltaFile(const QString& proposta, const QString& filtri,
                                        QString& filtroScelto, bool confermaSovrascrittura) {
    return QFileDialog::getSaveFileName(
        finestra_, QString(), proposta, filtri, &filtroScelto,
        confermaSovrascrittura ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite);
}

std::optional<int> PiattaformaUscitaQt::DialogoStampante() {
    if (!SceltaStampante(stampante_)) return std::nullopt;
    const int copie = std::max(1, stampante_.copyCount());
    stampante_.setCopyCount(1);
    return copie;
}

SuperficieDisegno& PiattaformaUscitaQt::IniziaStampa() {
    chiudePittore();
    if (!stampante_.isValid()) throw ErroreUscita(68, "Periferica non disponibile");
    pittore_ = std::make_unique<QPainter>();
    if (!pittore_->begin(&stampante_)) {
        pittore_.reset();
        const QString file = stampante_.outputFileName();
        if (!file.isEmpty())
            throw ErroreUscita(75, "Impossibile scrivere il file " + file.toStdString());
        throw ErroreUscita(68, "Periferica non disponibile");
    }
    superficie_ = std::make_unique<SuperficiePainter>(*pittore_);
    return *superficie_;
}

void PiattaformaUscitaQt::NuovaPagina() {
    if (!stampante_.newPage()) throw ErroreUscita(482, "Errore generico della stampante");
}

void PiattaformaUscitaQt::FineStampa() {
    superficie_.reset();
    const bool finito = pittore_ && pittore_->end();
    pittore_.reset();
    if (!finito) throw ErroreUscita(482, "Errore generico della stampante");
}

void PiattaformaUscitaQt::AnnullaStampa() {
    if (pittore_ && pittore_->isActive()) stampante_.abort();
    chiudePittore();
}

void PiattaformaUscitaQt::chiudePittore() {
    superficie_.reset();
    if (pittore_ && pittore_->isActive()) pittore_->end();
    pittore_.reset();
}

std::optional<std::filesystem::path> PiattaformaUscitaQt::DialogoSalva(const RichiestaSalvaDxf& r) {
    const QStringList voci = FiltriQt(r.filtro);
    const QString filtri = voci.join(QStringLiteral(";;"));
    QString scelto = r.indiceFiltro >= 1 && r.indiceFiltro <= voci.size() ? voci[r.indiceFiltro - 1] : QString();
    const QString proposta = PercorsoQt(r.cartella / PercorsoDaQt(QString::fromStdString(r.nomeFile)));
    const QString file = SceltaFile(proposta, filtri, scelto, r.confermaSovrascrittura);
    if (file.isEmpty()) return std::nullopt;
    return PercorsoDaQt(file);
}

}  // namespace tavo
