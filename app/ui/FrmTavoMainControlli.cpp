// The controls of the main window, its menus and its toolbar.

#include "app/ui/FrmTavoMain.h"
#include "analysis/ListaRisultati.h"
#include "app/ui/GrigliaFlex.h"
#include "app/ui/SchemaTavo.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace tavo {
namespace {

// A result box shows a number, or the words that stand in for the
// overturning factor of a wall that cannot overturn: wide enough for them.
int LarghezzaRisultato(const QLineEdit& box) {
    return std::max(80, box.fontMetrics().horizontalAdvance(QString::fromUtf8(TestoNonRibaltabile)) + 12);
}

QLineEdit* Casella(QWidget* genitore, const QString& nome, bool solaLettura) {
    auto* box = new QLineEdit(genitore);
    box->setObjectName(nome);
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(solaLettura ? LarghezzaRisultato(*box) : 90);
    if (solaLettura) {
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::ClickFocus);
    }
    return box;
}

// The label of an input box, tied to it.
QLabel* Etichetta(const std::string& testo, QLineEdit* box) {
    auto* l = new QLabel(QString::fromStdString(testo));
    l->setBuddy(box);
    return l;
}

// One row of a result group: its label and its box.
void RigaRisultato(QGridLayout* g, int riga, const char* etichetta, QLineEdit* box) {
    g->addWidget(new QLabel(QString::fromUtf8(etichetta)), riga, 0);
    g->addWidget(box, riga, 1);
}

}  // namespace

