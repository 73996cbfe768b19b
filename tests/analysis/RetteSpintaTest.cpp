#include "analysis/RetteSpinta.h"
#include "analysis/SpintaTerre.h"
#include "geometry/PiGreco.h"
#include "tests/analysis/MuroDiProva.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tavo {
namespace {

using test::CostruisceMuro;
using test::DatiMuro;

struct Retta {
    CoppiaRetta X, Y;
    double a = 0, b = 0, c = 0;
};

Retta SulParamento(const VariabiliPubbliche& v, float P, float ang1, float ang2,
                   ComponenteSpinta tipo) {
    Retta r;
    RettaSpintaParete(v, P, r.X, r.Y, r.a, r.b, r.c, ang1, ang2, tipo);
    return r;
}

Retta SullaVerticaleFondazione(const VariabiliPubbliche& v, float P, float ang1,
                               ComponenteSpinta tipo) {
    Retta r;
    RettaSpintaFondazione(v, P, r.X, r.Y, r.a, r.b, r.c, ang1, 0, tipo);
    return r;
}

// The line a·x + b·y + c = 0 passes through both points.
void PassaPerIDuePunti(const Retta& r) {
    for (int k = 1; k <= 2; ++k)
        EXPECT_NEAR(r.a * r.X(k) + r.b * r.Y(k) + r.c, 0, 1e-4) << "punto " << k;
}

// Application heights: a triangular distribution acts at h/3, a uniform one
// at h/2; the seismic increment at h/3 under NTC 2008 and 2h/3 under DM 1996.
TEST(RettaSpintaParete, VerticalBackOfSixMetres) {
    DatiMuro d;
    d.H = 5;
    d.h1 = 1;
    VariabiliPubbliche v = CostruisceMuro(d);
    struct Caso {
        ComponenteSpinta tipo;
        std::int16_t normativa;
        float y;
    };
    const Caso casi[] = {
        {ComponenteSpinta::StaticaT, NormativaNTC2008, 2},
        {ComponenteSpinta::StaticaQ, NormativaNTC2008, 3},
        {ComponenteSpinta::Sismica, NormativaNTC2008, 2},
        {ComponenteSpinta::StaticaT, NormativaDM1996, 2},
        {ComponenteSpinta::StaticaQ, NormativaDM1996, 3},
        {ComponenteSpinta::Sismica, NormativaDM1996, 4},
    };
    for (const Caso& c : casi) {
        v.Normativa = c.normativa;
        const Retta r = SulParamento(v, 50, 20, 0, c.tipo);
        EXPECT_FLOAT_EQ(r.Y(1), c.y);
        EXPECT_FLOAT_EQ(r.X(1), 0);
        // Second point at a horizontal run P on the line rising at 20°.
        EXPECT_FLOAT_EQ(r.X(2), 50);
        EXPECT_NEAR(r.Y(2), c.y + 50 * std::tan(20 * PiGreco / 180), 1e-4);
        PassaPerIDuePunti(r);
    }
}

TEST(RettaSpintaParete, BatteredBackActsOnTheLineOfTheBackFace) {
    // i = 10 %, H = 5, h1 = 1: the back face x = −0.1·y; the surcharge share at
    // y = 6/2 = 3 lies at x = −0.3, inclined at δ + ε.
    DatiMuro d;
    d.H = 5;
    d.h1 = 1;
    d.i = 10;
    VariabiliPubbliche v = CostruisceMuro(d);
    const float eps = static_cast<float>(std::atan(0.1) * 180 / PiGreco);
    const Retta r = SulParamento(v, 40, 15, eps, ComponenteSpinta::StaticaQ);
    EXPECT_FLOAT_EQ(r.Y(1), 3);
    EXPECT_NEAR(r.X(1), -0.3, 1e-6);
    EXPECT_NEAR((r.Y(2) - r.Y(1)) / (r.X(2) - r.X(1)), std::tan((15 + eps) * PiGreco / 180), 1e-5);
    PassaPerIDuePunti(r);
}

// Above the seat the point lies on the back face's line extended, not on the
// backwall: H = 3, h1 = 3, i = 10 %; the seismic share under DM 1996 acts at
// 2/3 of 6 = 4, above the seat at 3, so at x = −0.1·4 = −0.4 (the backwall's
// back is at x = −0.3).
TEST(RettaSpintaParete, AboveTheSeatTheBackFaceLineIsExtended) {
    DatiMuro d;
    d.H = 3;
    d.h1 = 3;
    d.i = 10;
    VariabiliPubbliche v = CostruisceMuro(d);
    v.Normativa = NormativaDM1996;
    const Retta r = SulParamento(v, 40, 15, 0, ComponenteSpinta::Sismica);
    EXPECT_FLOAT_EQ(r.Y(1), 4);
    EXPECT_NEAR(r.X(1), -0.4, 1e-6);
}

TEST(RettaSpintaParete, BackFaceOfZeroHeightStopsTheCalculation) {
    DatiMuro d;
    d.H = 0;
    d.h1 = 1;
    VariabiliPubbliche v = CostruisceMuro(d);
    Retta r;
    try {
        RettaSpintaParete(v, 10, r.X, r.Y, r.a, r.b, r.c, 0, 0, ComponenteSpinta::StaticaT);
        FAIL();
    } catch (const ErroreCalcolo& e) {
        EXPECT_STREQ(e.what(), "RettaSpintaParete: paramento della parete di altezza nulla");
    }
}

// Heel back: from the footing's bottom (y = −1) to the flat ground (y = 6),
// 7 m: T at −1 + 7/3, Q at −1 + 3.5, seismic at −1 + 7/3 (NTC) or −1 + 14/3 (DM),
// all on x = L2 = 3; the second point at a distance P along the line.
TEST(RettaSpintaFondazione, VerticalThroughTheHeelEnd) {
    DatiMuro d;
    VariabiliPubbliche v = CostruisceMuro(d);
    float Pq = 0;
    SpintaMassima(v, 30, 20, 0, 0, 1, Paramento::Fondazione, Pq);  // builds the heel wedge
    struct Caso {
        ComponenteSpinta tipo;
        std::int16_t normativa;
        float y;
    };
    const Caso casi[] = {
        {ComponenteSpinta::StaticaT, NormativaNTC2008, -1 + 7.0f / 3},
        {ComponenteSpinta::StaticaQ, NormativaNTC2008, 2.5f},
        {ComponenteSpinta::Sismica, NormativaNTC2008, -1 + 7.0f / 3},
        {ComponenteSpinta::Sismica, NormativaDM1996, -1 + 14.0f / 3},
    };
    for (const Caso& c : casi) {
        v.Normativa = c.normativa;
        const Retta r = SullaVerticaleFondazione(v, 30, 0, c.tipo);
        EXPECT_NEAR(r.Y(1), c.y, 1e-5);
        EXPECT_FLOAT_EQ(r.X(1), 3);
        EXPECT_FLOAT_EQ(r.X(2), 33);  // t = 0: (X1 + P, Y1)
        EXPECT_FLOAT_EQ(r.Y(2), r.Y(1));
        PassaPerIDuePunti(r);
    }
    const Retta r = SullaVerticaleFondazione(v, 30, 20, ComponenteSpinta::StaticaT);
    const double t = 20 * PiGreco / 180;
    EXPECT_NEAR(r.X(2) - r.X(1), 30 * std::cos(t), 1e-4);
    EXPECT_NEAR(r.Y(2) - r.Y(1), 30 * std::sin(t), 1e-4);
    PassaPerIDuePunti(r);
}

}  // namespace
}  // namespace tavo
