// Speed of the colour and retouch steps on a hair layer of 1000 x 1300:
// recolouring, one sharpness step, and one brush step (spot or line).

#include "BenchSupport.h"

#include "canvas/Composition.h"
#include "colour/Recolour.h"
#include "colour/Retouch.h"
#include "colour/ToneAdjust.h"

using namespace morvane;

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 1300;

// A hairstyle-like layer: photo-like colours, an opaque body with soft,
// partly transparent edges, transparent around it.
QImage hairLayer()
{
    QImage image = bench::photoLikeImage(kWidth, kHeight).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const int dx = x - kWidth / 2, dy = y - kHeight / 3;
            const int d = (dx * dx) / 400 + (dy * dy) / 700;
            const int alpha = qBound(0, 255 - (d - 300) * 4, 255);
            line[x] = (line[x] & 0x00ffffffu) | (QRgb(alpha) << 24);
        }
    }
    return image;
}

void BM_ApplyResultColour(benchmark::State& state)
{
    Composition composition;
    QImage photo(kWidth, kHeight, QImage::Format_RGB32);
    photo.fill(qRgb(120, 90, 70));
    composition.photo().image = photo;
    composition.addHairLayer();
    composition.hair().image = hairLayer();
    composition.takeSnapshot(Composition::kHairLayer);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ApplyResultColour(composition, 5072562, 45, nullptr));
    }
}
BENCHMARK(BM_ApplyResultColour)->Unit(benchmark::kMillisecond);

void BM_SharpnessStep(benchmark::State& state)
{
    const QImage snapshot = hairLayer();
    for (auto _ : state) {
        QImage image = snapshot.copy(); // the Undo the step runs first
        sharpen(image, int(state.range(0)));
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_SharpnessStep)->Arg(5)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_DropShadowStep(benchmark::State& state)
{
    const QImage snapshot = hairLayer();
    for (auto _ : state)
        benchmark::DoNotOptimize(addDropShadow(snapshot.copy(), 5));
}
BENCHMARK(BM_DropShadowStep)->Unit(benchmark::kMillisecond);

void BM_SpotStep(benchmark::State& state)
{
    QImage image = hairLayer();
    Airbrush brush;
    brush.setSize(20);
    brush.setIntensity(15);
    brush.setColour(colourValue(150, 80, 60));
    int x = 100;
    for (auto _ : state) {
        brush.paintSpot(image, QPoint(x, 400));
        x = x < 900 ? x + 3 : 100;
    }
}
BENCHMARK(BM_SpotStep)->Unit(benchmark::kMicrosecond);

// A haircut step after the first: the line, then the near-white pixels
// along it made transparent.
void BM_HaircutLineStep(benchmark::State& state)
{
    QImage image = hairLayer();
    clearNearWhite(image, image.rect());
    QPoint pen(100, 400);
    for (auto _ : state) {
        const QPoint to(pen.x() < 900 ? pen.x() + 6 : 100, 400 + (pen.x() % 40));
        const QRect line = drawWhiteLine(image, pen, to, 20);
        clearNearWhite(image, line);
        pen = to;
    }
}
BENCHMARK(BM_HaircutLineStep)->Unit(benchmark::kMicrosecond);

// The first haircut step of a stroke looks at the whole layer.
void BM_HaircutFirstStep(benchmark::State& state)
{
    QImage image = hairLayer();
    for (auto _ : state) {
        drawWhiteLine(image, QPoint(100, 400), QPoint(106, 404), 20);
        clearNearWhite(image, image.rect());
    }
}
BENCHMARK(BM_HaircutFirstStep)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runWithApplication(argc, argv);
}
