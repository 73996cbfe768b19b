#pragma once
// Recording fake of the CAD connection: a connector that finds (or not) one
// application whose model space stores every entity added, with its points
// and colour, in order. A text's extent is 0.6 h wide per character. A font
// file that does not exist on disk is refused, as the CAD program does.

#include "drawing/ConnessioneCad.h"
#include "drawing/ErroreUscita.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tavo::test {

struct EntitaRegistrata final : EntitaCad {
    std::string tipo;  // "LINE", "CIRCLE", "LWPOLYLINE", "SOLID", "TEXT"
    std::vector<double> coordinate;  // points as x, y, z (LWPOLYLINE: x, y pairs)
    double valore = 0;               // radius or text height
    std::string testo;
    long colore = -1;

    void Color(long indice) override { colore = indice; }
    long Color() const override { return colore; }
    void GetBoundingBox(PuntoCad& minimo, PuntoCad& massimo) const override {
        minimo = {coordinate[0], coordinate[1], 0};
        massimo = {coordinate[0] + 0.6 * valore * static_cast<double>(testo.size()), coordinate[1] + valore, 0};
    }
};

struct SpazioRegistrato final : SpazioCad {
    std::vector<std::shared_ptr<EntitaRegistrata>> entita;

    std::shared_ptr<EntitaCad> aggiunge(std::string tipo, std::vector<double> c, double v = 0,
                                        std::string_view t = {}) {
        auto e = std::make_shared<EntitaRegistrata>();
        e->tipo = std::move(tipo);
        e->coordinate = std::move(c);
        e->valore = v;
        e->testo = std::string(t);
        entita.push_back(e);
        return e;
    }
    std::shared_ptr<EntitaCad> AddLine(const PuntoCad& a, const PuntoCad& b) override {
        return aggiunge("LINE", {a[0], a[1], a[2], b[0], b[1], b[2]});
    }
    std::shared_ptr<EntitaCad> AddCircle(const PuntoCad& c, double r) override {
        return aggiunge("CIRCLE", {c[0], c[1], c[2]}, r);
    }
    std::shared_ptr<EntitaCad> AddLightWeightPolyline(std::span<const double> c) override {
        return aggiunge("LWPOLYLINE", {c.begin(), c.end()});
    }
    std::shared_ptr<EntitaCad> AddSolid(const PuntoCad& a, const PuntoCad& b, const PuntoCad& c,
                                        const PuntoCad& d) override {
        return aggiunge("SOLID", {a[0], a[1], a[2], b[0], b[1], b[2], c[0], c[1], c[2], d[0], d[1], d[2]});
    }
    std::shared_ptr<EntitaCad> AddText(std::string_view t, const PuntoCad& p, double h) override {
        return aggiunge("TEXT", {p[0], p[1], p[2]}, h, t);
    }
};

struct StileRegistrato final : StileTestoCad {
    std::string nome, font;
    void fontFile(const std::string& percorso) override {
        if (!std::filesystem::exists(percorso)) throw ErroreUscita(-2147024894, "file not found");
        font = percorso;
    }
};

struct DocumentoRegistrato final : DocumentoCad {
    std::shared_ptr<SpazioRegistrato> modello = std::make_shared<SpazioRegistrato>();
    std::vector<std::shared_ptr<StileRegistrato>> stili;
    std::shared_ptr<StileTestoCad> attivo;

    std::shared_ptr<SpazioCad> ModelSpace() override { return modello; }
    std::shared_ptr<StileTestoCad> AggiungeStileTesto(std::string_view nome) override {
        stili.push_back(std::make_shared<StileRegistrato>());
        stili.back()->nome = std::string(nome);
        return stili.back();
    }
    void ActiveTextStyle(const std::shared_ptr<StileTestoCad>& s) override { attivo = s; }
};

struct ApplicazioneRegistrata final : ApplicazioneCad {
    std::shared_ptr<DocumentoRegistrato> documento = std::make_shared<DocumentoRegistrato>();
    bool visibile = false;
    // Visible raises an automation error (a window that cannot be shown).
    bool visibleFallisce = false;
    int zoom = 0;
    void Visible(bool v) override {
        if (visibleFallisce) throw ErroreUscita(-2147418113, "Errore irreversibile");
        visibile = v;
    }
    std::shared_ptr<DocumentoCad> ActiveDocument() override { return documento; }
    std::string Caption() const override { return "AutoCAD - [Disegno1.dwg]"; }
    void ZoomExtents() override { ++zoom; }
};

// Finds the application under `identificativo` only (attach, or create when
// `crea`), and records the calls made.
struct ConnettoreRegistrato final : ConnettoreCad {
    std::shared_ptr<ApplicazioneRegistrata> app = std::make_shared<ApplicazioneRegistrata>();
    std::string identificativo = "AutoCAD.Application.17";
    bool crea = false;
    std::vector<std::string> chiamate;

    std::shared_ptr<ApplicazioneCad> Attiva(std::string_view id) override {
        chiamate.push_back("Attiva " + std::string(id));
        return !crea && id == identificativo ? app : nullptr;
    }
    std::shared_ptr<ApplicazioneCad> Crea(std::string_view id) override {
        chiamate.push_back("Crea " + std::string(id));
        return crea && id == identificativo ? app : nullptr;
    }
    void AppActivate(std::string_view titolo) override { chiamate.push_back("AppActivate " + std::string(titolo)); }
};

}  // namespace tavo::test
