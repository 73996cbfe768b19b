// Cuts by lines.
#include "geometry/Rette.h"
#include "geometry/Tagli.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavo {
namespace {

using V = std::vector<double>;
const V QX{0, 1, 1, 0}, QY{0, 0, 1, 1};  // the unit square, counter-clockwise

TEST(IntersezioneSegmentoRetta, WithinOutsideAndParallel) {
    double x = 9, y = 9;
    EXPECT_TRUE(IntersezioneSegmentoRetta(1, 0, -0.5, {0, 1}, {0, 0}, x, y, 1e-9));
    EXPECT_DOUBLE_EQ(x, 0.5);
    EXPECT_DOUBLE_EQ(y, 0);
    EXPECT_TRUE(IntersezioneSegmentoRetta(1, 0, -1, {0, 1}, {0, 0}, x, y, 1e-9));  // at an end
    EXPECT_FALSE(IntersezioneSegmentoRetta(1, 0, -2, {0, 1}, {0, 0}, x, y, 1e-9));
    EXPECT_DOUBLE_EQ(x, 2);  // the crossing of the lines is still handed back
    x = 7;
    EXPECT_FALSE(IntersezioneSegmentoRetta(0, 1, -1, {0, 1}, {0, 0}, x, y, 1e-9));  // parallel
    EXPECT_EQ(x, 7);
    EXPECT_FALSE(IntersezioneSegmentoRetta(1, 0, -1, {1, 1}, {0, 0}, x, y, 1e-9));  // degenerate
}

// An end on the line is the crossing itself. Through the two lines, a
// vertex on a 0.1 grid lands an ulp or two past the end about one time in
// ten and the crossing would be lost; every edge of the grid below, cut by
// the horizontal and by the vertical through either end, must give that
// end exactly.
TEST(IntersezioneSegmentoRetta, AnEndOnTheLineIsTheCrossing) {
    int edges = 0;
    for (int i = 0; i <= 12; ++i)
        for (int j = 0; j <= 12; ++j)
            for (int k = 0; k <= 12; ++k)
                for (int m = 0; m <= 12; ++m) {
                    const Coppia X{i * 0.1, k * 0.1}, Y{j * 0.1, m * 0.1};
                    if (i == k || j == m) continue;  // lines along the edge are parallel
                    ++edges;
                    for (int e : {0, 1}) {
                        double x = 9, y = 9;
                        ASSERT_TRUE(IntersezioneSegmentoRetta(0, -1, Y[e], X, Y, x, y, 1e-9))
                            << X[0] << "," << Y[0] << " " << X[1] << "," << Y[1] << " end " << e;
                        EXPECT_EQ(x, X[e]);
                        EXPECT_EQ(y, Y[e]);
                        ASSERT_TRUE(IntersezioneSegmentoRetta(1, 0, -X[e], X, Y, x, y, 1e-9))
                            << X[0] << "," << Y[0] << " " << X[1] << "," << Y[1] << " end " << e;
                        EXPECT_EQ(x, X[e]);
                        EXPECT_EQ(y, Y[e]);
                    }
                }
    EXPECT_GT(edges, 20000);
    // A slanted line through an end, y = x through (0.3, 0.3).
    double x = 9, y = 9;
    EXPECT_TRUE(IntersezioneSegmentoRetta(1, -1, 0, {0.3, 0.7}, {0.3, 1.9}, x, y, 1e-9));
    EXPECT_EQ(x, 0.3);
    EXPECT_EQ(y, 0.3);
}

TEST(IntersezionePoligonoRetta, PlainCutOfTheSquare) {
    const auto r = IntersezionePoligonoRetta(1, 0, -0.5, QX, QY, 4);
    ASSERT_EQ(r.ni, 2);
    EXPECT_EQ(r.lato, (std::vector<int>{1, 3}));
    EXPECT_DOUBLE_EQ(r.xi[0], 0.5);
    EXPECT_DOUBLE_EQ(r.yi[0], 0);
    EXPECT_DOUBLE_EQ(r.xi[1], 0.5);
    EXPECT_DOUBLE_EQ(r.yi[1], 1);
    EXPECT_EQ(r.tolti, 0);
}

TEST(IntersezionePoligonoRetta, ThroughTwoOppositeVertices) {
    test::RecordingMessagePort porta;
    ZeroMaxDimenSalvato guardia;
    ImpostaZeroMaxDimen(1e-6);
    const auto grezze = IntersezionePoligonoRetta(1, -1, 0, QX, QY, 4);  // y = x
    ASSERT_EQ(grezze.ni, 4);  // each vertex twice
    EXPECT_EQ(grezze.lato, (std::vector<int>{1, 2, 3, 4}));
    const auto pulite = IntersezionePoligonoRetta(1, -1, 0, QX, QY, 4, true);
    ASSERT_EQ(pulite.ni, 2);
    EXPECT_EQ(pulite.tolti, 2);
    // Ordered along the line, the last of each coincident run kept.
    EXPECT_EQ(pulite.xi, (V{0, 1}));
    EXPECT_EQ(pulite.yi, (V{0, 1}));
    EXPECT_EQ(pulite.lato, (std::vector<int>{4, 3}));
    EXPECT_EQ(porta.conta(), 0u);
}

TEST(IntersezionePoligonoRetta, TangentAtAVertex) {
    ZeroMaxDimenSalvato guardia;
    ImpostaZeroMaxDimen(1e-6);
    const auto grezze = IntersezionePoligonoRetta(1, 1, -2, QX, QY, 4);  // x + y = 2
    ASSERT_EQ(grezze.ni, 2);
    EXPECT_EQ(grezze.lato, (std::vector<int>{2, 3}));
    const auto pulite = IntersezionePoligonoRetta(1, 1, -2, QX, QY, 4, true);
    EXPECT_EQ(pulite.ni, 0);
    EXPECT_EQ(pulite.tolti, 2);
    EXPECT_TRUE(pulite.xi.empty());
}

TEST(IntersezionePoligonoRetta, MissAndParallelMiss) {
    EXPECT_EQ(IntersezionePoligonoRetta(1, 0, -5, QX, QY, 4).ni, 0);
    EXPECT_EQ(IntersezionePoligonoRetta(0, 1, -2, QX, QY, 4).ni, 0);  // parallel to two edges
    EXPECT_EQ(IntersezionePoligonoRetta(0, 1, -2, QX, QY, 4, true).tolti, 0);
}

TEST(IntersezionePoligonoRetta, ThroughOneVertexAndAcrossAnEdge) {
    const auto r = IntersezionePoligonoRetta(0.5, -1, 0, QX, QY, 4);  // y = x / 2
    ASSERT_EQ(r.ni, 3);
    EXPECT_EQ(r.lato, (std::vector<int>{1, 2, 4}));
    EXPECT_DOUBLE_EQ(r.yi[1], 0.5);
}

TEST(IntersezionePoligonoRetta, LeavesZeroMaxDimenAlone) {
    ZeroMaxDimenSalvato guardia;
    ImpostaZeroMaxDimen(0.25);
    IntersezionePoligonoRetta(1, 0, -0.5, QX, QY, 4);
    EXPECT_EQ(ZeroMaxDimen(), 0.25);
}

TEST(OrdinaPuntiSuRetta, ByTheLargerExtent) {
    V x{3, 1, 2}, y{0, 0.1, 0.2};
    std::vector<int> l{7, 8, 9};
    OrdinaPuntiSuRetta(x, y, 3, &l);
    EXPECT_EQ(x, (V{1, 2, 3}));
    EXPECT_EQ(y, (V{0.1, 0.2, 0}));
    EXPECT_EQ(l, (std::vector<int>{8, 9, 7}));
    V a{0, 0.1}, b{5, -5};
    OrdinaPuntiSuRetta(a, b, 2);
    EXPECT_EQ(b, (V{-5, 5}));
    EXPECT_EQ(a, (V{0.1, 0}));
    V c{0, 1}, d{1, 0};  // equal extents: by y
    OrdinaPuntiSuRetta(c, d, 2);
    EXPECT_EQ(d, (V{0, 1}));
    EXPECT_EQ(c, (V{1, 0}));
}

TEST(PulisceIntersezioni, RunsOfCoincidentCrossings) {
    ZeroMaxDimenSalvato guardia;
    ImpostaZeroMaxDimen(1e-6);
    V x{2, 0, 2, 1}, y{0, 0, 0, 0};
    std::vector<int> l{1, 2, 3, 4};
    int n = 4;
    PulisceIntersezioni(x, y, l, n);
    ASSERT_EQ(n, 3);
    EXPECT_EQ(x, (V{0, 1, 2}));
    EXPECT_EQ(l, (std::vector<int>{2, 4, 3}));  // of the run (2, 2) the last survives
}

// ---- Open polyline ----------------------------------------------------------

TEST(IntersezionePoligonaleRetta, CrossingsWithinSegments) {
    ZeroMaxDimenSalvato guardia;
    const V x{0, 2, 4}, y{0, 2, 0};
    const auto r = IntersezionePoligonaleRetta(0, 1, -1, x, y, 3);  // y = 1
    EXPECT_EQ(r.posizione(), PosizioneIncrocio::SullaPoligonale);
    EXPECT_TRUE(r.trovato());
    ASSERT_EQ(r.ni(), 2);
    EXPECT_DOUBLE_EQ(r.incrocio(1).x, 1);
    EXPECT_EQ(r.incrocio(1).lato, 1);
    EXPECT_DOUBLE_EQ(r.incrocio(2).x, 3);
    EXPECT_EQ(r.incrocio(2).lato, 2);
    ASSERT_TRUE(r.primo().has_value());
    EXPECT_DOUBLE_EQ(r.primo()->y, 1);
    // The call set the shared tolerance: extent / 1e6.
    EXPECT_DOUBLE_EQ(ZeroMaxDimen(), 4e-6);
}

TEST(IntersezionePoligonaleRetta, MissGivesTheExtensionOfTheLastSegment) {
    ZeroMaxDimenSalvato guardia;
    const V x{0, 1, 2}, y{0, 0, 1};
    const auto r = IntersezionePoligonaleRetta(1, 0, -5, x, y, 3);  // x = 5
    EXPECT_FALSE(r.trovato());
    EXPECT_EQ(r.posizione(), PosizioneIncrocio::SulProlungamento);
    ASSERT_EQ(r.ni(), 1);
    EXPECT_DOUBLE_EQ(r.incrocio(1).x, 5);
    EXPECT_DOUBLE_EQ(r.incrocio(1).y, 4);
    EXPECT_EQ(r.incrocio(1).lato, 3);  // index n
}

TEST(IntersezionePoligonaleRetta, ParallelLastSegmentGivesNoCrossingToRead) {
    // Nothing is found, and no crossing can be read.
    ZeroMaxDimenSalvato guardia;
    const V x{0, 1, 2}, y{0, 1, 1};
    const auto r = IntersezionePoligonaleRetta(0, 1, -5, x, y, 3);  // y = 5
    EXPECT_FALSE(r.trovato());
    EXPECT_EQ(r.posizione(), PosizioneIncrocio::Nessuno);
    EXPECT_EQ(r.ni(), 0);
    EXPECT_FALSE(r.primo().has_value());
    EXPECT_THROW(r.incrocio(1), std::out_of_range);
}

TEST(IntersezionePoligonaleRetta, TooFewPoints) {
    ZeroMaxDimenSalvato guardia;
    const auto r = IntersezionePoligonaleRetta(1, 0, 0, V{0}, V{0}, 1);
    EXPECT_EQ(r.posizione(), PosizioneIncrocio::Nessuno);
    EXPECT_FALSE(r.primo());
}

TEST(IntersezionePoligonaleRetta, TogliDropsACoincidentNeighbour) {
    test::RecordingMessagePort porta;
    ZeroMaxDimenSalvato guardia;
    const V x{0, 2, 4, 0}, y{0, 2, 0, 1};
    const auto grezze = IntersezionePoligonaleRetta(1, 0, -2, x, y, 4);  // x = 2
    ASSERT_EQ(grezze.ni(), 3);
    const auto r = IntersezionePoligonaleRetta(1, 0, -2, x, y, 4, true);
    ASSERT_EQ(r.ni(), 2);
    EXPECT_EQ(r.incrocio(1).lato, 1);
    EXPECT_DOUBLE_EQ(r.incrocio(2).y, 0.5);
    EXPECT_EQ(r.incrocio(2).lato, 3);
    EXPECT_EQ(porta.conta(), 0u);
}

TEST(TogliePuntiCoincidenti, RemovedSuccessorIsNotComparedAgain) {
    ZeroMaxDimenSalvato guardia;
    ImpostaZeroMaxDimen(1e-6);
    V x{1, 1, 1, 2}, y{0, 0, 0, 0};
    std::vector<int> l{1, 2, 3, 4};
    TogliePuntiCoincidenti(x, y, l);
    // Item 2 goes; the new item 2 (old 3) is not compared with item 1.
    EXPECT_EQ(x, (V{1, 1, 2}));
    EXPECT_EQ(l, (std::vector<int>{1, 3, 4}));
    V a{5}, b{5};
    std::vector<int> c{1};
    TogliePuntiCoincidenti(a, b, c);
    EXPECT_EQ(a.size(), 1u);
}

// ---- Horizontal and point in polygon ----------------------------------------------

TEST(IntersezioniConOrizzontale, HalfOpenRuleAtVertices) {
    std::vector<double> asc;
    // Passing from below to above through the vertex (3, 1): once.
    IntersezioniConOrizzontale(V{0, 2, 3, 2, 0}, V{0, 0, 1, 2, 2}, 5, 1, asc);
    ASSERT_EQ(asc.size(), 2u);
    EXPECT_DOUBLE_EQ(asc[0], 3);
    EXPECT_DOUBLE_EQ(asc[1], 0);
    // A local peak: twice.
    asc.clear();
    IntersezioniConOrizzontale(V{0, 2, 1}, V{0, 0, 1}, 3, 1, asc);
    EXPECT_EQ(asc.size(), 2u);
    // A local valley: not at all.
    asc.clear();
    IntersezioniConOrizzontale(V{1, 2, 0}, V{0, 1, 1}, 3, 0, asc);
    EXPECT_EQ(asc.size(), 0u);
    // Appends to what the caller holds.
    asc = {42};
    IntersezioniConOrizzontale(QX, QY, 4, 0.5, asc);
    EXPECT_EQ(asc, (V{42, 1, 0}));
}

// Vertices exactly on the line between flat edges: the crossing through the
// edge's line lands an ulp past the vertex, so only the vertex's own abscissa
// keeps it (hand-made outline; the line y = 0 passes through (0, 0) and (5.3, 0)).
TEST(IntersezioniConOrizzontale, VertexOnTheLineBetweenFlatEdgesCountsOnce) {
    const V x{0, 3.7, 5.3, 1.1, -2.9}, y{0, -0.03, 0, 0.04, 0.02};
    std::vector<double> asc;
    IntersezioniConOrizzontale(x, y, 5, 0, asc);
    EXPECT_EQ(asc, (V{0, 5.3}));
    EXPECT_EQ(PuntoInternoPoligono(x, y, 2, 0, 5), 1);
    EXPECT_EQ(PuntoInternoPoligono(x, y, 6, 0, 5), -1);
}

TEST(PuntoInternoPoligono, InsideOutsideAndOnVerticalEdges) {
    EXPECT_EQ(PuntoInternoPoligono(QX, QY, 0.5, 0.5, 4), 1);
    EXPECT_EQ(PuntoInternoPoligono(QX, QY, 2, 0.5, 4), -1);
    EXPECT_EQ(PuntoInternoPoligono(QX, QY, 0.5, 2, 4), -1);
    // On the left edge px sorts first: no crossing on its left.
    EXPECT_EQ(PuntoInternoPoligono(QX, QY, 0, 0.5, 4), -1);
    // On the right edge px sorts after the left crossing, before the right one.
    EXPECT_EQ(PuntoInternoPoligono(QX, QY, 1, 0.5, 4), 1);
    // Concave: a U shape, the notch is outside.
    const V ux{0, 3, 3, 2, 2, 1, 1, 0}, uy{0, 0, 3, 3, 1, 1, 3, 3};
    EXPECT_EQ(PuntoInternoPoligono(ux, uy, 1.5, 2, 8), -1);
    EXPECT_EQ(PuntoInternoPoligono(ux, uy, 0.5, 2, 8), 1);
    EXPECT_EQ(PuntoInternoPoligono(ux, uy, 1.5, 0.5, 8), 1);
}

// ---- Two segments ---------------------------------------------------------------

TEST(IntersezioneSegmentoSegmento, CrossEndsAndParallel) {
    double x = 0, y = 0;
    EXPECT_TRUE(IntersezioneSegmentoSegmento({0, 2}, {0, 2}, {0, 2}, {2, 0}, x, y, 1e-9));
    EXPECT_DOUBLE_EQ(x, 1);
    EXPECT_DOUBLE_EQ(y, 1);
    EXPECT_TRUE(IntersezioneSegmentoSegmento({0, 2}, {0, 2}, {0, 2}, {2, 0}, x, y, 1e-9, true));
    // Touching at an end: counts, except in strict mode.
    EXPECT_TRUE(IntersezioneSegmentoSegmento({0, 1}, {0, 1}, {1, 2}, {1, 0}, x, y, 1e-9));
    EXPECT_FALSE(IntersezioneSegmentoSegmento({0, 1}, {0, 1}, {1, 2}, {1, 0}, x, y, 1e-9, true));
    // Lines cross beyond the segments.
    EXPECT_FALSE(IntersezioneSegmentoSegmento({0, 1}, {0, 1}, {3, 4}, {0, -1}, x, y, 1e-9));
    EXPECT_NEAR(x, 1.5, 1e-12);
    // Parallel and degenerate.
    EXPECT_FALSE(IntersezioneSegmentoSegmento({0, 1}, {0, 0}, {0, 1}, {1, 1}, x, y, 1e-9));
    EXPECT_FALSE(IntersezioneSegmentoSegmento({0, 0}, {0, 0}, {0, 1}, {1, 1}, x, y, 1e-9));
}

TEST(PuntoSuSegmentoCoincidenti, InsideButNotAtAnEnd) {
    EXPECT_TRUE(PuntoSuSegmentoCoincidenti({0, 2}, {0, 0}, 1, 0, 1e-6, false));
    EXPECT_FALSE(PuntoSuSegmentoCoincidenti({0, 2}, {0, 0}, 2, 0, 1e-6, false));
    EXPECT_FALSE(PuntoSuSegmentoCoincidenti({0, 2}, {0, 0}, 1e-7, 0, 1e-6, false));
    EXPECT_FALSE(PuntoSuSegmentoCoincidenti({0, 2}, {0, 0}, 3, 0, 1e-6, false));
    EXPECT_FALSE(PuntoSuSegmentoCoincidenti({0, 2}, {0, 0}, 1, 0.1, 1e-6, true));
}

}  // namespace
}  // namespace tavo
