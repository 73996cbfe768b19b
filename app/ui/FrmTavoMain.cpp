#include "app/ui/FrmTavoMain.h"

#include "analysis/CalcoloMain.h"
#include "analysis/ListaRisultati.h"
#include "analysis/ui/FrmGamma.h"
#include "app/FileImpostazioni.h"
#include "app/FileProgetto.h"
#include "app/ui/FrmInfor.h"
#include "app/ui/GrigliaFlex.h"
#include "app/ui/SchemaTavo.h"
#include "walldrawing/ui/FrmPlotta.h"
#include "drawing/ui/FiltroTastoDecimale.h"
#include "fileio/FileSuDisco.h"
#include "fileio/ImpostazioniInternazionali.h"
#include "fileio/NumeriRegionali.h"
#include "ports/MessagePort.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

#include <cmath>

namespace tavo {
namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string S(const QString& s) { return s.toStdString(); }

Separatori SeparatoriDiSistema() {
    const QLocale sistema = QLocale::system();
    return SeparatoriDaLocale(S(sistema.decimalPoint()), S(sistema.groupSeparator()));
}

// Texts of the combination labels' message.
const char* TestoCombinazione(QChar cifra) {
    if (cifra == QChar('1')) return "1= statica";
    if (cifra == QChar('2')) return "2= sismica con kv>0";
    if (cifra == QChar('3')) return "3= sismica con kv<0";
    return "";
}

}  // namespace

FrmTavoMain::FrmTavoMain(VariabiliPubbliche& stato, NTC& sisma, const OpzioniAvvio& avvio,
                         ServiziFinestra& servizi, FinestreCollegate finestre)
    : stato_(stato),
      sisma_(sisma),
      servizi_(servizi),
      finestre_(std::move(finestre)),
      file_("Tavo", "Tav", ambiente(), *this, servizi.dialogoFile()) {
    setObjectName(QStringLiteral("frmTavoMain"));
    CostruisceControlli();
    CostruisceMenu();
    new FiltroTastoDecimale(this);
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        if (box != griglia_->editor()) box->installEventFilter(this);
    }
    connect(cbCalcolo_, &QPushButton::clicked, this, [this] { Esegue([this] { CalcoloMain(); }); });
    connect(cbDiagramma_, &QPushButton::clicked, this, [this] {
        Esegue([this] {
            if (CalcoloMain())
                MostraFrmPlotta(this, stato_, sisma_, [this] { return S(NomeFileBreve()); },
                                ambiente().PercorsoDati, avviso_);
        });
    });
    connect(cmdSisma_, &QPushButton::clicked, this, [this] { Esegue([this] { MostraSisma(); }); });
    connect(txtNTratti_, &QLineEdit::editingFinished, this, [this] { Esegue([this] { AllineaGrigliaAlNumeroLati(); }); });
    connect(cmdSchema_, &QPushButton::clicked, this, [this] { Zoom(); });
    connect(pctSchema_, &SchemaTavo::cliccato, this, [this] { Zoom(); });
    connect(cmbCombinazione_, &QComboBox::activated, this, [this](int voce) { CombinazioneScelta(voce); });

    // Start-up, in the program's order.
    caricamento_ = true;
    Ambiente& amb = ambiente();
    amb.PercorsoProgramma = avvio.cartellaProgramma;
    std::error_code ec;
    amb.PercorsoDati = std::filesystem::current_path(ec);
    separatori_ = VerificaImpostazioniInternazionali(avvio.separatori.value_or(SeparatoriDiSistema()),
                                                     avvio.sopprimiAvvisoRegionale);
    FileIniLeggeScrive(Modo::Lettura);
    AggiornaTitolo();
    resize(1280, 760);
    griglia_->impostaControlloSuccessivo(cbCalcolo_);
    if (file_.ApriFileRigaComando(avvio.rigaComando)) {
        DimensionaGriglia();
        ScriveDatiInForm();
    }
    AggiornaTitolo();
    AggiornaMenuNormativa();
    RiempieComboCombinazioni();
    cmbCombinazione_->hide();
    cmbCombinazione_->setEnabled(false);
    TipoVerificaSettaggi(true);
    caricamento_ = false;
    RicordaSalvato();
}

