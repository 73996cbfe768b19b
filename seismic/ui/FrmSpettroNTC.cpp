#include "seismic/ui/FrmSpettroNTC.h"

#include "drawing/ui/FiltroTastoDecimale.h"
#include "drawing/ui/SuperficiePainter.h"
#include "ports/GuardiaEventi.h"
#include "seismic/DisegnoSito.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

// The map picture lives in this static library: its resource must be
// registered by hand.
static void RegistraMappa() { Q_INIT_RESOURCE(MappaItalia); }

namespace tavo {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

// The combo box shows exactly `l`; items are replaced only when they differ.
void ScriveLista(QComboBox* cmb, const ListaScelte& l) {
    bool uguali = cmb->count() == static_cast<int>(l.voci.size());
    for (int i = 0; uguali && i < cmb->count(); ++i) uguali = S(cmb->itemText(i)) == l.voci[static_cast<std::size_t>(i)];
    if (!uguali) {
        cmb->clear();
        for (const std::string& v : l.voci) cmb->addItem(Q(v));
    }
    cmb->setCurrentIndex(l.posizione < cmb->count() ? l.posizione : -1);
}

// Paints `disegno` on `quadro` through the painter surface.
template <class Disegno>
QPixmap Dipinge(QImage quadro, Disegno disegno) {
    {
        QPainter painter(&quadro);
        painter.setRenderHint(QPainter::Antialiasing);
        SuperficiePainter superficie(painter);
        disegno(superficie);
    }
    return QPixmap::fromImage(quadro);
}

}  // namespace

FrmSpettroNTC::FrmSpettroNTC(NTC& sisma, const std::filesystem::path& cartellaDati,
                             std::function<void()> consegnaCoefficienti, const Separatori& separatori,
                             QWidget* genitore)
    : QDialog(genitore),
      logica_(sisma, cartellaDati, separatori, *this, std::move(consegnaCoefficienti)) {
    setObjectName(QStringLiteral("frmSpettroNTC"));
    setWindowTitle(QStringLiteral("Ricerca del sito"));
    setModal(true);
    RegistraMappa();
    CostruisceControlli();
    new FiltroTastoDecimale(this);
    logica_.Form_Load();
    ScriveControlli();
}

