// Drawing of the rectangles of a strip discretisation.
#include "drawing/DisegnoPoligono.h"
#include "tests/support/RecordingSuperficie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

namespace tavo {
namespace {

using test::RecordingSuperficie;
using Segmento = std::array<double, 4>;

// The lines drawn, each with its ends in a fixed order, sorted.
std::vector<Segmento> Segmenti(const RecordingSuperficie& s) {
    std::vector<Segmento> v;
    for (const auto& l : s.linee()) {
        Segmento a{l.x1, l.y1, l.x2, l.y2}, b{l.x2, l.y2, l.x1, l.y1};
        v.push_back(std::min(a, b));
    }
    std::sort(v.begin(), v.end());
    return v;
}

// The four sides of the rectangle [x1, x2] x [y1, y2].
void Lati(std::vector<Segmento>& v, double x1, double y1, double x2, double y2) {
    v.push_back({x1, y1, x2, y1});
    v.push_back({x2, y1, x2, y2});
    v.push_back({x1, y2, x2, y2});
    v.push_back({x1, y1, x1, y2});
}

class PlottaRettangolini : public ::testing::Test {
protected:
    PlottaRettangolini() {
        ImpostaUscita(g, 1, UscitaGrafica::VIDEO, &video);
        p.Coordinate(std::vector<double>{0, 20, 20, 0}, std::vector<double>{0, 0, 40, 40}, 4);
        double h = 0, b = 0, yMax = 0;
        p.DiscretizzaPoligono(2, h, b, yMax);  // [0, 20] x [20, 40] and [0, 20] x [0, 20]
    }
    Grafica g;
    RecordingSuperficie video{200, 100};
    Poligono p;
};

// Two strips of one rectangle each, moved by the frame (10, 5) and drawn with
// line width 1 whatever was in force.
TEST_F(PlottaRettangolini, EveryRectangleThroughTheFrameWithWidthOne) {
    ImpostaSpessore(g, 3);
    tavo::PlottaRettangolini(g, p, MatriceFrame{1, 0, 10, 0, 1, 5});
    std::vector<Segmento> attesi;
    Lati(attesi, 10, 25, 30, 45);
    Lati(attesi, 10, 5, 30, 25);
    std::sort(attesi.begin(), attesi.end());
    std::vector<Segmento> disegnati = Segmenti(video);
    // The shared side of the two strips is drawn twice.
    EXPECT_EQ(disegnati.size(), 8u);
    EXPECT_EQ(disegnati, attesi);
    for (const auto& l : video.linee()) EXPECT_EQ(l.spessore, 1);
}

// A strip count raised by hand does not reach past the strips held.
TEST_F(PlottaRettangolini, CountRaisedByHandDrawsOnlyTheStripsHeld) {
    p.nRettangolini_ = 30;
    tavo::PlottaRettangolini(g, p, MatriceFrame{1, 0, 0, 0, 1, 0});
    EXPECT_EQ(video.linee().size(), 8u);
}

}  // namespace
}  // namespace tavo
