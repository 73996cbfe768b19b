#include "walldrawing/ui/FrmPlotta.h"

#include "analysis/RisultatoAttuale.h"
#include "drawing/ErroreUscita.h"
#include "drawing/ui/SuperficiePainter.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>

#include <exception>

namespace tavo {

// The surface the wall is drawn on: every paint starts from the device's
// own coordinates and draws the whole drawing again.
class FrmPlotta::AreaDisegno final : public QWidget {
public:
    AreaDisegno(const FrmPlotta& finestra, DisegnoTavo& disegno)
        : finestra_(finestra), disegno_(disegno) {
        setObjectName(QStringLiteral("AreaDisegno"));
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, Qt::white);
        setPalette(p);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (!RisultatoAttuale(finestra_.v_, finestra_.sisma_)) return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        SuperficiePainter superficie(painter);
        // A paint never shows a message: closing one would paint again.
        const MessaggiTrattenuti trattenuti;
        try {
            disegno_.PlottaTavo(UscitaGrafica::VIDEO, &superficie);
        } catch (const std::exception&) {
            // What was drawn stays; the File menu reports the same failure.
        }
    }

private:
    const FrmPlotta& finestra_;
    DisegnoTavo& disegno_;
};

FrmPlotta::FrmPlotta(const VariabiliPubbliche& v, const NTC& sisma,
                     std::function<std::string()> nomeFile, std::filesystem::path& percorsoDati,
                     QWidget* padre, AvvisoProgetto* avviso)
    : QMainWindow(padre), v_(v), sisma_(sisma), disegno_(g_, v, sisma), nomeFile_(std::move(nomeFile)),
      percorsoDati_(percorsoDati) {
    setObjectName(QStringLiteral("FrmPlotta"));
    setWindowTitle(Didascalia());
    setCentralWidget(new AreaDisegno(*this, disegno_));
    if (avviso) connect(avviso, &AvvisoProgetto::cambiato, this, &FrmPlotta::SegueProgetto);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("Mnufile"));
    for (int i = 0; i < static_cast<int>(mnuFileItem_.size()); ++i) {
        const QString didascalia = QString::fromUtf8(DidascalieFilePlotta[static_cast<std::size_t>(i)]);
        QAction* a = file->addAction(didascalia);
        if (didascalia == QStringLiteral("-")) a->setSeparator(true);
        a->setObjectName(QStringLiteral("MnufileItem_%1").arg(i));
        connect(a, &QAction::triggered, this, [this, i] { MnufileItem(i); });
        mnuFileItem_[static_cast<std::size_t>(i)] = a;
    }
    resize(960, 680);
}

FrmPlotta::~FrmPlotta() = default;

void FrmPlotta::MnufileItem(int indice) {
    PlottaIn(indice, nomeFile_ ? nomeFile_() : std::string(), *this, *piattaforma_, g_, percorsoDati_);
}

void FrmPlotta::ImpostaPiattaforma(PiattaformaUscita* piattaforma) {
    piattaforma_ = piattaforma ? piattaforma : &desktop_;
}

void FrmPlotta::SegueProgetto() {
    if (RisultatoAttuale(v_, sisma_))
        centralWidget()->update();
    else
        close();
}

void FrmPlotta::PlottaInOggetto(UscitaGrafica uscita) {
    // Pending paints first; the user's clicks wait until the command ends.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (uscita == UscitaGrafica::VIDEO) {
        centralWidget()->update();
        return;
    }
    disegno_.PlottaTavo(uscita);
}

void FrmPlotta::Scarica() { close(); }

FrmPlotta& MostraFrmPlotta(QWidget* principale, const VariabiliPubbliche& v, const NTC& sisma,
                           std::function<std::string()> nomeFile, std::filesystem::path& percorsoDati,
                           AvvisoProgetto& avviso) {
    FrmPlotta* finestra = FinestraAperta<FrmPlotta>(principale);
    if (!finestra) {
        finestra = new FrmPlotta(v, sisma, std::move(nomeFile), percorsoDati, principale, &avviso);
        finestra->setWindowFlag(Qt::Window);
        finestra->setAttribute(Qt::WA_DeleteOnClose);
    }
    finestra->centralWidget()->update();
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
    return *finestra;
}

}  // namespace tavo