void FrmSpettroNTC::CostruisceControlli() {
    auto* principale = new QHBoxLayout(this);

    // Parameters of the site and the results.
    auto* parametri = new QGroupBox(QStringLiteral("Parametri"), this);
    auto* g = new QGridLayout(parametri);
    auto casella = [&](int i, const char* etichetta, const char* suggerimento, bool modificabile) {
        auto* box = new QLineEdit(parametri);
        box->setObjectName(QStringLiteral("txtNTC%1").arg(i));
        box->setToolTip(QString::fromUtf8(suggerimento));
        box->setReadOnly(!modificabile);
        box->installEventFilter(this);
        txtNTC_[static_cast<std::size_t>(i)] = box;
        const int riga = g->rowCount();
        g->addWidget(new QLabel(QString::fromUtf8(etichetta), parametri), riga, 0);
        g->addWidget(box, riga, 1);
    };
    auto lista = [&](const char* nome, const char* etichetta, const char* suggerimento) {
        auto* cmb = new QComboBox(parametri);
        cmb->setObjectName(QString::fromUtf8(nome));
        cmb->setToolTip(QString::fromUtf8(suggerimento));
        const int riga = g->rowCount();
        g->addWidget(new QLabel(QString::fromUtf8(etichetta), parametri), riga, 0);
        g->addWidget(cmb, riga, 1);
        connect(cmb, &QComboBox::activated, this, [this] { Evento([this] { logica_.cmbCategoria_Click(); }); });
        return cmb;
    };
    cmbStatoLimite_ = lista("cmbStatoLimite", "Stalo Limite", "");
    casella(0, EtichettaVR, "Periodo di riferimento (anni)", true);
    cmbSuolo_ = lista("cmbSuolo", "Categoria sottosuolo", "Categoria sottosuolo");
    cmbSuolo_->setPlaceholderText(QStringLiteral("?"));
    casella(1, "SS", "Coefficiente di amplificazione stratigrafica", false);
    cmbTopo_ = lista("cmbTopo", "Categoria topografica", "Categoria topografica");
    casella(3, EtichettahSuH, "h=quota sito, H=altezza rilievo topografico", true);
    casella(4, "ST", "Coefficiente di amplificazione topografica ", false);
    casella(5, "ag (g)", "", false);
    casella(6, "F0", "", false);
    casella(7, "Tc* (s)", "", false);
    casella(8, "amax (g)", "accelerazione orizzontale massima attesa al sito (g)", false);
    casella(9, "βm", "coefficiente di riduzione dell’accelerazione massima (Tabella 7.11.II)", false);
    casella(10, "kh", "Coefficiente sismico orizzontale", false);
    casella(11, "kv", "Coefficiente sismico verticale", false);
    for (int i : {0, 3})
        connect(txtNTC_[static_cast<std::size_t>(i)], &QLineEdit::returnPressed, this,
                [this, i] { Evento([this, i] { logica_.txtNTC_Invio(i); }); });
    principale->addWidget(parametri);

    // The search of the site.
    auto* ricerca = new QGroupBox(QStringLiteral("Sito"), this);
    auto* r = new QGridLayout(ricerca);
    const char* modi[] = {"Ricerca per coordinate", "Ricerca per comune", "Isole"};
    for (int m = 0; m < 3; ++m) {
        auto* opt = new QRadioButton(QString::fromUtf8(modi[m]), ricerca);
        opt->setObjectName(QStringLiteral("optTipoRicerca%1").arg(m));
        optTipoRicerca_[static_cast<std::size_t>(m)] = opt;
        r->addWidget(opt, m, 0, 1, 2);
        connect(opt, &QRadioButton::clicked, this, [this, m] { Evento([this, m] { logica_.optTipoRicerca_Click(m); }); });
    }
    for (int i = 0; i < 2; ++i) {
        auto* box = new QLineEdit(ricerca);
        box->setObjectName(QStringLiteral("txtCoord%1").arg(i));
        box->installEventFilter(this);
        txtCoord_[static_cast<std::size_t>(i)] = box;
        r->addWidget(new QLabel(QString::fromUtf8(EtichetteCoordinate[static_cast<std::size_t>(i)]), ricerca), 3 + i, 0);
        r->addWidget(box, 3 + i, 1);
        connect(box, &QLineEdit::returnPressed, this, [this, i] { Evento([this, i] { logica_.txtCoord_Invio(i); }); });
    }
    const char* livelli[] = {"Regione", "Provincia", "Comune"};
    for (int i = 0; i < 3; ++i) {
        auto* cmb = new QComboBox(ricerca);
        cmb->setObjectName(QStringLiteral("cmbComune%1").arg(i));
        cmbComune_[static_cast<std::size_t>(i)] = cmb;
        lblComune_[static_cast<std::size_t>(i)] = new QLabel(QString::fromUtf8(livelli[i]), ricerca);
        r->addWidget(lblComune_[static_cast<std::size_t>(i)], 5 + i, 0);
        r->addWidget(cmb, 5 + i, 1);
        connect(cmb, &QComboBox::activated, this, [this, i] { Evento([this, i] { logica_.cmbComune_Click(i); }); });
    }
    cmbIsole_ = new QComboBox(ricerca);
    cmbIsole_->setObjectName(QStringLiteral("cmbIsole"));
    lblIsole_ = new QLabel(QStringLiteral("Isole"), ricerca);
    r->addWidget(lblIsole_, 8, 0);
    r->addWidget(cmbIsole_, 8, 1);
    connect(cmbIsole_, &QComboBox::activated, this, [this] { Evento([this] { logica_.cmbIsole_Click(); }); });
    r->setRowStretch(9, 1);

    auto* pulsanti = new QHBoxLayout;
    const char* testi[] = {"OK", "Annulla"};
    for (int i = 0; i < 2; ++i) {
        auto* cmd = new QPushButton(QString::fromUtf8(testi[i]), ricerca);
        cmd->setObjectName(QStringLiteral("cmdOK%1").arg(i));
        cmd->setAutoDefault(false);
        cmdOK_[static_cast<std::size_t>(i)] = cmd;
        pulsanti->addWidget(cmd);
        connect(cmd, &QPushButton::clicked, this, [this, i] { Evento([this, i] { logica_.cmdOK_Click(i); }); });
    }
    r->addLayout(pulsanti, 10, 0, 1, 2);
    principale->addWidget(ricerca);

    // The pictures and the table.
    auto* destra = new QVBoxLayout;
    mappaPulita_ = QImage(QStringLiteral(":/seismic/MappaItalia.png")).convertToFormat(QImage::Format_RGB32);
    pctMappa_ = new QLabel(this);
    pctMappa_->setObjectName(QStringLiteral("pctMappa"));
    pctMappa_->setFrameShape(QFrame::Box);
    // The picture fills the label inside its frame, so that the map's
    // extent is the picture's.
    pctMappa_->setFixedSize(mappaPulita_.size().grownBy(pctMappa_->contentsMargins()));
    // The map is there from the start: a site with no coordinates yet is
    // not searched and draws nothing on it.
    RipristinaMappa();
    pctMappa_->setToolTip(QStringLiteral("Clic: il sito alle coordinate indicate"));
    pctMappa_->installEventFilter(this);
    destra->addWidget(pctMappa_);
    destra->addStretch();
    principale->addLayout(destra);

    auto* colonna = new QVBoxLayout;
    colonna->addWidget(new QLabel(QStringLiteral("Nodi del reticolo"), this));
    pctPuntiNTC_ = new QLabel(this);
    pctPuntiNTC_->setObjectName(QStringLiteral("pctPuntiNTC"));
    // Large enough that the margins of the drawing area (5% below, 10% on
    // the right) hold the ID of a node on the edge of the close-up.
    pctPuntiNTC_->setFixedSize(300, 280);
    pctPuntiNTC_->setFrameShape(QFrame::Box);
    pctPuntiNTC_->setAutoFillBackground(true);
    colonna->addWidget(pctPuntiNTC_);
    colonna->addWidget(new QLabel(QStringLiteral("Parametri interpolati"), this));
    GridNTC_ = new QTableWidget(NumeroPeriodiTabellati, 3, this);
    GridNTC_->setObjectName(QStringLiteral("GridNTC"));
    GridNTC_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridNTC_->verticalHeader()->setDefaultSectionSize(20);
    GridNTC_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // All nine periods in view, without a scroll bar.
    GridNTC_->setMinimumHeight(GridNTC_->horizontalHeader()->sizeHint().height() +
                               NumeroPeriodiTabellati * GridNTC_->verticalHeader()->defaultSectionSize() +
                               2 * GridNTC_->frameWidth());
    colonna->addWidget(GridNTC_);
    principale->addLayout(colonna);
}