FrmTavoMain::~FrmTavoMain() {
    // The side-count box loses the focus while the widgets are taken down,
    // after this window's own part is gone: its handler must not run then.
    disconnect(txtNTratti_, nullptr, this, nullptr);
}

QString FrmTavoMain::FormCaption() {
    return QStringLiteral("Tavo/Spalla - Unità di misura [kN, m] - File: ");
}

QString FrmTavoMain::NomeFileBreve() const { return Q(file_.NomeFileBreve()); }

void FrmTavoMain::AggiornaTitolo() { setWindowTitle(FormCaption() + NomeFileBreve()); }

void FrmTavoMain::SelezionaTxt(QLineEdit* box) { box->selectAll(); }

// ---- Fields ----------------------------------------------------------------

TestiForm FrmTavoMain::TestiCampi() const {
    TestiForm t;
    t.titolo = S(txtTavoTitolo_->text());
    for (std::size_t i = 0; i < txtDati_.size(); ++i) t.dati[i] = S(txtDati_[i]->text());
    t.lati = S(txtNTratti_->text());
    for (int r = 1; r < griglia_->rowCount(); ++r)
        t.profilo.push_back({S(griglia_->TestoCella(r, 1)), S(griglia_->TestoCella(r, 2)),
                             S(griglia_->TestoCella(r, 3))});
    return t;
}

void FrmTavoMain::LeggeDatiDaForm(VariabiliPubbliche& v, NTC& sisma) {
    // What the user is still typing in the grid belongs to the fields.
    griglia_->ConfermaEditor();
    // The grid shows the sides the calculation and the file take.
    AllineaGrigliaAlNumeroLati();
    tavo::LeggeDatiDaForm(TestiCampi(), v, sisma, separatori_);
}

void FrmTavoMain::ScriveDatiInForm() {
    const TestiForm t = tavo::ScriveDatiInForm(stato_, sisma_, separatori_);
    txtTavoTitolo_->setText(Q(t.titolo));
    for (std::size_t i = 0; i < txtDati_.size(); ++i) {
        if (i == 18 && stato_.Normativa == NormativaDM1996) continue;
        txtDati_[i]->setText(Q(t.dati[i]));
    }
    txtNTratti_->setText(Q(t.lati));
    for (std::size_t i = 0; i < t.profilo.size(); ++i) {
        const int riga = static_cast<int>(i) + 1;
        if (riga >= griglia_->rowCount()) break;
        for (int c = 0; c < 3; ++c) griglia_->ScriveCella(Q(t.profilo[i][static_cast<std::size_t>(c)]), riga, c + 1);
    }
}

void FrmTavoMain::DimensionaGriglia() { DimensionaGriglia(stato_.nLatiTerreno); }

std::optional<int> FrmTavoMain::NumeroLatiDigitato() const {
    const auto n = NumeroDigitato(S(txtNTratti_->text()), separatori_);
    if (!n || *n != std::trunc(*n) || *n < 1 || *n > 32767) return std::nullopt;
    return static_cast<int>(*n);
}

void FrmTavoMain::AllineaGrigliaAlNumeroLati() {
    // A count that is no whole number of sides leaves the grid as it is:
    // the calculation refuses it by name.
    const auto n = NumeroLatiDigitato();
    if (n && griglia_->rowCount() != *n + 1) DimensionaGriglia(*n);
}

void FrmTavoMain::DimensionaGriglia(int lati) {
    if (lati < 1) return;
    griglia_->ConfermaEditor();
    griglia_->setRowCount(lati + 1);
    griglia_->setColumnCount(4);
    griglia_->ScriveCella(QString(), 0, 0);
    for (int c = 1; c < 4; ++c)
        griglia_->ScriveCella(QString::fromUtf8(IntestazioniProfilo[static_cast<std::size_t>(c - 1)]), 0, c);
    for (int r = 1; r <= lati; ++r) {
        griglia_->ScriveCella(QStringLiteral(" Lato %1").arg(r), r, 0);
        for (int c = 1; c < 4; ++c)
            if (!griglia_->item(r, c)) griglia_->ScriveCella(QString(), r, c);
    }
    // The label column is wider than the three data columns (1050 : 900).
    griglia_->setColumnWidth(0, 84);
    for (int c = 1; c < 4; ++c) griglia_->setColumnWidth(c, 72);
}

