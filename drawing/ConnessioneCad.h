#pragma once
// The CAD program as the drawing reaches it by automation: exactly the
// members the drawing calls (the CAD program's own names), behind abstract
// classes. No CAD program offers this interface on this platform: the
// default connector reports that none can be reached, and the tests use a
// recording connection. Every member may throw ErroreUscita for an
// automation error; the output driver reports it.

#include <array>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace tavo {

// A point of the CAD program: (x, y, z).
using PuntoCad = std::array<double, 3>;

// An entity just added.
class EntitaCad {
public:
    virtual ~EntitaCad() = default;
    virtual void Color(long indice) = 0;
    virtual long Color() const = 0;
    // Lower-left and upper-right corners of the entity's extent.
    virtual void GetBoundingBox(PuntoCad& minimo, PuntoCad& massimo) const = 0;
};

// Model space, or a block: where entities go.
class SpazioCad {
public:
    virtual ~SpazioCad() = default;
    virtual std::shared_ptr<EntitaCad> AddLine(const PuntoCad& p1, const PuntoCad& p2) = 0;
    virtual std::shared_ptr<EntitaCad> AddCircle(const PuntoCad& centro, double raggio) = 0;
    // Flat coordinates x1, y1, x2, y2, ...
    virtual std::shared_ptr<EntitaCad> AddLightWeightPolyline(std::span<const double> coordinate) = 0;
    virtual std::shared_ptr<EntitaCad> AddSolid(const PuntoCad& p1, const PuntoCad& p2,
                                                const PuntoCad& p3, const PuntoCad& p4) = 0;
    virtual std::shared_ptr<EntitaCad> AddText(std::string_view testo, const PuntoCad& punto,
                                               double altezza) = 0;
};

// A text style of the document.
class StileTestoCad {
public:
    virtual ~StileTestoCad() = default;
    // Throws ErroreUscita when the font file cannot be used.
    virtual void fontFile(const std::string& percorso) = 0;
};

class DocumentoCad {
public:
    virtual ~DocumentoCad() = default;
    virtual std::shared_ptr<SpazioCad> ModelSpace() = 0;
    // TextStyles.Add(name)
    virtual std::shared_ptr<StileTestoCad> AggiungeStileTesto(std::string_view nome) = 0;
    virtual void ActiveTextStyle(const std::shared_ptr<StileTestoCad>& stile) = 0;
};

class ApplicazioneCad {
public:
    virtual ~ApplicazioneCad() = default;
    virtual void Visible(bool visibile) = 0;
    virtual std::shared_ptr<DocumentoCad> ActiveDocument() = 0;
    virtual std::string Caption() const = 0;
    virtual void ZoomExtents() = 0;
};

// How the program reaches a CAD application by its program identifier.
class ConnettoreCad {
public:
    virtual ~ConnettoreCad() = default;
    // The running instance (attach to an active object); nullptr when none.
    virtual std::shared_ptr<ApplicazioneCad> Attiva(std::string_view identificativo) = 0;
    // A new instance; nullptr when it cannot be created.
    virtual std::shared_ptr<ApplicazioneCad> Crea(std::string_view identificativo) = 0;
    // Brings the window with this title to the front.
    virtual void AppActivate(std::string_view titolo) = 0;
};

// The connector of this platform: no CAD program can be reached.
class ConnettoreCadAssente final : public ConnettoreCad {
public:
    std::shared_ptr<ApplicazioneCad> Attiva(std::string_view) override { return nullptr; }
    std::shared_ptr<ApplicazioneCad> Crea(std::string_view) override { return nullptr; }
    void AppActivate(std::string_view) override {}
};

}  // namespace tavo
