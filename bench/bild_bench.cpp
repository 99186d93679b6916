// Speed of one animation frame with the engine picture in a 1000 x 800 window:
// solve, draw the whole engine into the backing image and put the image on
// the screen. The baseline only clears an image of that size and blits it,
// the least any frame costs. Target: a frame well under 5 ms.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "bench/Zaehler.h"
#include "core/model/Bewegung.h"
#include "core/model/Standarddaten.h"
#include "render/Maschinenbild.h"

namespace {

using namespace vapro;

const QSize Größe(1000, 800);

// The picture window's share of a frame, as the desktop program does it.
struct BildAnsichten : Ansichten {
    Modell& m;
    Maschinenbild bild;
    QImage puffer{Größe, QImage::Format_RGB32};
    QImage schirm{Größe, QImage::Format_RGB32};

    explicit BildAnsichten(Modell& modell) : m(modell) {}
    void BildSkalieren() override { bild.Skalierung(m, QSizeF(Größe) * TwipsJePixel); }
    void BildNeuzeichnen() override { Zeichnen(); }
    void BildZeichnen() override {
        Zeichnen();
        QPainter p(&schirm);
        p.drawImage(0, 0, puffer);
    }
    void Zeichnen() {
        QPainter p(&puffer);
        p.scale(1.0 / TwipsJePixel, 1.0 / TwipsJePixel);
        bild.Zeichnen(p, m, Bildschirmstil(m));
    }
};

void BM_BildSchritt(benchmark::State& state) {
    Modell m;
    StandardmaschineEinrichten(m, "[mm]");
    m.Drehrichtung = true;
    BildAnsichten a(m);
    Neuberechnung(m, a, Anlass::NeueDaten);
    for (auto _ : state) {
        WinkelWeiter(m);
        Schritt(m, a);
        benchmark::DoNotOptimize(a.schirm.constBits());
    }
}
BENCHMARK(BM_BildSchritt)->Unit(benchmark::kMillisecond);

void BM_LöschenUndZeigen(benchmark::State& state) {
    QImage puffer(Größe, QImage::Format_RGB32), schirm(Größe, QImage::Format_RGB32);
    for (auto _ : state) {
        puffer.fill(Qt::white);
        QPainter p(&schirm);
        p.drawImage(0, 0, puffer);
        p.end();
        benchmark::DoNotOptimize(schirm.constBits());
    }
}
BENCHMARK(BM_LöschenUndZeigen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    vapro::bench::Verhältnisse reporter({{"BM_BildSchritt", "BM_LöschenUndZeigen", 10.0}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}
