// The measuring surface: what the drawing routines give it is recorded in
// user coordinates (lines) and device pixels (text boxes, with the font of
// the device it measures for), nothing is painted on that device, and the
// device keeps its own font.

#include "drawing/SuperficieMisura.h"

#include "drawing/Grafica.h"
#include "tests/support/RecordingSuperficie.h"

#include <gtest/gtest.h>

#include <array>

namespace tavo {
namespace {

TEST(SuperficieMisura, TrattiInCoordinateUtenteTestiInPixelDelDispositivo) {
    test::RecordingSuperficie dispositivo(800, 600);
    // A y-up user scale of 40 x 30 units: 20 pixels a unit.
    dispositivo.ScaleLeft(-10);
    dispositivo.ScaleTop(25);
    dispositivo.ScaleWidth(40);
    dispositivo.ScaleHeight(-30);
    {
        SuperficieMisura s(dispositivo);
        // The measure's own font: the recording one is 12 by 24 pixels a
        // character at 16.5 points.
        s.FontSize(16.5);
        s.FontName("Times");
        Grafica g;
        ImpostaUscita(g, 1, UscitaGrafica::VIDEO, &s);
        const std::array<double, 3> x{0, 4, 2}, y{0, 0, 3};
        DisegnaPoligono(g, 3, x, y, 1);
        DisegnaCerchio(g, 10, -2, 1);
        DisegnaTesto(g, 1, 2, 0.5, "abc", 1);

        ASSERT_EQ(s.Segmenti().size(), 3u);
        EXPECT_NEAR(s.Segmenti()[1].x1, 4, 1e-12);
        EXPECT_NEAR(s.Segmenti()[1].y2, 3, 1e-12);
        EXPECT_NEAR(s.Tratti().xMin, 0, 1e-12);
        EXPECT_NEAR(s.Tratti().xMax, 11, 1e-12);
        EXPECT_NEAR(s.Tratti().yMin, -3, 1e-12);
        EXPECT_NEAR(s.Tratti().yMax, 3, 1e-12);
        ASSERT_EQ(s.Testi().size(), 1u);
        const auto& t = s.Testi()[0];
        EXPECT_EQ(t.testo, "abc");
        EXPECT_NEAR(t.x, 1, 1e-12);
        EXPECT_NEAR(t.y, 2, 1e-12);
        // (1, 2) is pixel ((1 + 10) * 20, (25 - 2) * 20).
        EXPECT_NEAR(t.u, 220, 1e-9);
        EXPECT_NEAR(t.v, 460, 1e-9);
        EXPECT_NEAR(t.w, 36, 1e-9);
        EXPECT_NEAR(t.h, 24, 1e-9);
    }
    // Nothing painted on the device; its font as it was.
    EXPECT_TRUE(dispositivo.tratti.empty());
    EXPECT_EQ(dispositivo.FontSize(), 8.25);
    EXPECT_EQ(dispositivo.FontName(), "Arial");
}

TEST(SuperficieMisura, SenzaDispositivoUnPixelPerUnita) {
    SuperficieMisura s;
    Grafica g;
    ImpostaUscita(g, 1, UscitaGrafica::VIDEO, &s);
    DisegnaLinea(g, -3, 7, 5, 9, 1);
    DisegnaTesto(g, 2, 11, 0.5, "x", 1);
    EXPECT_NEAR(s.Tratti().yMax, 9, 1e-12);
    EXPECT_NEAR(s.Tratti().xMin, -3, 1e-12);
    ASSERT_EQ(s.Testi().size(), 1u);
    EXPECT_NEAR(s.Testi()[0].y, 11, 1e-12);
    EXPECT_EQ(s.Testi()[0].w, 0);
}

}  // namespace
}  // namespace tavo
