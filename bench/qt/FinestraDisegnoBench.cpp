// The drawing window's outputs of the computed example abutment:
// one repaint into a 1100 x 760 QImage through the painter surface (target
// at most 2 ms) and printing one copy to a PDF file through QPrinter, from
// the start of the document to its end on disk (target at most 100 ms).

#include "drawing/ui/SuperficiePainter.h"
#include "tests/walldrawing/EsempioCalcolato.h"
#include "walldrawing/DisegnoTavo.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

void RidisegnoSpallaSuQImage(benchmark::State& stato) {
    const tavo::test::Progetto& p = tavo::test::SpallaCalcolata();
    QImage immagine(1100, 760, QImage::Format_ARGB32_Premultiplied);
    tavo::Grafica g;
    tavo::DisegnoTavo d(g, p.v, p.ntc);
    for (auto _ : stato) {
        immagine.fill(Qt::white);
        QPainter painter(&immagine);
        painter.setRenderHint(QPainter::Antialiasing);
        tavo::SuperficiePainter superficie(painter);
        d.PlottaTavo(tavo::UscitaGrafica::VIDEO, &superficie);
    }
}
BENCHMARK(RidisegnoSpallaSuQImage)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void StampaSpallaInPdf(benchmark::State& stato) {
    const tavo::test::Progetto& p = tavo::test::SpallaCalcolata();
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "tavo_bench_disegno.pdf";
    for (auto _ : stato) {
        QPrinter stampante(QPrinter::HighResolution);
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(QString::fromStdString(file.string()));
        QPainter painter(&stampante);
        tavo::SuperficiePainter superficie(painter);
        tavo::Grafica g;
        g.Stampante = &superficie;
        tavo::DisegnoTavo d(g, p.v, p.ntc);
        d.PlottaTavo(tavo::UscitaGrafica::STAMPANTE);
        painter.end();
    }
    std::filesystem::remove(file);
}
BENCHMARK(StampaSpallaInPdf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    // Text metrics and the PDF engine need a GUI application (offscreen will do).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
