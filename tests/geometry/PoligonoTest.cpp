// The polygon class: vertex data, section properties and MaxMin.
#include "tests/geometry/PoligonoDa.h"
#include "geometry/PiGreco.h"
#include "geometry/Poligono.h"
#include "ports/ErroreCalcolo.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace tavo {
namespace {

using V = std::vector<double>;

// Expected section properties from a closed form.
struct Attese {
    double A, xG, yG, JxG, JyG, JxyG, xMin, xMax, yMin, yMax;
};

// Composite of axis-parallel rectangles [x1, x2] x [y1, y2] by the
// parallel-axis theorem (closed form of each rectangle: b h^3 / 12).
struct Rett { double x1, x2, y1, y2; };
Attese Composta(std::initializer_list<Rett> parti) {
    double A = 0, Sx = 0, Sy = 0;
    double xMin = 1e300, xMax = -1e300, yMin = 1e300, yMax = -1e300;
    for (const auto& r : parti) {
        const double a = (r.x2 - r.x1) * (r.y2 - r.y1);
        A += a;
        Sy += a * (r.x1 + r.x2) / 2;
        Sx += a * (r.y1 + r.y2) / 2;
        xMin = std::min(xMin, r.x1);
        xMax = std::max(xMax, r.x2);
        yMin = std::min(yMin, r.y1);
        yMax = std::max(yMax, r.y2);
    }
    const double xG = Sy / A, yG = Sx / A;
    double Jx = 0, Jy = 0, Jxy = 0;
    for (const auto& r : parti) {
        const double b = r.x2 - r.x1, h = r.y2 - r.y1, a = b * h;
        const double cx = (r.x1 + r.x2) / 2 - xG, cy = (r.y1 + r.y2) / 2 - yG;
        Jx += b * h * h * h / 12 + a * cy * cy;
        Jy += h * b * b * b / 12 + a * cx * cx;
        Jxy += a * cx * cy;
    }
    return {A, xG, yG, Jx, Jy, Jxy, xMin, xMax, yMin, yMax};
}

// Moment about an axis through the centroid at angle t.
double MomentoAsse(const Poligono& p, double t) {
    return (p.jota_xG + p.jota_yG) / 2 + (p.jota_xG - p.jota_yG) / 2 * std::cos(2 * t) -
           p.jota_xyG * std::sin(2 * t);
}

void VerificaCaratteristiche(const Poligono& p, const Attese& e, const std::string& nome) {
    SCOPED_TRACE(nome);
    const double L = std::max(e.xMax - e.xMin, e.yMax - e.yMin);
    const double tolA = 1e-12 * L * L, tolL = 1e-12 * L, tolJ = 1e-11 * L * L * L * L;
    EXPECT_NEAR(p.Area, e.A, tolA);
    EXPECT_NEAR(p.xG, e.xG, tolL);
    EXPECT_NEAR(p.yG, e.yG, tolL);
    EXPECT_NEAR(p.stat_x, e.A * e.yG, tolA * L);
    EXPECT_NEAR(p.stat_y, e.A * e.xG, tolA * L);
    EXPECT_NEAR(p.jota_x, e.JxG + e.A * e.yG * e.yG, tolJ);
    EXPECT_NEAR(p.jota_y, e.JyG + e.A * e.xG * e.xG, tolJ);
    EXPECT_NEAR(p.jota_xy, e.JxyG + e.A * e.xG * e.yG, tolJ);
    EXPECT_NEAR(p.jota_xG, e.JxG, tolJ);
    EXPECT_NEAR(p.jota_yG, e.JyG, tolJ);
    EXPECT_NEAR(p.jota_xyG, e.JxyG, tolJ);
    // Principal moments: the eigenvalues of the central tensor.
    const double m = (e.JxG + e.JyG) / 2;
    const double R = std::sqrt((e.JxG - e.JyG) * (e.JxG - e.JyG) / 4 + e.JxyG * e.JxyG);
    EXPECT_NEAR(p.jota_IG, m + R, tolJ);
    EXPECT_NEAR(p.jota_IIG, m - R, tolJ);
    // The principal axes carry those moments, I the larger one, at right angles.
    EXPECT_NEAR(MomentoAsse(p, p.AngoloJotaI), p.jota_IG, tolJ);
    EXPECT_NEAR(MomentoAsse(p, p.AngoloJotaII), p.jota_IIG, tolJ);
    EXPECT_NEAR(std::abs(p.AngoloJotaII - p.AngoloJotaI), PiGreco / 2, 1e-15);
    EXPECT_GT(p.AngoloJotaI, -PiGreco - 1e-15);
    EXPECT_LE(std::min(p.AngoloJotaI, p.AngoloJotaII), 1e-15);
    // Radii of gyration and elastic moduli.
    EXPECT_NEAR(p.iX, std::sqrt((m + R) / e.A), tolL);
    EXPECT_NEAR(p.iY, std::sqrt((m - R) / e.A), tolL);
    EXPECT_NEAR(p.WxSuperiore, e.JxG / (e.yMax - e.yG), tolJ / L);
    EXPECT_NEAR(p.WxInferiore, e.JxG / (e.yG - e.yMin), tolJ / L);
    EXPECT_NEAR(p.WyDestra, e.JyG / (e.xMax - e.xG), tolJ / L);
    EXPECT_NEAR(p.WySinistra, e.JyG / (e.xG - e.xMin), tolJ / L);
}

TEST(CaratteristicheStatiche, RectangleClosedForms) {
    const double b = 2, h = 4;
    Poligono p = Da({0, b, b, 0}, {0, 0, h, h});
    p.CaratteristicheStatiche();
    VerificaCaratteristiche(p, Composta({{0, b, 0, h}}), "rettangolo");
    EXPECT_DOUBLE_EQ(p.Area, b * h);
    EXPECT_DOUBLE_EQ(p.jota_xG, b * h * h * h / 12);
    EXPECT_DOUBLE_EQ(p.jota_yG, h * b * b * b / 12);
    EXPECT_EQ(p.jota_xyG, 0);
    EXPECT_DOUBLE_EQ(p.WxSuperiore, b * h * h / 6);
    EXPECT_DOUBLE_EQ(p.WxInferiore, b * h * h / 6);
    EXPECT_DOUBLE_EQ(p.WyDestra, h * b * b / 6);
    // h > b: the larger moment about the horizontal axis.
    EXPECT_EQ(p.AngoloJotaI, 0);
    EXPECT_EQ(p.AngoloJotaII, PiGreco / 2);
    EXPECT_DOUBLE_EQ(p.jota_IG, p.jota_xG);
    EXPECT_DOUBLE_EQ(p.jota_IIG, p.jota_yG);
    EXPECT_DOUBLE_EQ(p.iX, h / std::sqrt(12.0));
    EXPECT_DOUBLE_EQ(p.iY, b / std::sqrt(12.0));
}

TEST(CaratteristicheStatiche, WideRectangleTurnsThePrincipalAxes) {
    const double b = 5, h = 1;
    Poligono p = Da({0, b, b, 0}, {0, 0, h, h});
    p.CaratteristicheStatiche();
    VerificaCaratteristiche(p, Composta({{0, b, 0, h}}), "rettangolo largo");
    EXPECT_EQ(p.AngoloJotaI, -PiGreco / 2);
    EXPECT_EQ(p.AngoloJotaII, 0);
    EXPECT_DOUBLE_EQ(p.jota_IG, p.jota_yG);
}

TEST(CaratteristicheStatiche, SquareHasAngleZeroAndHalfPi) {
    Poligono p = Da({0, 1, 1, 0}, {0, 0, 1, 1});
    p.CaratteristicheStatiche();
    EXPECT_EQ(p.AngoloJotaI, 0);
    EXPECT_EQ(p.AngoloJotaII, PiGreco / 2);
    EXPECT_DOUBLE_EQ(p.jota_IG, p.jota_IIG);
}

TEST(CaratteristicheStatiche, RightTriangleClosedForms) {
    // Legs b along x and h along y: A = b h / 2, G = (b/3, h/3),
    // JxG = b h^3 / 36, JyG = h b^3 / 36, JxyG = -b^2 h^2 / 72.
    const double b = 3, h = 6;
    Poligono p = Da({0, b, 0}, {0, 0, h});
    p.CaratteristicheStatiche();
    const Attese e{b * h / 2, b / 3, h / 3, b * h * h * h / 36, h * b * b * b / 36,
                   -b * b * h * h / 72, 0, b, 0, h};
    VerificaCaratteristiche(p, e, "triangolo");
    EXPECT_NEAR(p.WxSuperiore, (b * h * h * h / 36) / (2 * h / 3), 1e-12);
    EXPECT_NEAR(p.WxInferiore, (b * h * h * h / 36) / (h / 3), 1e-12);
}

const V LX{0, 4, 4, 1, 1, 0}, LY{0, 0, 1, 1, 6, 6};  // L: legs 4 and 6, thickness 1
const Attese LAttese = Composta({{0, 4, 0, 1}, {0, 1, 1, 6}});
const V TX{-0.15, 0.15, 0.15, 0.6, 0.6, -0.6, -0.6, -0.15};  // T: web 0.3 x 0.8, flange 1.2 x 0.2
const V TY{0, 0, 0.8, 0.8, 1.0, 1.0, 0.8, 0.8};
const Attese TAttese = Composta({{-0.15, 0.15, 0, 0.8}, {-0.6, 0.6, 0.8, 1.0}});

TEST(CaratteristicheStatiche, LSectionClosedForms) {
    Poligono p = Da(LX, LY);
    p.CaratteristicheStatiche();
    VerificaCaratteristiche(p, LAttese, "sezione a L");
    EXPECT_NE(p.jota_xyG, 0);
}

TEST(CaratteristicheStatiche, TSectionClosedForms) {
    Poligono p = Da(TX, TY);
    p.CaratteristicheStatiche();
    VerificaCaratteristiche(p, TAttese, "sezione a T");
    EXPECT_NEAR(p.xG, 0, 1e-15);
    EXPECT_NEAR(p.jota_xyG, 0, 1e-15);
}

// ---- Invariance ----------------------------------------------------------

Poligono Trasformato(const V& x, const V& y, double t, double dx, double dy) {
    V xo(x.size()), yo(y.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        xo[i] = std::cos(t) * x[i] - std::sin(t) * y[i] + dx;
        yo[i] = std::sin(t) * x[i] + std::cos(t) * y[i] + dy;
    }
    return Da(xo, yo);
}

TEST(CaratteristicheStatiche, TranslationMovesOnlyTheCentroid) {
    Poligono p = Da(LX, LY), q = Trasformato(LX, LY, 0, 10.5, -3.25);
    p.CaratteristicheStatiche();
    q.CaratteristicheStatiche();
    Attese e = LAttese;
    e.xG += 10.5;
    e.yG -= 3.25;
    e.xMin += 10.5;
    e.xMax += 10.5;
    e.yMin -= 3.25;
    e.yMax -= 3.25;
    VerificaCaratteristiche(q, e, "traslata");
    EXPECT_NEAR(q.AngoloJotaI, p.AngoloJotaI, 1e-12);
}

TEST(CaratteristicheStatiche, RotationKeepsThePrincipalValues) {
    Poligono p = Da(LX, LY);
    p.CaratteristicheStatiche();
    for (double t : {0.3, 1.0, 2.5, -0.7}) {
        Poligono q = Trasformato(LX, LY, t, 1, 2);
        q.CaratteristicheStatiche();
        SCOPED_TRACE(t);
        EXPECT_NEAR(q.Area, p.Area, 1e-12);
        EXPECT_NEAR(q.jota_IG, p.jota_IG, 1e-11);
        EXPECT_NEAR(q.jota_IIG, p.jota_IIG, 1e-11);
        EXPECT_NEAR(q.iX, p.iX, 1e-12);
        EXPECT_NEAR(q.iY, p.iY, 1e-12);
        EXPECT_NEAR(q.xG, std::cos(t) * p.xG - std::sin(t) * p.yG + 1, 1e-12);
        EXPECT_NEAR(q.yG, std::sin(t) * p.xG + std::cos(t) * p.yG + 2, 1e-12);
        // The principal axis turns with the section (directions modulo pi).
        EXPECT_NEAR(std::remainder(q.AngoloJotaI - p.AngoloJotaI - t, PiGreco), 0, 1e-12);
        EXPECT_NEAR(MomentoAsse(q, q.AngoloJotaI), q.jota_IG, 1e-10);
    }
}

void VerificaUguali(const Poligono& p, const Poligono& q) {
    const double t = 1e-12;
    EXPECT_NEAR(q.Area, p.Area, t);
    EXPECT_NEAR(q.xG, p.xG, t);
    EXPECT_NEAR(q.yG, p.yG, t);
    EXPECT_NEAR(q.stat_x, p.stat_x, t);
    EXPECT_NEAR(q.stat_y, p.stat_y, t);
    EXPECT_NEAR(q.jota_x, p.jota_x, 1e-11);
    EXPECT_NEAR(q.jota_y, p.jota_y, 1e-11);
    EXPECT_NEAR(q.jota_xy, p.jota_xy, 1e-11);
    EXPECT_NEAR(q.jota_xG, p.jota_xG, 1e-11);
    EXPECT_NEAR(q.jota_yG, p.jota_yG, 1e-11);
    EXPECT_NEAR(q.jota_xyG, p.jota_xyG, 1e-11);
    EXPECT_NEAR(q.jota_IG, p.jota_IG, 1e-11);
    EXPECT_NEAR(q.jota_IIG, p.jota_IIG, 1e-11);
    // Axis directions modulo pi: for a symmetric section jota_xyG is a
    // rounding residue whose sign moves alpha between 0 and -pi (same axis).
    EXPECT_NEAR(std::remainder(q.AngoloJotaI - p.AngoloJotaI, PiGreco), 0, 1e-12);
    EXPECT_NEAR(std::remainder(q.AngoloJotaII - p.AngoloJotaII, PiGreco), 0, 1e-12);
    EXPECT_NEAR(q.iX, p.iX, t);
    EXPECT_NEAR(q.iY, p.iY, t);
    EXPECT_NEAR(q.WxSuperiore, p.WxSuperiore, 1e-11);
    EXPECT_NEAR(q.WxInferiore, p.WxInferiore, 1e-11);
    EXPECT_NEAR(q.WyDestra, p.WyDestra, 1e-11);
    EXPECT_NEAR(q.WySinistra, p.WySinistra, 1e-11);
}

TEST(CaratteristicheStatiche, CyclicShiftAndReversalChangeOnlyTheOrientationFlag) {
    for (const auto& [x, y] : {std::pair{LX, LY}, std::pair{TX, TY}}) {
        Poligono p = Da(x, y);
        p.CaratteristicheStatiche();
        p.AreaCalcola();
        EXPECT_TRUE(p.NumerazioneVerticiAntioraria);
        const std::size_t n = x.size();
        for (std::size_t k = 1; k < n; ++k) {
            V xs(n), ys(n);
            for (std::size_t i = 0; i < n; ++i) {
                xs[i] = x[(i + k) % n];
                ys[i] = y[(i + k) % n];
            }
            Poligono q = Da(xs, ys);
            q.CaratteristicheStatiche();
            SCOPED_TRACE("spostamento " + std::to_string(k));
            VerificaUguali(p, q);
            q.AreaCalcola();
            EXPECT_TRUE(q.NumerazioneVerticiAntioraria);
        }
        V xr(x.rbegin(), x.rend()), yr(y.rbegin(), y.rend());
        Poligono r = Da(xr, yr);
        r.CaratteristicheStatiche();
        SCOPED_TRACE("inversione");
        VerificaUguali(p, r);
        EXPECT_FALSE(r.NumerazioneVerticiAntioraria);  // not set by CaratteristicheStatiche
        r.NumerazioneVerticiAntioraria = true;
        r.AreaCalcola();
        EXPECT_FALSE(r.NumerazioneVerticiAntioraria);  // clockwise
        EXPECT_NEAR(r.Area, p.Area, 1e-12);
    }
}

// ---- Short, degenerate and failing outlines ---------------------------------

TEST(CaratteristicheStatiche, FewerThanThreeVerticesClearOnlyTheSums) {
    Poligono p = Da({0, 1, 1, 0}, {0, 0, 1, 1});
    p.CaratteristicheStatiche();
    const Poligono prima = p;
    p.Coordinate(V{0, 5}, V{0, 5}, 2);
    p.CaratteristicheStatiche();
    EXPECT_EQ(p.Area, 0);
    EXPECT_EQ(p.stat_x, 0);
    EXPECT_EQ(p.stat_y, 0);
    EXPECT_EQ(p.jota_x, 0);
    EXPECT_EQ(p.jota_y, 0);
    EXPECT_EQ(p.jota_xy, 0);
    EXPECT_EQ(p.xG, prima.xG);
    EXPECT_EQ(p.jota_xG, prima.jota_xG);
    EXPECT_EQ(p.WxSuperiore, prima.WxSuperiore);
}

TEST(CaratteristicheStatiche, SoloBarreClearsOnlyTheSums) {
    Poligono p = Da({0, 2, 2, 0}, {0, 0, 1, 1});
    p.CaratteristicheStatiche();
    const double xG = p.xG, iX = p.iX;
    p.CaratteristicheStatiche(true);
    EXPECT_EQ(p.Area, 0);
    EXPECT_EQ(p.jota_xy, 0);
    EXPECT_EQ(p.xG, xG);
    EXPECT_EQ(p.iX, iX);
}

TEST(CaratteristicheStatiche, DegenerateOutline) {
    test::RecordingMessagePort porta;
    Poligono p = Da({0, 1, 2, 3}, {0, 1, 2, 3});
    p.WxSuperiore = p.iX = p.Wplx = 7;
    p.CaratteristicheStatiche();
    EXPECT_EQ(p.Area, 0);
    EXPECT_FLOAT_EQ(p.xG, 1.5f);
    EXPECT_FLOAT_EQ(p.yG, 1.5f);
    EXPECT_EQ(p.iX, 0);
    EXPECT_EQ(p.iY, 0);
    EXPECT_EQ(p.WxSuperiore, 0);
    EXPECT_EQ(p.WySinistra, 0);
    EXPECT_EQ(p.Wplx, 0);
    EXPECT_EQ(porta.conta(), 0u);
}

TEST(CaratteristicheStatiche, MeanOfADegenerateOutlineIsSinglePrecision) {
    Poligono p = Da({0.1, 0.2, 0.3}, {0, 0, 0});
    p.CaratteristicheStatiche();
    EXPECT_EQ(p.xG, static_cast<double>(static_cast<float>(
                        static_cast<float>(static_cast<float>(static_cast<float>(0.1) + 0.2) + 0.3) /
                        3.0f)));
}

TEST(CaratteristicheStatiche, OverflowZeroesTheCentroidSilently) {
    test::RecordingMessagePort porta;
    Poligono p = Da({0, 1e200, 1e200, 0}, {0, 0, 1e200, 1e200});
    p.xG = p.yG = 5;
    p.CaratteristicheStatiche();
    EXPECT_EQ(p.xG, 0);
    EXPECT_EQ(p.yG, 0);
    EXPECT_EQ(porta.conta(), 0u);
    EXPECT_TRUE(std::isfinite(p.Area));
}

TEST(CaratteristicheStatiche, ShortArrayShowsItsMessage) {
    test::RecordingMessagePort porta;
    Poligono p;
    p.CoordX(V{0, 1, 1});
    p.CoordY(V{0, 0, 1, 1});  // nVertici = 4, x holds 3
    EXPECT_EQ(p.nVertici(), 4);
    p.CaratteristicheStatiche();
    ASSERT_EQ(porta.conta(), 1u);
    EXPECT_EQ(porta.testi()[0],
              "Errore nella sub CaratteristicheStatiche. Indice non compreso nell'intervallo");
}

TEST(CaratteristicheStaticheCerchio, RingAndFullCircle) {
    Poligono p;
    p.CaratteristicheStatiche(false, true, 2, 1);
    EXPECT_DOUBLE_EQ(p.Area, PiGreco * 3);
    EXPECT_DOUBLE_EQ(p.jota_xG, PiGreco * 15 / 4);
    EXPECT_DOUBLE_EQ(p.WxSuperiore, PiGreco * 15 / 8);
    EXPECT_DOUBLE_EQ(p.WxInferiore, PiGreco * 15 / 8);
    EXPECT_EQ(p.jota_yG, 0);  // nothing else written
    p.CaratteristicheStaticheCerchio(1, 0);
    EXPECT_DOUBLE_EQ(p.Area, PiGreco);
}

TEST(CaratteristicheStaticheCerchio, ZeroRadiusStoresNothingNonFinite) {
    // jota_xG / R with R = 0 is 0 / 0: trapped as an overflow (centroid
    // zeroed, no message) by CaratteristicheStatiche, thrown by the direct call.
    test::RecordingMessagePort porta;
    Poligono p;
    p.WxSuperiore = p.WxInferiore = 7;
    p.xG = p.yG = 5;
    p.CaratteristicheStatiche(false, true, 0, 0);
    EXPECT_EQ(p.Area, 0);
    EXPECT_EQ(p.jota_xG, 0);
    EXPECT_EQ(p.WxSuperiore, 7);
    EXPECT_EQ(p.WxInferiore, 7);
    EXPECT_EQ(p.xG, 0);
    EXPECT_EQ(p.yG, 0);
    EXPECT_EQ(porta.conta(), 0u);
    EXPECT_THROW(p.CaratteristicheStaticheCerchio(0, 0), ErroreCalcolo);
    EXPECT_EQ(p.WxSuperiore, 7);
}

TEST(AreaCalcola, OrientationFlag) {
    Poligono p = Da({0, 2, 2, 0}, {0, 0, 3, 3});
    p.AreaCalcola();
    EXPECT_DOUBLE_EQ(p.Area, 6);
    EXPECT_TRUE(p.NumerazioneVerticiAntioraria);
    Poligono q = Da({0, 0, 2, 2}, {0, 3, 3, 0});
    q.AreaCalcola();
    EXPECT_DOUBLE_EQ(q.Area, 6);
    EXPECT_FALSE(q.NumerazioneVerticiAntioraria);
    Poligono r = Da({0, 1}, {0, 1});
    r.NumerazioneVerticiAntioraria = true;
    r.Area = 4;
    r.AreaCalcola();
    EXPECT_EQ(r.Area, 0);
    EXPECT_TRUE(r.NumerazioneVerticiAntioraria);  // kept with fewer than 3 vertices
    Poligono c = Da({0, 1, 2}, {0, 1, 2});
    c.NumerazioneVerticiAntioraria = true;
    c.AreaCalcola();
    EXPECT_FALSE(c.NumerazioneVerticiAntioraria);  // a zero sum is not counter-clockwise
}

TEST(AreaNulla, AbsoluteAndRelativeToThePerimeter) {
    Poligono p = Da({0, 1, 0}, {0, 0, 1});
    EXPECT_FALSE(p.AreaNulla());
    EXPECT_FALSE(p.AreaNulla(true));
    // Flat triangles of perimeter ~4, so the relative tolerance is 16 / 1e20.
    Poligono q = Da({0, 1, 2}, {0, 1e-12, 0});  // area 1e-12, above it
    EXPECT_FALSE(q.AreaNulla());
    EXPECT_FALSE(q.AreaNulla(true));
    Poligono s = Da({0, 1, 2}, {0, 1e-21, 0});  // area 1e-21, below it
    EXPECT_FALSE(s.AreaNulla());
    EXPECT_TRUE(s.AreaNulla(true));
    Poligono c = Da({0, 1, 2}, {0, 1, 2});
    EXPECT_TRUE(c.AreaNulla());
}

TEST(Perimetro, SumOfEdgesWithTheClosingOne) {
    EXPECT_DOUBLE_EQ(Da({0, 3, 3, 0}, {0, 0, 4, 4}).Perimetro(), 14);
    EXPECT_DOUBLE_EQ(Da({0, 3, 0}, {0, 0, 4}).Perimetro(), 12);
    EXPECT_THROW(Poligono().Perimetro(), std::out_of_range);
}

// ---- Vertex data -----------------------------------------------------------

TEST(Poligono, NewObjectIsAllZero) {
    Poligono p;
    EXPECT_EQ(p.nVertici(), 0);
    EXPECT_EQ(p.Area, 0);
    EXPECT_EQ(p.nRettangolini_, 0);
    EXPECT_FALSE(p.NumerazioneVerticiAntioraria);
    EXPECT_THROW(p.Xi(1), std::out_of_range);
    EXPECT_THROW(p.Yi(1, 2.0), std::out_of_range);
}

TEST(Poligono, OneBasedAccessorsThrowOutsideTheArrays) {
    Poligono p = Da({1, 2, 3}, {4, 5, 6});
    EXPECT_EQ(p.Xi(1), 1);
    EXPECT_EQ(p.Yi(3), 6);
    EXPECT_EQ(p.x(2), 2);
    EXPECT_EQ(p.y(2), 5);
    p.Xi(2, 20);
    p.y(1, 40);
    EXPECT_EQ(p.Xi(2), 20);
    EXPECT_EQ(p.Yi(1), 40);
    EXPECT_THROW(p.Xi(0), std::out_of_range);
    EXPECT_THROW(p.Xi(4), std::out_of_range);
    EXPECT_THROW(p.Yi(4, 1.0), std::out_of_range);
}

TEST(Poligono, NVerticiLet) {
    Poligono p = Da({1, 2, 3}, {4, 5, 6});
    p.nVertici(0);  // only the count
    EXPECT_EQ(p.nVertici(), 0);
    EXPECT_EQ(p.Xi(3), 3);
    p.nVertici(2);  // re-created with zeros
    EXPECT_EQ(p.nVertici(), 2);
    EXPECT_EQ(p.Xi(1), 0);
    EXPECT_THROW(p.Xi(3), std::out_of_range);
}

TEST(Poligono, CoordXAndCoordY) {
    Poligono p;
    p.CoordX(V{1, 2, 3});
    EXPECT_EQ(p.nVertici(), 3);
    p.CoordY(std::vector<float>{4.5f, 5, 6, 7});
    EXPECT_EQ(p.nVertici(), 4);  // from its own array
    EXPECT_EQ(p.CoordX(), (V{1, 2, 3}));
    EXPECT_EQ(p.CoordY(), (V{4.5, 5, 6, 7}));
    p.CoordX(V{});  // unallocated input: count 0, array kept
    EXPECT_EQ(p.nVertici(), 0);
    EXPECT_EQ(p.CoordX(), (V{1, 2, 3}));
}

TEST(Poligono, CoordinateReadsTheFirstNValues) {
    Poligono p;
    p.Coordinate(std::vector<float>{1.5f, 2, 3, 9}, std::vector<float>{0, 1, 2, 9}, 3);
    EXPECT_EQ(p.nVertici(), 3);
    EXPECT_EQ(p.Xi(1), 1.5);
    EXPECT_THROW(p.Xi(4), std::out_of_range);
    EXPECT_THROW(p.Coordinate(V{1, 2}, V{1, 2, 3}, 3), std::out_of_range);
    EXPECT_THROW(p.Coordinate(V{}, V{}, 0), std::out_of_range);
}

TEST(Poligono, CopiaCopiesVerticesAndFieldsButNotTheStripCount) {
    Poligono p = Da(LX, LY);
    p.CaratteristicheStatiche();
    p.AreaCalcola();
    p.Wplx = 3;
    p.nRettangolini_ = 12;
    const Poligono q = p.Copia();
    EXPECT_EQ(q.nVertici(), 6);
    EXPECT_EQ(q.CoordX(), LX);
    EXPECT_EQ(q.CoordY(), LY);
    EXPECT_EQ(q.Area, p.Area);
    EXPECT_EQ(q.jota_IIG, p.jota_IIG);
    EXPECT_EQ(q.WySinistra, p.WySinistra);
    EXPECT_EQ(q.Wplx, 3);
    EXPECT_TRUE(q.NumerazioneVerticiAntioraria);
    EXPECT_EQ(q.nRettangolini_, 0);
    EXPECT_THROW(Poligono().Copia(), std::out_of_range);
}

TEST(Poligono, VertexSettersLeaveTheResults) {
    Poligono p = Da({0, 1, 1, 0}, {0, 0, 1, 1});
    p.CaratteristicheStatiche();
    p.Xi(2, 10);
    p.Coordinate(V{0, 5, 0}, V{0, 0, 5}, 3);
    EXPECT_EQ(p.Area, 1);
    EXPECT_EQ(p.xG, 0.5);
}

// ---- MaxMin ---------------------------------------------------------------------

TEST(MaxMin, ExtremesAndZeroXY) {
    double a, b, c, d, z;
    Da({3}, {4}).MaxMin(a, b, c, d);
    EXPECT_EQ(a, 3);
    EXPECT_EQ(b, 3);
    EXPECT_EQ(c, 4);
    EXPECT_EQ(d, 4);
    Da({0, 2, 2, 0}, {0, 0, 2, 2}).MaxMin(a, b, c, d, z);
    EXPECT_DOUBLE_EQ(z, 2e-9);
    Da({0, 5, 5, 0}, {-1, -1, 2, 2}).MaxMin(a, b, c, d, z);
    EXPECT_DOUBLE_EQ(z, 5e-9);
    Poligono().MaxMin(a, b, c, d);
    EXPECT_EQ(a, static_cast<double>(1e20f));
    EXPECT_EQ(b, -static_cast<double>(1e20f));
}

}  // namespace
}  // namespace tavo