// ---- The calculation as the window sees it ------------------------------------

void FrmTavoMain::FuocoSuNumeroLati() { txtNTratti_->setFocus(); }

void FrmTavoMain::AbilitaVoceFile(int indice) {
    if (indice >= 0 && indice < static_cast<int>(mnuFileItem_.size()) && mnuFileItem_[static_cast<std::size_t>(indice)])
        mnuFileItem_[static_cast<std::size_t>(indice)]->setEnabled(true);
}

void FrmTavoMain::AbilitaCombinazioni() {
    cmbCombinazione_->setEnabled(true);
    cmbCombinazione_->show();
}

void FrmTavoMain::SelezionaCombinazione(int voce) {
    cmbCombinazione_->setCurrentIndex(voce);
    CombinazioneScelta(voce);
}

void FrmTavoMain::TipoVerificaSettaggi(bool flag) {
    for (QLabel* l : lblTipoVerifica_) {
        l->setVisible(!flag);
        l->setToolTip(QStringLiteral("Combinazione: cliccare per aiuto."));
    }
}

namespace {

template <std::size_t N>
QLineEdit* Box(const std::array<QLineEdit*, N>& caselle, int indice) {
    return indice >= 0 && indice < static_cast<int>(N) ? caselle[static_cast<std::size_t>(indice)] : nullptr;
}

}  // namespace

QLineEdit* FrmTavoMain::CasellaRisultati(CasellaRisultato casella, int indice) const {
    switch (casella) {
    case CasellaRisultato::MNfondazione:
        return Box(txtMNfondazione_, indice);
    case CasellaRisultato::Scorr:
        return Box(txtScorr_, indice);
    case CasellaRisultato::MNparete:
        break;
    }
    return Box(txtMNparete_, indice);
}

void FrmTavoMain::ScriveCasella(CasellaRisultato casella, int indice, std::string_view testo) {
    if (QLineEdit* box = CasellaRisultati(casella, indice)) box->setText(Q(testo));
}

void FrmTavoMain::ColoraCasella(CasellaRisultato casella, int indice, ColoreTesto colore) {
    QLineEdit* box = CasellaRisultati(casella, indice);
    if (!box) return;
    QPalette p = box->palette();
    p.setColor(QPalette::Text, QColor(colore.r, colore.g, colore.b));
    box->setPalette(p);
}

void FrmTavoMain::ScriveEtichettaTipoVerifica(int indice, std::string_view didascalia) {
    if (indice >= 0 && indice < NumeroEtichetteTipoVerifica)
        lblTipoVerifica_[static_cast<std::size_t>(indice)]->setText(Q(didascalia));
}

bool FrmTavoMain::CalcoloMain() {
    if (tavo::CalcoloMain(stato_, sisma_, *this)) return true;
    // A calculation refused or stopped leaves new inputs beside results of
    // the one before, some of them perhaps rewritten: the list offers them
    // again only after one that succeeds.
    cmbCombinazione_->setEnabled(false);
    return false;
}

void FrmTavoMain::Esegue(const std::function<void()>& comando) {
    comando();
    avviso_.Avvisa();
}

void FrmTavoMain::ScriveCoefficientiSismici() {
    txtDati_[14]->setText(Q(TestoCampoSisma14(stato_, sisma_, separatori_)));
    txtDati_[18]->setText(Q(TestoCampoSisma18(sisma_, separatori_)));
}

// ---- Code in force and combinations ---------------------------------------------

void FrmTavoMain::RiempieComboCombinazioni() {
    cmbCombinazione_->clear();
    for (const char* voce : {"Verifiche più gravose", "1 Verifiche statiche", "2 Ver. sismiche kv>0",
                             "3 Ver. sismiche kv<0"})
        cmbCombinazione_->addItem(QString::fromUtf8(voce));
    cmbCombinazione_->setCurrentIndex(0);
}

void FrmTavoMain::ImpostaNormativa(int indice) {
    for (QAction* a : normativaItem_) a->setChecked(false);
    stato_.Normativa = static_cast<std::int16_t>(indice);
    AggiornaMenuNormativa();
    CalcoloMain();
}

