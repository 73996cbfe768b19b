#include "analysis/ui/FrmArmature.h"

#include "analysis/DatiArmature.h"
#include "analysis/ReportArmature.h"
#include "analysis/RisultatoAttuale.h"
#include "drawing/ui/FiltroTastoDecimale.h"
#include "ports/ErroreCalcolo.h"
#include "ports/MessagePort.h"

#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace tavo {

FrmArmature::FrmArmature(VariabiliPubbliche& stato, NTC& sisma, FinestraPrincipalePort& principale,
                         QWidget* genitore, AvvisoProgetto* avviso)
    : QWidget(genitore, Qt::Window), stato_(stato), sisma_(sisma), principale_(principale), avviso_(avviso) {
    setWindowTitle(QStringLiteral("Armature e Verifiche"));
    if (avviso_) connect(avviso_, &AvvisoProgetto::cambiato, this, &FrmArmature::SegueProgetto);

    auto* dati = new QWidget(this);
    auto* griglia = new QGridLayout(dati);
    lbl1_ = new QLabel(QStringLiteral("σ<sub>s,adm</sub>"), dati);
    lblFyd_ = new QLabel(QStringLiteral("f<sub>yd</sub>"), dati);
    auto* etichettaAcciaio = new QWidget(dati);
    auto* coppia = new QVBoxLayout(etichettaAcciaio);
    coppia->setContentsMargins(0, 0, 0, 0);
    coppia->addWidget(lbl1_);
    coppia->addWidget(lblFyd_);
    const std::array<QWidget*, 4> etichette{new QLabel(QStringLiteral("Distanza fra le sezioni"), dati),
                                            new QLabel(QStringLiteral("Copriferro"), dati), etichettaAcciaio,
                                            new QLabel(QStringLiteral("Es/Ec"), dati)};
    const std::array<const char*, 4> unita{"m", "cm", "N/mm²", ""};  // the modular ratio has none
    for (int i = 0; i < 4; ++i) {
        QLineEdit*& box = txtDati_[static_cast<std::size_t>(i)];
        box = new QLineEdit(dati);
        box->setObjectName(QStringLiteral("txtDati%1").arg(i));
        box->installEventFilter(this);
        griglia->addWidget(etichette[static_cast<std::size_t>(i)], 0, 2 * i);
        griglia->addWidget(box, 1, 2 * i);
        if (*unita[static_cast<std::size_t>(i)])
            griglia->addWidget(new QLabel(QString::fromUtf8(unita[static_cast<std::size_t>(i)]), dati), 1, 2 * i + 1);
    }
    command1_ = new QPushButton(QStringLiteral("Ricalcola"), dati);
    griglia->addWidget(command1_, 1, 8);
    for (int i = 0; i < 4; ++i) {
        QWidget* prossimo = i < 3 ? static_cast<QWidget*>(txtDati_[static_cast<std::size_t>(i) + 1]) : command1_;
        connect(txtDati_[static_cast<std::size_t>(i)], &QLineEdit::returnPressed, prossimo,
                [prossimo] { prossimo->setFocus(Qt::TabFocusReason); });
    }
    connect(command1_, &QPushButton::clicked, this, &FrmArmature::Ricalcola);

    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setReadOnly(true);
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text1_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text1_->setPlaceholderText(QString::fromUtf8(
        "Nessun report: i dati sono cambiati dopo l'ultimo calcolo, o il report non si è potuto costruire. "
        "Premere Ricalcola."));
    text1_->setTabStopDistance(text1_->fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 12);

    // The report takes the whole client width and the height below the boxes.
    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);
    colonna->addWidget(dati);
    colonna->addWidget(text1_, 1);
    resize(900, 600);

    // The keypad's decimal key types the regional separator in every box.
    new FiltroTastoDecimale(this);

    ScriveDati();
    ListaArmature();
}

void FrmArmature::ImpostaEtichette() {
    const bool ntc = stato_.Normativa == NormativaNTC2008;
    lbl1_->setVisible(!ntc);
    lblFyd_->setVisible(ntc);
}

void FrmArmature::ScriveDati() {
    ImpostaEtichette();
    const TestiDatiArmature testi = ScriveDatiArmature(stato_);
    for (std::size_t i = 0; i < testi.size(); ++i) txtDati_[i]->setText(QString::fromStdString(testi[i]));
}

bool FrmArmature::LeggeDati() {
    TestiDatiArmature testi;
    for (std::size_t i = 0; i < testi.size(); ++i) testi[i] = txtDati_[i]->text().toStdString();
    try {
        LeggeDatiArmature(stato_, testi);
    } catch (const ErroreCalcolo& e) {
        messaggi().mostra(e.what(), Icona::Critico);
        return false;
    }
    return true;
}

void FrmArmature::ListaArmature() {
    std::optional<std::string> testo = tavo::ListaArmature(stato_, sisma_, principale_);
    // Built or not, the report has been tried on the state as it now
    // stands (a failed one puts the state back as it found it).
    generazioneVista_ = stato_.Generazione;
    if (!testo) {
        Svuota();
        return;
    }
    report_ = std::move(*testo);
    text1_->setPlainText(QString::fromStdString(report_).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void FrmArmature::Svuota() {
    report_.clear();
    text1_->clear();
}

void FrmArmature::SegueProgetto() {
    const bool attuale = RisultatoAttuale(stato_, sisma_);
    if (attuale && generazioneVista_ == stato_.Generazione) return;
    ScriveDati();
    if (attuale)
        ListaArmature();
    else
        Svuota();
}

void FrmArmature::Ricalcola() {
    if (LeggeDati())
        ListaArmature();
    else
        Svuota();
    // The report computes the wall again: the other windows follow.
    if (avviso_) avviso_->Avvisa();
}

bool FrmArmature::eventFilter(QObject* o, QEvent* e) {
    // A box gaining the focus selects its whole text, after the click that
    // gave the focus has placed the cursor.
    if (e->type() == QEvent::FocusIn)
        if (auto* box = qobject_cast<QLineEdit*>(o)) QTimer::singleShot(0, box, &QLineEdit::selectAll);
    return QWidget::eventFilter(o, e);
}

FrmArmature* MostraFrmArmature(QWidget* genitore, VariabiliPubbliche& stato, NTC& sisma,
                               FinestraPrincipalePort& principale, AvvisoProgetto& avviso) {
    FrmArmature* aperta = FinestraAperta<FrmArmature>(genitore);
    if (!aperta) {
        aperta = new FrmArmature(stato, sisma, principale, genitore, &avviso);
        aperta->setAttribute(Qt::WA_DeleteOnClose);
    }
    aperta->show();
    aperta->raise();
    aperta->activateWindow();
    return aperta;
}

}  // namespace tavo