// ---- Events ----------------------------------------------------------------------

void FrmSpettroNTC::Evento(const std::function<void()>& evento) {
    if (inEvento_) return;
    inEvento_ = true;
    LeggeControlli();
    // An error of the core ends the event with its message; the window goes
    // on showing what the logic holds.
    EventoProtetto(evento);
    ScriveControlli();
    inEvento_ = false;
    if (logica_.DaChiudere()) {
        if (logica_.Annullato)
            QDialog::reject();
        else
            accept();
    }
}

void FrmSpettroNTC::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (attivata_) return;
    attivata_ = true;
    Evento([this] { logica_.Form_Activate(); });
}

void FrmSpettroNTC::closeEvent(QCloseEvent* e) {
    // The close box accepts, as "OK" does (a dialog's own close would
    // reject), unless the logic cancels.
    if (!logica_.DaChiudere()) {
        LeggeControlli();
        EventoProtetto([this] { logica_.Form_Unload(); });
    }
    e->accept();
    done(logica_.Annullato ? Rejected : Accepted);
}

void FrmSpettroNTC::reject() { Evento([this] { logica_.cmdOK_Click(1); }); }

bool FrmSpettroNTC::eventFilter(QObject* o, QEvent* e) {
    if (o == pctMappa_ && e->type() == QEvent::MouseButtonRelease) Evento([this] { logica_.pctMappa_Click(); });
    if (e->type() == QEvent::FocusOut)
        for (int i = 0; i < 2; ++i)
            if (o == txtCoord_[static_cast<std::size_t>(i)])
                Evento([this, i] { logica_.txtCoord_LostFocus(i); });
    if (e->type() == QEvent::FocusIn)
        if (auto* box = qobject_cast<QLineEdit*>(o))
            QMetaObject::invokeMethod(box, &QLineEdit::selectAll, Qt::QueuedConnection);
    return QDialog::eventFilter(o, e);
}

// ---- Controls <-> widgets --------------------------------------------------------

void FrmSpettroNTC::LeggeControlli() {
    ControlliSpettroNTC& c = logica_.c;
    for (std::size_t i = 0; i < txtNTC_.size(); ++i)
        if (txtNTC_[i]) c.txtNTC[i] = S(txtNTC_[i]->text());
    c.cmbStatoLimite.posizione = cmbStatoLimite_->currentIndex();
    c.cmbSuolo.posizione = cmbSuolo_->currentIndex();
    c.cmbTopo.posizione = cmbTopo_->currentIndex();
    for (std::size_t i = 0; i < 2; ++i) c.txtCoord[i] = S(txtCoord_[i]->text());
    for (std::size_t i = 0; i < 3; ++i) c.cmbComune[i].posizione = cmbComune_[i]->currentIndex();
    c.cmbIsole.posizione = cmbIsole_->currentIndex();
}