void FrmTavoMain::AggiornaMenuNormativa() {
    const int n = stato_.Normativa == NormativaDM1996 ? 1 : 0;
    normativaItem_[static_cast<std::size_t>(n)]->setChecked(true);
    normativaItem_[static_cast<std::size_t>(1 - n)]->setChecked(false);
    mnuNormativa_->setTitle(QStringLiteral("Normativa: ") + normativaItem_[static_cast<std::size_t>(n)]->text());
    PredisponeCampiSisma();
}

void FrmTavoMain::PredisponeCampiSisma() {
    const bool dm = stato_.Normativa == NormativaDM1996;
    QLineEdit* box14 = txtDati_[14];
    QLineEdit* box18 = txtDati_[18];
    box14->setText(Q(TestoCampoSisma14(stato_, sisma_, separatori_)));
    if (dm) {
        lblSimbolo14_->setText(QStringLiteral("S"));
        box14->setToolTip(QString::fromUtf8("Grado di sismicità (6÷12)"));
    } else {
        lblSimbolo14_->setText(QStringLiteral("K"));
        box18->setText(Q(TestoCampoSisma18(sisma_, separatori_)));
        box14->setToolTip(QStringLiteral("Coefficiente sismico orizzontale"));
        box18->setToolTip(QStringLiteral("Coefficiente sismico verticale"));
    }
    lblGradoSismicita_->setVisible(dm);
    for (QWidget* w : {static_cast<QWidget*>(cmdSisma_), static_cast<QWidget*>(box18),
                       static_cast<QWidget*>(lblIndice14_), static_cast<QWidget*>(lblSimbolo18_),
                       static_cast<QWidget*>(cmbCombinazione_)})
        w->setVisible(!dm);
    mnuImpostazioniAzione_->setVisible(!dm);
    TipoVerificaSettaggi(dm);
}

void FrmTavoMain::CombinazioneScelta(int voce) {
    if (caricamento_ || !cmbCombinazione_->isEnabled()) return;
    if (voce >= 1 && voce <= 3) {
        ScriveRisultatiStabilita(stato_, *this, voce, voce, voce);
        ScriveRisultatiParete(stato_, *this, voce);
    } else if (voce == 0) {
        ScriveRisultatiStabilita(stato_, *this, stato_.CombGravosaRibaltamento, stato_.CombGravosaScorrimento,
                                 stato_.CombGravosaPortata);
        ScriveRisultatiParete(stato_, *this, stato_.CombGravosaParete);
    }
}

void FrmTavoMain::EtichettaCliccata(int indice) {
    const QString didascalia = lblTipoVerifica_[static_cast<std::size_t>(indice)]->text();
    const QString testo = QString::fromUtf8(TestoCombinazione(didascalia.size() > 1 ? didascalia[1] : QChar()));
    const QString messaggio =
        cmbCombinazione_->currentIndex() == 0
            ? QStringLiteral("Sollecitazioni corrispondenti alla verifica più gravosa: \r\n") + testo
            : QStringLiteral("Sollecitazioni corrispondenti alla verifica ") + testo;
    messaggi().mostra(S(messaggio));
}

// ---- Keys --------------------------------------------------------------------

bool FrmTavoMain::eventFilter(QObject* o, QEvent* e) {
    if (o->objectName() == QStringLiteral("postoSchema") &&
        (e->type() == QEvent::Move || e->type() == QEvent::Resize)) {
        PosizionaSchema();
        return false;
    }
    if (auto* lbl = qobject_cast<QLabel*>(o); lbl && e->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < NumeroEtichetteTipoVerifica; ++i)
            if (lblTipoVerifica_[static_cast<std::size_t>(i)] == lbl) EtichettaCliccata(i);
        return false;
    }
    auto* box = qobject_cast<QLineEdit*>(o);
    if (!box) return QMainWindow::eventFilter(o, e);
    if (e->type() == QEvent::FocusIn) {
        // After the click that gave the focus has placed the caret.
        QTimer::singleShot(0, box, [this, box] { SelezionaTxt(box); });
    } else if (e->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            InvioSuCampo(box);
            return true;
        }
    }
    return QMainWindow::eventFilter(o, e);
}