void FrmTavoMain::CostruisceControlli() {
    auto* centro = new QWidget(this);
    setCentralWidget(centro);
    auto* principale = new QHBoxLayout(centro);

    // ---- Input -------------------------------------------------------------
    auto* colonnaDati = new QVBoxLayout;
    principale->addLayout(colonnaDati);

    auto* riquadroTitolo = new QHBoxLayout;
    txtTavoTitolo_ = new QLineEdit(centro);
    txtTavoTitolo_->setObjectName(QStringLiteral("txtTavoTitolo"));
    riquadroTitolo->addWidget(Etichetta("Titolo :", txtTavoTitolo_));
    riquadroTitolo->addWidget(txtTavoTitolo_);
    colonnaDati->addLayout(riquadroTitolo);

    for (int i = 0; i < NumeroCampiDati; ++i)
        txtDati_[static_cast<std::size_t>(i)] = Casella(centro, QStringLiteral("txtDati_%1").arg(i), false);

    auto* geometria = new QGroupBox(QStringLiteral("Geometria"), centro);
    auto* gGeometria = new QGridLayout(geometria);
    for (int i = 0; i <= 8; ++i) {
        gGeometria->addWidget(Etichetta(EtichettaCampo(i, NormativaNTC2008), txtDati_[static_cast<std::size_t>(i)]), i, 0);
        gGeometria->addWidget(txtDati_[static_cast<std::size_t>(i)], i, 1);
    }
    colonnaDati->addWidget(geometria);

    auto* terreno = new QGroupBox(QStringLiteral("Terreno e materiali"), centro);
    auto* gTerreno = new QGridLayout(terreno);
    for (int i = 9; i <= 13; ++i) {
        gTerreno->addWidget(Etichetta(EtichettaCampo(i, NormativaNTC2008), txtDati_[static_cast<std::size_t>(i)]), i - 9, 0);
        gTerreno->addWidget(txtDati_[static_cast<std::size_t>(i)], i - 9, 1);
    }
    colonnaDati->addWidget(terreno);

    // Seismic data: box 14 with its symbol, the seismicity-grade label and
    // the seismic-data button in the same place, box 18 with kv's symbol.
    auto* sisma = new QGroupBox(QStringLiteral("Sisma"), centro);
    auto* gSisma = new QGridLayout(sisma);
    lblSimbolo14_ = new QLabel(QStringLiteral("K"), sisma);
    lblSimbolo14_->setObjectName(QStringLiteral("lblSimbolo14"));
    lblSimbolo14_->setBuddy(txtDati_[14]);
    lblIndice14_ = new QLabel(QStringLiteral("<sub>h</sub>"), sisma);
    lblIndice14_->setObjectName(QStringLiteral("lblIndice14"));
    auto* simbolo14 = new QHBoxLayout;
    simbolo14->setSpacing(0);
    simbolo14->addWidget(lblSimbolo14_);
    simbolo14->addWidget(lblIndice14_);
    simbolo14->addStretch();
    gSisma->addLayout(simbolo14, 0, 0);
    gSisma->addWidget(txtDati_[14], 0, 1);
    lblGradoSismicita_ = new QLabel(QString::fromUtf8("Grado di sismicità"), sisma);
    lblGradoSismicita_->setObjectName(QStringLiteral("lblGradoSismicita"));
    cmdSisma_ = new QPushButton(QStringLiteral("Dati &Sisma"), sisma);
    cmdSisma_->setObjectName(QStringLiteral("cmdSisma"));
    gSisma->addWidget(lblGradoSismicita_, 0, 2);
    gSisma->addWidget(cmdSisma_, 0, 2);
    lblSimbolo18_ = new QLabel(QStringLiteral("K<sub>v</sub>"), sisma);
    lblSimbolo18_->setObjectName(QStringLiteral("lblSimbolo18"));
    lblSimbolo18_->setBuddy(txtDati_[18]);
    gSisma->addWidget(lblSimbolo18_, 1, 0);
    gSisma->addWidget(txtDati_[18], 1, 1);
    colonnaDati->addWidget(sisma);

    auto* impalcato = new QGroupBox(QStringLiteral("Impalcato"), centro);
    auto* gImpalcato = new QGridLayout(impalcato);
    for (int i = 15; i <= 17; ++i) {
        gImpalcato->addWidget(Etichetta(EtichettaCampo(i, NormativaNTC2008), txtDati_[static_cast<std::size_t>(i)]), 0, 2 * (i - 15));
        gImpalcato->addWidget(txtDati_[static_cast<std::size_t>(i)], 0, 2 * (i - 15) + 1);
    }
    colonnaDati->addWidget(impalcato);
    colonnaDati->addStretch();

    // ---- Ground profile ------------------------------------------------------
    auto* colonnaProfilo = new QVBoxLayout;
    principale->addLayout(colonnaProfilo);
    auto* riquadroLati = new QHBoxLayout;
    txtNTratti_ = Casella(centro, QStringLiteral("txtNTratti"), false);
    riquadroLati->addWidget(Etichetta(EtichettaNumeroLati, txtNTratti_));
    riquadroLati->addWidget(txtNTratti_);
    colonnaProfilo->addLayout(riquadroLati);
    griglia_ = new GrigliaFlex(centro);
    griglia_->setObjectName(QStringLiteral("FlexGrid"));
    griglia_->setMinimumSize(280, 160);
    colonnaProfilo->addWidget(griglia_, 1);

    // The schema picture stands over a place kept for it in the layout, so
    // that the zoom can enlarge it over the window.
    auto* postoSchema = new QWidget(centro);
    postoSchema->setObjectName(QStringLiteral("postoSchema"));
    postoSchema->setFixedSize(280, 280);
    colonnaProfilo->addWidget(postoSchema);
    pctSchema_ = new SchemaTavo(centro);
    cmdSchema_ = new QPushButton(QStringLiteral("Zoom"), centro);
    cmdSchema_->setObjectName(QStringLiteral("cmdSchema"));
    postoSchema->installEventFilter(this);

    auto* pulsanti = new QHBoxLayout;
    cbCalcolo_ = new QPushButton(QStringLiteral("&Calcolo"), centro);
    cbCalcolo_->setObjectName(QStringLiteral("cbCalcolo"));
    cbDiagramma_ = new QPushButton(QStringLiteral("&Visualizza"), centro);
    cbDiagramma_->setObjectName(QStringLiteral("cbDiagramma"));
    cbDiagramma_->setToolTip(QStringLiteral("Calcola e Visualizza"));
    pulsanti->addWidget(cbCalcolo_);
    pulsanti->addWidget(cbDiagramma_);
    colonnaProfilo->addLayout(pulsanti);

    // ---- Results: the combination list over two columns of groups ------------
    auto* risultati = new QGridLayout;
    principale->addLayout(risultati);
    cmbCombinazione_ = new QComboBox(centro);
    cmbCombinazione_->setObjectName(QStringLiteral("cmbCombinazione"));
    cmbCombinazione_->setToolTip(QStringLiteral("Seleziona il tipo di verifica"));
    risultati->addWidget(cmbCombinazione_, 0, 0, 1, 2);
    auto* colonnaStabilita = new QVBoxLayout;
    auto* colonnaPortata = new QVBoxLayout;
    risultati->addLayout(colonnaStabilita, 1, 0);
    risultati->addLayout(colonnaPortata, 1, 1);
    QVBoxLayout* colonnaRisultati = colonnaStabilita;

    for (std::size_t i = 0; i < txtMNfondazione_.size(); ++i)
        txtMNfondazione_[i] = Casella(centro, QStringLiteral("txtMNfondazione_%1").arg(i), true);
    for (std::size_t i = 0; i < txtScorr_.size(); ++i)
        txtScorr_[i] = Casella(centro, QStringLiteral("txtScorr_%1").arg(i), true);
    for (std::size_t i = 0; i < txtMNparete_.size(); ++i)
        txtMNparete_[i] = Casella(centro, QStringLiteral("txtMNparete_%1").arg(i), true);

    const auto gruppo = [&](const char* titolo, int etichetta) {
        auto* g = new QGroupBox(QString::fromUtf8(titolo), centro);
        auto* griglia = new QGridLayout(g);
        auto* lbl = new QLabel(QStringLiteral("?"), g);
        lbl->setObjectName(QStringLiteral("lblTipoVerifica_%1").arg(etichetta));
        lbl->setCursor(Qt::PointingHandCursor);
        lbl->installEventFilter(this);
        lblTipoVerifica_[static_cast<std::size_t>(etichetta)] = lbl;
        griglia->addWidget(lbl, 0, 2);
        colonnaRisultati->addWidget(g);
        return griglia;
    };
    QGridLayout* g = gruppo("Ribaltamento [kN, m]", 0);
    RigaRisultato(g, 0, "Spinta statica St", txtMNfondazione_[0]);
    RigaRisultato(g, 1, "Spinta sovraccarico Sq", txtMNfondazione_[13]);
    RigaRisultato(g, 2, "Incremento sismico Ss", txtMNfondazione_[9]);
    RigaRisultato(g, 3, "Forze d'inerzia Si", txtMNfondazione_[14]);
    RigaRisultato(g, 4, "Momento ribaltante", txtMNfondazione_[3]);
    RigaRisultato(g, 5, "Momento stabilizzante", txtMNfondazione_[17]);
    RigaRisultato(g, 6, "Fs ribaltamento", txtMNfondazione_[4]);

    g = gruppo("Scorrimento [kN]", 1);
    RigaRisultato(g, 0, "Spinta statica St", txtScorr_[0]);
    RigaRisultato(g, 1, "Spinta sovraccarico Sq", txtScorr_[1]);
    RigaRisultato(g, 2, "Incremento sismico Ss", txtScorr_[2]);
    RigaRisultato(g, 3, "Forze d'inerzia Si", txtScorr_[3]);
    RigaRisultato(g, 4, "Forza scorrente T", txtMNfondazione_[10]);
    RigaRisultato(g, 5, "Forza normale N", txtMNfondazione_[15]);
    RigaRisultato(g, 6, "Fs scorrimento", txtMNfondazione_[5]);

    colonnaStabilita->addStretch();
    colonnaRisultati = colonnaPortata;
    g = gruppo("Pressioni sul terreno [kN, m, N/mm2]", 2);
    RigaRisultato(g, 0, "Spinta statica St", txtScorr_[4]);
    RigaRisultato(g, 1, "Spinta sovraccarico Sq", txtScorr_[5]);
    RigaRisultato(g, 2, "Incremento sismico Ss", txtScorr_[6]);
    RigaRisultato(g, 3, "Forze d'inerzia Si", txtScorr_[7]);
    RigaRisultato(g, 4, "Momento M", txtMNfondazione_[1]);
    RigaRisultato(g, 5, "Sforzo normale N", txtMNfondazione_[2]);
    RigaRisultato(g, 6, "Taglio T", txtMNfondazione_[16]);
    RigaRisultato(g, 7, "Pressione lato valle", txtMNfondazione_[6]);
    RigaRisultato(g, 8, "Pressione lato monte", txtMNfondazione_[7]);
    RigaRisultato(g, 9, "Base compressa (%)", txtMNfondazione_[8]);
    RigaRisultato(g, 10, "Momento suola valle", txtMNfondazione_[11]);
    RigaRisultato(g, 11, "Momento suola monte", txtMNfondazione_[12]);

    g = gruppo("Base parete [kN, m]", 3);
    RigaRisultato(g, 0, "Spinta statica St", txtMNparete_[0]);
    RigaRisultato(g, 1, "Spinta sovraccarico Sq", txtMNparete_[5]);
    RigaRisultato(g, 2, "Incremento sismico Ss", txtMNparete_[3]);
    RigaRisultato(g, 3, "Forze d'inerzia Si", txtMNparete_[6]);
    RigaRisultato(g, 4, "Momento M", txtMNparete_[1]);
    RigaRisultato(g, 5, "Sforzo normale N", txtMNparete_[2]);
    RigaRisultato(g, 6, "Taglio V", txtMNparete_[4]);
    colonnaRisultati->addStretch();
}