void FrmSpettroNTC::ScriveControlli() {
    const ControlliSpettroNTC& c = logica_.c;
    // The controls' own change signals must not echo back into the logic;
    // the objects inside them (a box's text, the table's model) must still
    // signal, or the widgets would not repaint what they now hold.
    std::vector<QSignalBlocker> blocchi;
    for (QWidget* controllo : Controlli()) blocchi.emplace_back(controllo);

    for (std::size_t i = 0; i < txtNTC_.size(); ++i)
        if (txtNTC_[i]) txtNTC_[i]->setText(Q(c.txtNTC[i]));
    ScriveLista(cmbStatoLimite_, c.cmbStatoLimite);
    ScriveLista(cmbSuolo_, c.cmbSuolo);
    cmbSuolo_->setPlaceholderText(Q(c.testoSuolo));
    ScriveLista(cmbTopo_, c.cmbTopo);
    for (std::size_t m = 0; m < 3; ++m) optTipoRicerca_[m]->setChecked(c.optTipoRicerca == static_cast<int>(m));
    for (std::size_t i = 0; i < 2; ++i) {
        txtCoord_[i]->setText(Q(c.txtCoord[i]));
        txtCoord_[i]->setReadOnly(!c.coordinateModificabili);
    }
    for (std::size_t i = 0; i < 3; ++i) {
        ScriveLista(cmbComune_[i], c.cmbComune[i]);
        cmbComune_[i]->setVisible(c.comuniVisibili);
        lblComune_[i]->setVisible(c.comuniVisibili);
    }
    ScriveLista(cmbIsole_, c.cmbIsole);
    cmbIsole_->setVisible(c.isoleVisibili);
    lblIsole_->setVisible(c.isoleVisibili);
    ScriveGriglia();
    cmdOK_[0]->setEnabled(c.okAbilitato);
    cmdOK_[0]->setToolTip(c.okAbilitato ? QString() : Q(c.suggerimentoOk));
    blocchi.clear();

    if (c.fuoco != FuocoSito::Invariato) {
        txtCoord_[c.fuoco == FuocoSito::Longitudine ? 0 : 1]->setFocus();
        logica_.c.fuoco = FuocoSito::Invariato;
    }
}

void FrmSpettroNTC::ScriveGriglia() {
    const ControlliSpettroNTC& c = logica_.c;
    const TitoliGriglia titoli = LeggeTitoliGriglia(c.intestazioneGriglia);
    if (!titoli.colonne.empty()) {
        QStringList colonne, righe;
        for (const std::string& t : titoli.colonne) colonne << Q(t);
        for (const std::string& t : titoli.righe) righe << Q(t);
        GridNTC_->setHorizontalHeaderLabels(colonne);
        GridNTC_->setVerticalHeaderLabels(righe);
    }
    for (int i = 0; i < NumeroPeriodiTabellati; ++i)
        for (int k = 0; k < 3; ++k) {
            auto* cella = new QTableWidgetItem(Q(c.GridNTC[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)]));
            cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            GridNTC_->setItem(i, k, cella);
        }
}

std::vector<QWidget*> FrmSpettroNTC::Controlli() const {
    std::vector<QWidget*> v{txtNTC_.begin(), txtNTC_.end()};
    v.insert(v.end(), {cmbStatoLimite_, cmbSuolo_, cmbTopo_, cmbIsole_, GridNTC_});
    v.insert(v.end(), optTipoRicerca_.begin(), optTipoRicerca_.end());
    v.insert(v.end(), txtCoord_.begin(), txtCoord_.end());
    v.insert(v.end(), cmbComune_.begin(), cmbComune_.end());
    std::erase(v, nullptr);
    return v;
}

// ---- Pictures --------------------------------------------------------------------

void FrmSpettroNTC::DisegnaMappa(float lon, float lat) {
    pctMappa_->setPixmap(Dipinge(mappaPulita_, [&](SuperficieDisegno& s) { tavo::DisegnaMappa(grafica_, s, lon, lat); }));
}

void FrmSpettroNTC::RipristinaMappa() { pctMappa_->setPixmap(QPixmap::fromImage(mappaPulita_)); }

void FrmSpettroNTC::DisegnaNodi(float lon, float lat, const NodiSito& nodi) {
    QImage vuoto(pctPuntiNTC_->contentsRect().size(), QImage::Format_RGB32);
    vuoto.fill(Qt::white);
    pctPuntiNTC_->setPixmap(
        Dipinge(vuoto, [&](SuperficieDisegno& s) { tavo::DisegnaNodi(grafica_, s, lon, lat, nodi); }));
}

void FrmSpettroNTC::CancellaNodi() { pctPuntiNTC_->clear(); }

void MostraFrmSpettroNTC(QWidget* genitore, NTC& sisma, const std::filesystem::path& cartellaDati,
                         std::function<void()> consegnaCoefficienti) {
    FrmSpettroNTC finestra(sisma, cartellaDati, std::move(consegnaCoefficienti), separatoriRegionali(), genitore);
    finestra.exec();
}

}  // namespace tavo
