#include "app/ui/ServiziFinestra.h"

#include "drawing/ui/ConversioniQt.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

#include <memory>

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

void ServiziDesktop::apreDocumento(const QString& file, std::function<void()> nonAperto) {
    const QString lanciatore = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (lanciatore.isEmpty()) {
        nonAperto();
        return;
    }
    // Without a parent: a viewer that xdg-open keeps in the foreground may
    // outlive the program's windows, and must not be ended with them.
    auto* processo = new QProcess;
    processo->setStandardOutputFile(QProcess::nullDevice());
    processo->setStandardErrorFile(QProcess::nullDevice());
    auto detto = std::make_shared<bool>(false);
    auto fallito = [nonAperto = std::move(nonAperto), detto] {
        if (*detto) return;
        *detto = true;
        nonAperto();
    };
    QObject::connect(processo, &QProcess::errorOccurred, processo, [processo, fallito](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart && e != QProcess::Crashed) return;
        fallito();
        // A process that never started sends no end.
        if (e == QProcess::FailedToStart) processo->deleteLater();
    });
    QObject::connect(processo, &QProcess::finished, processo,
                     [processo, fallito](int codice, QProcess::ExitStatus stato) {
                         if (stato != QProcess::NormalExit || codice != 0) fallito();
                         processo->deleteLater();
                     });
    processo->start(lanciatore, {file});
}

}  // namespace tavo