void FrmTavoMain::InvioSuCampo(QLineEdit* box) {
    if (box == txtTavoTitolo_) {
        txtDati_[0]->setFocus();
        return;
    }
    if (box == txtNTratti_) {
        // A side count that is not a whole number of sides leaves the grid alone.
        const auto n = NumeroLatiDigitato();
        if (!n) return;
        DimensionaGriglia(*n);
        griglia_->setFocus();
        griglia_->impostaCellaCorrente(1, 1);
        griglia_->EditaCella(0);
        return;
    }
    for (std::size_t i = 0; i < txtDati_.size(); ++i) {
        if (txtDati_[i] != box) continue;
        if (i == 17 || i == 18)
            txtNTratti_->setFocus();
        else
            txtDati_[i + 1]->setFocus();
        return;
    }
}

// ---- File menu ---------------------------------------------------------------------

bool FrmTavoMain::leggeProgetto(const std::filesystem::path& file) {
    return ApreFileProgetto(file, stato_, sisma_);
}

bool FrmTavoMain::scriveProgetto(const std::filesystem::path& file) {
    return SalvaFileProgetto(file, stato_, sisma_);
}

void FrmTavoMain::DopoApertura(EsitoFile esito) {
    // A cancelled dialog or a file that could not be read leaves the fields
    // as the user left them.
    if (esito == EsitoFile::Fatto) {
        AggiornaTitolo();
        DimensionaGriglia();
        ScriveDatiInForm();
        AggiornaMenuNormativa();
        RicordaSalvato();
        CalcoloMain();
    }
    cbCalcolo_->setFocus();
}

void FrmTavoMain::ApriFileDati(const std::optional<std::filesystem::path>& cartella) {
    if (!ConfermaAbbandono()) return;
    ApreProgetto(cartella);
}

void FrmTavoMain::ApreProgetto(const std::optional<std::filesystem::path>& cartella) {
    DopoApertura(file_.OperazioneFile(OperazioneFileTipo::Apri, cartella));
}

void FrmTavoMain::ApriFileEsempio() {
    if (!ConfermaAbbandono()) return;
    DopoApertura(file_.ApriFileEsempio());
}

FrmTavoMain::Istantanea FrmTavoMain::ProgettoAttuale() {
    // What the user is still typing in the grid belongs to the fields.
    griglia_->ConfermaEditor();
    Istantanea p{TestiCampi(), std::nullopt};
    p.testo = TestoProgetto(p.testi, stato_, sisma_, separatori_);
    return p;
}

void FrmTavoMain::RicordaSalvato() { salvato_ = ProgettoAttuale(); }

bool FrmTavoMain::ConfermaAbbandono() {
    // A change typed counts before it is computed; one undone does not.
    if (ProgettoAttuale() == salvato_) return true;
    switch (messaggi().chiediOAnnulla("Il progetto è stato modificato.\r\nSalvare le modifiche?")) {
    case Risposta::Si: return Salva(OperazioneFileTipo::Salva);
    case Risposta::No: return true;
    case Risposta::Annulla: break;
    }
    return false;
}

bool FrmTavoMain::Salva(OperazioneFileTipo op) {
    const bool salvato = CalcoloMain() && file_.OperazioneFile(op) == EsitoFile::Fatto;
    AggiornaTitolo();
    if (salvato) RicordaSalvato();
    return salvato;
}

void FrmTavoMain::MenuFile(int indice) {
    // An error inside a File command ends that command silently.
    try {
        switch (indice) {
        case 0:
            // The fields stay: what was not saved stays unsaved.
            if (!ConfermaAbbandono()) break;
            file_.OperazioneFile(OperazioneFileTipo::Nuovo);
            AggiornaTitolo();
            txtTavoTitolo_->setFocus();
            SelezionaTxt(txtTavoTitolo_);
            break;
        case 1:
            if (!ConfermaAbbandono()) break;
            FileIniLeggeScrive(Modo::Lettura);
            ApreProgetto();
            break;
        case 2:
            Salva(OperazioneFileTipo::Salva);
            break;
        case 3:
            Salva(OperazioneFileTipo::SalvaConNome);
            break;
        case 5:
            if (CalcoloMain()) StampaForm();
            break;
        case 6:
            messaggi().mostra("Funzione non implementata\r\nUsare il disegno in Autocad che contiene dati e risultati");
            break;
        case 19:
            close();
            break;
        default:
            break;
        }
    } catch (const std::exception&) {
    }
}

