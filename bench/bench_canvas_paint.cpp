// One full paint of the canvas view: gradient, photo, hair layer and frame,
// from warm caches, at zoom 100 and at a fitting zoom, and while the hair
// layer is dragged. The goal is at most 8 ms a frame.
#include "canvas/CanvasView.h"
#include "canvas/Composition.h"
#include "canvas/Selection.h"

#include <QApplication>
#include <QPainter>

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using morvane::CanvasView;
using morvane::Composition;

QImage photoImage(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = qRgb((x * 255) / size.width(), (y * 255) / size.height(), (x ^ y) & 0xFF);
    }
    return image;
}

QImage hairImage(QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    const double cx = size.width() / 2.0, cy = size.height() / 2.0;
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double dx = (x - cx) / cx, dy = (y - cy) / cy;
            const double r = dx * dx + dy * dy;
            const int alpha = r >= 1 ? 0 : int(255 * (1 - r));
            line[x] = qRgba(110, 70, 40, alpha);
        }
    }
    return image;
}

struct Scene {
    Scene(QSize viewSize, double zoom)
        : view(composition)
        , target(viewSize, QImage::Format_ARGB32_Premultiplied)
    {
        composition.photo().image = photoImage(QSize(1600, 1200));
        composition.addHairLayer();
        composition.hair().image = hairImage(QSize(800, 1000));
        composition.hair().position = QPoint(400, 50);
        composition.hair().frame = true;
        view.resize(viewSize);
        view.setZoom(zoom);
        paint(); // warm the caches
    }
    void paint()
    {
        QPainter painter(&target);
        view.paintView(painter, target.rect());
    }
    Composition composition;
    CanvasView view;
    QImage target;
};

void BM_PaintZoom100(benchmark::State& state)
{
    Scene scene(QSize(1600, 1200), 100.0);
    for (auto _ : state) {
        scene.paint();
        benchmark::DoNotOptimize(scene.target.constBits());
    }
}
BENCHMARK(BM_PaintZoom100)->Unit(benchmark::kMillisecond);

void BM_PaintFitZoom(benchmark::State& state)
{
    Scene scene(QSize(1000, 750), 62.5);
    for (auto _ : state) {
        scene.paint();
        benchmark::DoNotOptimize(scene.target.constBits());
    }
}
BENCHMARK(BM_PaintFitZoom)->Unit(benchmark::kMillisecond);

// Dragging: the hair layer moves a few pixels each frame, caches stay warm.
void BM_MoveHairLayer(benchmark::State& state)
{
    const double zoom = state.range(0) / 10.0;
    Scene scene(zoom == 100.0 ? QSize(1600, 1200) : QSize(1000, 750), zoom);
    int step = 0;
    for (auto _ : state) {
        scene.composition.hair().position = QPoint(400 + (step % 40), 50 + (step % 25));
        scene.composition.notifyChanged();
        scene.paint();
        benchmark::DoNotOptimize(scene.target.constBits());
        ++step;
    }
}
BENCHMARK(BM_MoveHairLayer)->Arg(1000)->Arg(625)->Unit(benchmark::kMillisecond);

// Resizing: the hair layer's shown size changes each frame, so its cache is
// rebuilt every time (the worst case of a grip drag).
void BM_ResizeHairLayer(benchmark::State& state)
{
    Scene scene(QSize(1000, 750), 62.5);
    int step = 0;
    for (auto _ : state) {
        scene.composition.hair().shownWidth = 800 + (step % 50);
        scene.composition.hair().shownHeight = 1000 + (step % 50);
        scene.paint();
        benchmark::DoNotOptimize(scene.target.constBits());
        ++step;
    }
}
BENCHMARK(BM_ResizeHairLayer)->Unit(benchmark::kMillisecond);

// Wheel zoom: every frame at a new zoom, so both layers are rescaled.
void BM_ZoomChange(benchmark::State& state)
{
    Scene scene(QSize(1000, 750), 62.5);
    int step = 0;
    for (auto _ : state) {
        scene.view.setZoom(step % 2 ? 62.5 : 67.5);
        scene.paint();
        benchmark::DoNotOptimize(scene.target.constBits());
        ++step;
    }
}
BENCHMARK(BM_ZoomChange)->Unit(benchmark::kMillisecond);

// A selection with a long outline (an area of ragged edges, as a magic
// wand gives on a photo) drawn over the scene at the fit zoom.
void BM_PaintWithSelectionOutline(benchmark::State& state)
{
    Scene scene(QSize(1000, 750), 62.5);
    QImage mask(1600, 1200, QImage::Format_Grayscale8);
    for (int y = 0; y < mask.height(); ++y) {
        uchar* line = mask.scanLine(y);
        for (int x = 0; x < mask.width(); ++x) {
            const double dx = (x - 800) / 500.0, dy = (y - 600) / 400.0;
            const double ragged = ((x * 7 + y * 13) % 17) / 170.0;
            line[x] = dx * dx + dy * dy < 1 - ragged ? 255 : 0;
        }
    }
    scene.composition.selection().selectMask(Composition::kPhotoLayer, mask);
    scene.paint();
    for (auto _ : state) {
        scene.paint();
        benchmark::DoNotOptimize(scene.target.constBits());
    }
    state.counters["outline lines"] = double(scene.composition.selection().outline().size());
}
BENCHMARK(BM_PaintWithSelectionOutline)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return morvane::bench::runWithApplication(argc, argv);
}