void FrmTavoMain::CostruisceMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    const auto voce = [&](int indice, const char* testo) {
        QAction* a = file->addAction(QString::fromUtf8(testo));
        a->setObjectName(QStringLiteral("MnufileItem_%1").arg(indice));
        mnuFileItem_[static_cast<std::size_t>(indice)] = a;
        connect(a, &QAction::triggered, this, [this, indice] { Esegue([this, indice] { MenuFile(indice); }); });
        return a;
    };
    voce(0, "&Nuovo...");
    voce(1, "&Apri...");
    voce(2, "&Salva");
    voce(3, "S&alva Come...");
    QAction* separatore = file->addSeparator();
    separatore->setObjectName(QStringLiteral("MnufileItem_4"));
    mnuFileItem_[4] = separatore;
    voce(5, "Stam&pa Form");
    voce(6, "&File di Stampa (TXT)");
    file->addSeparator();
    voce(19, "&Esci");
    // Saving and printing wait for a first successful calculation.
    for (int i : {2, 4, 5}) mnuFileItem_[static_cast<std::size_t>(i)]->setEnabled(false);

    QAction* armature = menuBar()->addAction(QStringLiteral("&Armature"));
    armature->setObjectName(QStringLiteral("mnuArmature"));
    connect(armature, &QAction::triggered, this, [this] {
        Esegue([this] { ApreFinestra(finestre_.armature, "La finestra delle armature non è ancora disponibile."); });
    });

    mnuImpostazioni_ = menuBar()->addMenu(QStringLiteral("&Impostazioni"));
    mnuImpostazioni_->setObjectName(QStringLiteral("mnuinpostazioni"));
    mnuImpostazioniAzione_ = mnuImpostazioni_->menuAction();
    const char* pagine[] = {"&Verifiche Statiche", "V&erifiche Sismiche"};
    for (int i = 0; i < 2; ++i) {
        QAction* a = mnuImpostazioni_->addAction(QString::fromUtf8(pagine[i]));
        a->setObjectName(QStringLiteral("mnuinpostazioniItem_%1").arg(i));
        connect(a, &QAction::triggered, this, [this, i] { Esegue([this, i] { MostraCoefficienti(i); }); });
    }

    mnuNormativa_ = menuBar()->addMenu(QStringLiteral("Normativa: "));
    mnuNormativa_->setObjectName(QStringLiteral("NormativaMain"));
    const char* norme[] = {"NTC 2008", "DM 1996"};
    for (int i = 0; i < 2; ++i) {
        QAction* a = mnuNormativa_->addAction(QString::fromUtf8(norme[i]));
        a->setObjectName(QStringLiteral("NormativaItem_%1").arg(i));
        a->setCheckable(true);
        normativaItem_[static_cast<std::size_t>(i)] = a;
        connect(a, &QAction::triggered, this, [this, i] { Esegue([this, i] { ImpostaNormativa(i); }); });
    }

    QMenu* aiuto = menuBar()->addMenu(QStringLiteral("&?"));
    const char* voci[] = {"&Aiuto", "Files di Esempio", "&Informazioni"};
    for (int i = 0; i < 3; ++i) {
        QAction* a = aiuto->addAction(QString::fromUtf8(voci[i]));
        a->setObjectName(QStringLiteral("mnuhelp_%1").arg(i));
        connect(a, &QAction::triggered, this, [this, i] {
            Esegue([this, i] {
                if (i == 0) MostraGuida();
                if (i == 1) ApriFileEsempio();
                if (i == 2) MostraInformazioni();
            });
        });
    }

    QToolBar* barra = addToolBar(QStringLiteral("ToolbarUp"));
    barra->setObjectName(QStringLiteral("ToolbarUp"));
    barra->setMovable(false);
    struct Pulsante { const char* chiave; QStyle::StandardPixmap icona; const char* suggerimento; int voce; };
    const Pulsante tasti[] = {
        {"New", QStyle::SP_FileIcon, "Nuovo", 0},
        {"Open", QStyle::SP_DialogOpenButton, "Apri", 1},
        {"Save", QStyle::SP_DialogSaveButton, "Salva", 2},
        {"Print", QStyle::SP_FileDialogDetailedView, "Stampa Form", 5},
    };
    for (const auto& t : tasti) {
        QAction* a = barra->addAction(style()->standardIcon(t.icona), QString::fromUtf8(t.suggerimento));
        a->setObjectName(QStringLiteral("ToolbarUp_%1").arg(QString::fromUtf8(t.chiave)));
        const int v = t.voce;
        connect(a, &QAction::triggered, this, [this, v] { Esegue([this, v] { MenuFile(v); }); });
    }
}

}  // namespace tavo
