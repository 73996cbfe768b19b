#include "app/ui/ServiziFinestra.h"

#include "drawing/ui/ConversioniQt.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

namespace tavo {
namespace {

void Prepara(QFileDialog& d, const RichiestaDialogoFile& r) {
    const QStringList filtri = FiltriQt(r.filtro);
    d.setNameFilters(filtri);
    if (r.indiceFiltro >= 1 && r.indiceFiltro <= filtri.size())
        d.selectNameFilter(filtri[r.indiceFiltro - 1]);
    d.setDirectory(PercorsoQt(r.cartella));
    if (!QString::fromStdString(r.nomeIniziale).startsWith(QChar('*')))
        d.selectFile(QString::fromStdString(r.nomeIniziale));
}

}  // namespace

std::optional<std::filesystem::path> ServiziDesktop::sceltaApertura(const RichiestaDialogoFile& r) {
    QFileDialog d(finestra_);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
    Prepara(d, r);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
    return PercorsoDaQt(d.selectedFiles().front());
}

std::optional<std::filesystem::path> ServiziDesktop::sceltaSalvataggio(const RichiestaDialogoFile& r) {
    QFileDialog d(finestra_);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    // A name typed without extension gets the project extension, so that a
    // later Save finds the same file.
    d.setDefaultSuffix(QString::fromStdString(r.estensione));
    Prepara(d, r);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
    return PercorsoDaQt(d.selectedFiles().front());
}

bool ServiziDesktop::sceltaStampante(QPrinter& stampante, QWidget* finestra) {
    QPrintDialog d(&stampante, finestra);
    return d.exec() == QDialog::Accepted;
}

bool ServiziDesktop::apreDocumento(const QString& file) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

}  // namespace tavo