void FrmTavoMain::StampaForm() {
    QPrinter stampante(QPrinter::HighResolution);
    // The document name is what a print to file proposes as the file's name:
    // the project's, never the caption, whose "Tavo/Spalla" would be a folder.
    stampante.setDocName(NomeFileBreve().isEmpty() ? QStringLiteral("Tavo") : NomeFileBreve());
    if (!servizi_.sceltaStampante(stampante, this)) return;
    const QPixmap immagine = grab();
    QPainter p;
    if (!p.begin(&stampante)) {
        messaggi().mostra("Impossibile stampare: la stampante scelta non è disponibile.", Icona::Esclamazione);
        return;
    }
    const QRect pagina = p.viewport();
    QSize misura = immagine.size();
    misura.scale(pagina.size(), Qt::KeepAspectRatio);
    p.setViewport(pagina.x(), pagina.y(), misura.width(), misura.height());
    p.setWindow(immagine.rect());
    p.drawPixmap(0, 0, immagine);
    p.end();
}

// ---- Other windows ------------------------------------------------------------------

void FrmTavoMain::ApreFinestra(const std::function<void(FrmTavoMain&)>& apri, const char* nonDisponibile) {
    if (apri)
        apri(*this);
    else
        messaggi().mostra(nonDisponibile, Icona::Informazione);
}

void FrmTavoMain::MostraSisma() {
    ApreFinestra(finestre_.sisma, "La finestra dei dati sismici non è ancora disponibile.");
}

void FrmTavoMain::MostraCoefficienti(int pagina) {
    FrmGamma dialogo(stato_, [this] { FileIniLeggeScrive(Modo::Scrittura); }, separatori_, this);
    dialogo.MostraPagina(pagina);
    dialogo.exec();
}

bool FrmTavoMain::FileIniLeggeScrive(Modo modo) {
    return tavo::FileIniLeggeScrive(modo, ambiente().PercorsoProgramma, stato_);
}

void FrmTavoMain::MostraGuida() {
    const std::filesystem::path guida = ambiente().PercorsoProgramma / "Tavo.html";
    std::error_code ec;
    if (!std::filesystem::exists(guida, ec)) {
        messaggi().mostra("File della guida " + TestoPercorso(guida) + " non trovato ", Icona::Esclamazione);
        return;
    }
    servizi_.apreDocumento(Q(TestoPercorso(guida)), [testo = TestoPercorso(guida)] {
        messaggi().mostra("Non è installato un programma che mostri la guida.\r\nLa guida è il file " + testo,
                          Icona::Esclamazione);
    });
}

void FrmTavoMain::MostraInformazioni() {
    FrmInfor informazioni(this);
    informazioni.exec();
}

void FrmTavoMain::Zoom() {
    schemaIngrandito_ = !schemaIngrandito_;
    PosizionaSchema();
}

void FrmTavoMain::PosizionaSchema() {
    const QWidget* posto = centralWidget()->findChild<QWidget*>(QStringLiteral("postoSchema"));
    if (!posto) return;
    QRect r = posto->geometry();
    if (schemaIngrandito_) {
        // Six times the picture, as far as the window lets it grow.
        const QRect area = centralWidget()->rect();
        QSize grande = r.size() * 6;
        grande = grande.boundedTo(area.size());
        r.setSize(grande);
        r.moveLeft(std::max(area.left(), std::min(r.left(), area.right() - r.width())));
        r.moveTop(std::max(area.top(), std::min(r.top(), area.bottom() - r.height())));
    }
    pctSchema_->setGeometry(r);
    pctSchema_->raise();
    cmdSchema_->adjustSize();
    cmdSchema_->move(r.left() + 4, r.bottom() - cmdSchema_->height() - 4);
    cmdSchema_->raise();
}

// ---- Closing -----------------------------------------------------------------------

void FrmTavoMain::ChiudiApplicazione() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible()) w->close();
    QApplication::quit();
}

void FrmTavoMain::closeEvent(QCloseEvent* e) {
    // Esci and the close box alike: unsaved work is never dropped unasked.
    if (!ConfermaAbbandono()) {
        e->ignore();
        return;
    }
    ChiudiApplicazione();
    e->accept();
}

}  // namespace tavo
