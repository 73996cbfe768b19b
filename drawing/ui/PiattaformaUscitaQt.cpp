#include "drawing/ui/PiattaformaUscitaQt.h"

#include "drawing/ErroreUscita.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QStringList>

#include <algorithm>

namespace tavo {

namespace {
QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

std::filesystem::path Percorso(const QString& s) {
    const QByteArray u = s.toUtf8();
    return std::filesystem::path(std::u8string(u.begin(), u.end()));
}

QString Testo(const std::filesystem::path& p) {
    const std::u8string u = p.u8string();
    return QString::fromUtf8(reinterpret_cast<const char*>(u.data()), static_cast<qsizetype>(u.size()));
}
}  // namespace

QStringList FiltriQt(const std::string& filtro) {
    const QStringList parti = Q(filtro).split(QLatin1Char('|'));
    QStringList voci;
    for (qsizetype i = 0; i + 1 < parti.size(); i += 2) {
        const QString& descrizione = parti[i];
        voci << (descrizione.contains(QLatin1Char('(')) ? descrizione
                                                         : descrizione + QStringLiteral(" (") + parti[i + 1] + QLatin1Char(')'));
    }
    return voci;
}

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
    const QString file = SceltaFile(Testo(r.cartella / Percorso(Q(r.nomeFile))), filtri, scelto,
                                    r.confermaSovrascrittura);
    if (file.isEmpty()) return std::nullopt;
    return Percorso(file);
}

}  // namespace tavo
