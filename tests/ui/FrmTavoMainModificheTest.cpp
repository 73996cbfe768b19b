// The question before unsaved work is dropped: Esci, the close box, Nuovo,
// Apri and "Files di Esempio" ask only when the project changed since it was
// last opened or saved, and "Sì" saves, "No" drops, "Annulla" stays.

#include "tests/ui/FinestraDiProva.h"

#include "app/ui/GrigliaFlex.h"

#include <QAction>
#include <QPushButton>
#include <QtTest>

#include <fstream>
#include <functional>

namespace tavo::test {
namespace {

const std::string Domanda = "Il progetto è stato modificato.\r\nSalvare le modifiche?";

std::string Contenuto(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Attiva(const FinestraDiProva& f, const char* nome) {
    QAction* a = f.controllo<QAction>(QString::fromUtf8(nome));
    QVERIFY2(a, nome);
    a->trigger();
}

// An action that drops the project, and whether it went on.
struct Abbandono {
    const char* nome;
    std::function<void(FinestraDiProva&)> esegue;
    std::function<bool(const FinestraDiProva&)> avvenuto;
};

std::vector<Abbandono> Abbandoni() {
    auto dialogoAperto = [](const FinestraDiProva& f) { return !f.servizi.richieste.empty(); };
    return {
        {"Esci", [](FinestraDiProva& f) { Attiva(f, "MnufileItem_19"); },
         [](const FinestraDiProva& f) { return !f.finestra->isVisible(); }},
        {"chiusura della finestra", [](FinestraDiProva& f) { f.finestra->close(); },
         [](const FinestraDiProva& f) { return !f.finestra->isVisible(); }},
        {"Nuovo", [](FinestraDiProva& f) { Attiva(f, "MnufileItem_0"); },
         [](const FinestraDiProva& f) { return f.finestra->NomeFileBreve().isEmpty(); }},
        {"Apri", [](FinestraDiProva& f) { Attiva(f, "MnufileItem_1"); }, dialogoAperto},
        {"Apri dalla barra", [](FinestraDiProva& f) { Attiva(f, "ToolbarUp_Open"); }, dialogoAperto},
        {"Files di Esempio", [](FinestraDiProva& f) { Attiva(f, "mnuhelp_1"); }, dialogoAperto},
    };
}

}  // namespace

class FrmTavoMainModificheTest : public QObject {
    Q_OBJECT
private slots:
    void chiedeSoloSeIlProgettoECambiato();
    void siSalvaNoAbbandonaAnnullaResta();
    void unSalvataggioFallitoNonAbbandona();
};

// The example abutment, opened from a copy of its own.
struct Progetto {
    explicit Progetto(const char* nome)
        : cartella(CartellaDiProva(nome)), file(cartella / "Spalla.Tav") {
        std::filesystem::copy_file(Esempio("Spalla.Tav"), file);
    }
    std::filesystem::path cartella, file;
};

void FrmTavoMainModificheTest::chiedeSoloSeIlProgettoECambiato() {
    struct Caso {
        const char* nome;
        std::function<void(FinestraDiProva&)> modifica;
        bool chiede;
    };
    const Caso casi[] = {
        {"nulla toccato", [](FinestraDiProva&) {}, false},
        {"solo calcolato", [](FinestraDiProva& f) { QTest::mouseClick(f.finestra->findChild<QPushButton*>(QStringLiteral("cbCalcolo")), Qt::LeftButton); }, false},
        {"un campo digitato e non calcolato", [](FinestraDiProva& f) { f.scrive(f.dati(3), "6,25"); }, true},
        {"un campo cambiato e rimesso com'era",
         [](FinestraDiProva& f) {
             const QString prima = f.dati(3)->text();
             f.scrive(f.dati(3), "6,25");
             f.scrive(f.dati(3), prima);
         },
         false},
        {"una cella della griglia in digitazione",
         [](FinestraDiProva& f) {
             auto* g = f.controllo<GrigliaFlex>("FlexGrid");
             g->setFocus();
             g->impostaCellaCorrente(1, 3);
             g->EditaCella(0);
             QTest::keyClicks(g->editor(), "7");
         },
         true},
        {"il titolo", [](FinestraDiProva& f) { f.scrive(f.box("txtTavoTitolo"), "Altro titolo"); }, true},
        {"la normativa", [](FinestraDiProva& f) { Attiva(f, "NormativaItem_1"); }, true},
    };
    for (const Abbandono& a : Abbandoni()) {
        for (const Caso& c : casi) {
            const QByteArray traccia = QByteArray(a.nome) + " / " + c.nome;
            Progetto p("modifiche_chiede");
            FinestraDiProva f(p.cartella, p.file.string());
            c.modifica(f);
            f.porta.svuota();
            f.porta.rispondi({Risposta::No});
            a.esegue(f);
            const bool chiesto = !f.porta.registrati().empty() && f.porta.registrati()[0].domanda;
            QVERIFY2(chiesto == c.chiede, traccia.constData());
            if (chiesto) {
                QCOMPARE(f.porta.testi()[0], Domanda);
                QCOMPARE(f.porta.registrati()[0].icona, Icona::Domanda);
            }
            QVERIFY2(a.avvenuto(f), traccia.constData());
            // "No" drops the change: the file is what it was.
            QVERIFY2(Contenuto(p.file) == Contenuto(Esempio("Spalla.Tav")), traccia.constData());
        }
    }
}

void FrmTavoMainModificheTest::siSalvaNoAbbandonaAnnullaResta() {
    for (const Abbandono& a : Abbandoni()) {
        for (Risposta r : {Risposta::Si, Risposta::Annulla}) {
            const QByteArray traccia = QByteArray(a.nome) + (r == Risposta::Si ? " / Sì" : " / Annulla");
            Progetto p("modifiche_risposte");
            FinestraDiProva f(p.cartella, p.file.string());
            f.scrive(f.dati(3), "6,25");
            f.porta.rispondi({r});
            a.esegue(f);
            QVERIFY2(f.porta.conta() >= 1 && f.porta.testi()[0] == Domanda, traccia.constData());
            if (r == Risposta::Si) {
                // Saved through "&Salva" in its own file, then the action goes on.
                QVERIFY2(Contenuto(p.file) != Contenuto(Esempio("Spalla.Tav")), traccia.constData());
                QCOMPARE(f.stato.AltezzaParete, 6.25f);
                QVERIFY2(a.avvenuto(f), traccia.constData());
            } else {
                QVERIFY2(!a.avvenuto(f), traccia.constData());
                QVERIFY2(f.finestra->isVisible(), traccia.constData());
                QCOMPARE(f.finestra->NomeFileBreve(), QStringLiteral("Spalla"));
                QCOMPARE(f.dati(3)->text(), QStringLiteral("6,25"));
                QVERIFY2(Contenuto(p.file) == Contenuto(Esempio("Spalla.Tav")), traccia.constData());
            }
        }
    }
    // After a save the same project asks nothing more.
    Progetto p("modifiche_dopo_salva");
    FinestraDiProva f(p.cartella, p.file.string());
    f.scrive(f.dati(3), "6,25");
    QTest::mouseClick(f.finestra->findChild<QPushButton*>(QStringLiteral("cbCalcolo")), Qt::LeftButton);
    Attiva(f, "MnufileItem_2");
    QVERIFY(Contenuto(p.file) != Contenuto(Esempio("Spalla.Tav")));
    f.porta.svuota();
    f.finestra->close();
    QCOMPARE(f.porta.testi(), std::vector<std::string>{});
    QVERIFY(!f.finestra->isVisible());
}

void FrmTavoMainModificheTest::unSalvataggioFallitoNonAbbandona() {
    // A project without a file: "Sì" opens the save dialog, which is
    // cancelled; and a project whose calculation is refused cannot be saved.
    for (const bool rifiutato : {false, true}) {
        FinestraDiProva f(CartellaDiProva("modifiche_fallito"), Esempio("Spalla.Tav").string());
        Attiva(f, "MnufileItem_0");
        f.scrive(f.dati(3), rifiutato ? "-1" : "6,25");
        f.porta.svuota();
        f.porta.rispondi({Risposta::Si});
        f.finestra->close();
        QVERIFY(f.finestra->isVisible());
        QCOMPARE(f.porta.testi()[0], Domanda);
        QCOMPARE(f.servizi.richieste.size(), std::size_t{rifiutato ? 0u : 1u});
        if (rifiutato)
            QCOMPARE(f.porta.testi().at(1), std::string("Dato non valido in \"Altezza parete (m)\": deve essere maggiore di zero."));
    }
}

}  // namespace tavo::test

QTEST_MAIN(tavo::test::FrmTavoMainModificheTest)
#include "FrmTavoMainModificheTest.moc"
