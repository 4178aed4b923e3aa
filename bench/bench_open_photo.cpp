// Open Photo of a 24-megapixel camera JPEG until the fitted photo is on the
// canvas: the whole command through the main window (dialog answered at
// once, decode, fit, first hairstyle, move mode), and its reading step alone
// with a DCT-scaled decode against a whole decode. The goal is at most 200 ms.
//
// The quality counter `psnr_dB` compares the DCT-scaled result with a whole
// decode resampled by Lanczos 3 to the same size.

#include "app/MainActions.h"
#include "app/MainWindow.h"
#include "canvas/Composition.h"
#include "canvas/TryOn.h"
#include "imaging/ImageIO.h"
#include "imaging/JpegCodec.h"
#include "imaging/Resample.h"
#include "platform/Dialogs.h"

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstdlib>
#include <random>

namespace {

using namespace morvane;

constexpr int kThreads = 2;

// A content tree with the settings, one hairstyle and the 6000 x 4000 photo.
struct Content {
    QTemporaryDir dir;
    QString root;
    QString photo;

    Content()
    {
        root = dir.path() + QLatin1Char('/');
        const QString type = root + QStringLiteral("Styles7/Short and Light");
        QDir().mkpath(type);
        QDir().mkpath(root + QStringLiteral("Photos"));
        QDir().mkpath(root + QStringLiteral("Gallery"));
        QImage hair(400, 500, QImage::Format_ARGB32);
        hair.fill(qRgba(110, 70, 40, 160));
        imaging::writeImage(type + QStringLiteral("/1.PNG"), hair);
        QFile settings(root + QStringLiteral("morvane2010.ini"));
        if (!settings.open(QIODevice::WriteOnly))
            std::abort();
        settings.write("[Morvane 2010]\r\nVersion=1.0\r\nThumbsSize=185\r\nPercColorMix=30\r\n"
                       "IntensityMakeUp=5\r\nStylesButton=Styles7\r\nTypeButton=Short and Light\r\n"
                       "AutoTime=2\r\nSalonName=Bench\r\nLanguage=EN\r\n");
        settings.close();
        photo = root + QStringLiteral("Photos/camera_6000x4000.jpg");
        imaging::writeImage(photo, morvane::bench::photoLikeImage(6000, 4000), imaging::WriteOptions{90});
    }
};

const Content& content()
{
    static Content* made = new Content;
    return *made;
}

// Answers the open dialog with the photo at once; any message fails the run.
class InstantDialogs : public Dialogs {
public:
    QString path;
    int messages = 0;
    Answer message(QWidget*, MessageKind, const QString&, MessageButtons) override
    {
        ++messages;
        return Answer::Ok;
    }
    QString openFile(QWidget*, const FileRequest&) override { return path; }
    SaveChoice saveFile(QWidget*, const SaveRequest&) override { return {}; }
    int exec(QDialog&) override { return 0; }

protected:
    void showErrorBox(QWidget*, const QString&) override { ++messages; }
};

double psnr(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 0;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int dr = qRed(la[x]) - qRed(lb[x]);
            const int dg = qGreen(la[x]) - qGreen(lb[x]);
            const int db = qBlue(la[x]) - qBlue(lb[x]);
            sum += dr * dr + dg * dg + db * db;
        }
    }
    const double mse = sum / (3.0 * a.width() * a.height());
    return mse == 0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
}

QImage wholeDecodeFitted(const QString& path, int freeWidth)
{
    const QImage full = imaging::readImage(path);
    const QSize target(freeWidth, int(std::lround(double(full.height()) * freeWidth / full.width())));
    return imaging::resampleLanczos3(full, target, kThreads);
}

// The Open Photo command on a window whose free canvas width is the argument
// plus the panel's 314 pixels.
void BM_OpenPhotoCommand(benchmark::State& state)
{
    const int freeWidth = int(state.range(0));
    InstantDialogs dialogs;
    dialogs.path = content().photo;
    MainWindow window(ContentPaths(content().root), dialogs);
    window.resize(freeWidth + 314, 1000);
    window.formActivate();
    QAction* open = window.actions().action(QStringLiteral("AbrirFoto1"));
    for (auto _ : state) {
        open->trigger();
        benchmark::DoNotOptimize(window.composition().photo().image.constBits());
    }
    if (dialogs.messages != 0 || window.composition().photo().image.width() != freeWidth
        || window.composition().layerCount() != 2)
        state.SkipWithError("the photo was not placed as expected");
}
BENCHMARK(BM_OpenPhotoCommand)->Arg(710)->Arg(1286)->Arg(1920)
    ->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadFittedPhoto(benchmark::State& state)
{
    const int freeWidth = int(state.range(0));
    FittedPhoto photo;
    for (auto _ : state) {
        photo = readFittedPhoto(content().photo, freeWidth, Qt::white, kThreads);
        benchmark::DoNotOptimize(photo.image.constBits());
    }
    state.counters["psnr_dB"] = psnr(photo.image, wholeDecodeFitted(content().photo, freeWidth));
}
BENCHMARK(BM_ReadFittedPhoto)->Arg(710)->Arg(1286)->Arg(1920)
    ->Unit(benchmark::kMillisecond)->UseRealTime();

// What the reading step would cost without the DCT scaling.
void BM_WholeDecodeThenLanczos(benchmark::State& state)
{
    const int freeWidth = int(state.range(0));
    for (auto _ : state) {
        QImage fitted = wholeDecodeFitted(content().photo, freeWidth);
        benchmark::DoNotOptimize(fitted.constBits());
    }
}
BENCHMARK(BM_WholeDecodeThenLanczos)->Arg(1286)->Unit(benchmark::kMillisecond)->UseRealTime();

// A twice-the-width DCT scale, for the quality comparison with the chosen once.
void BM_DoubleWidthScaleThenLanczos(benchmark::State& state)
{
    const int freeWidth = int(state.range(0));
    QFile file(content().photo);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    const QByteArray data = file.readAll();
    QImage fitted;
    for (auto _ : state) {
        const QImage scaled = imaging::decodeJpeg(data, content().photo, 2 * freeWidth);
        fitted = imaging::resampleLanczos3(
            scaled, QSize(freeWidth, int(std::lround(4000.0 * freeWidth / 6000.0))), kThreads);
        benchmark::DoNotOptimize(fitted.constBits());
    }
    state.counters["psnr_dB"] = psnr(fitted, wholeDecodeFitted(content().photo, freeWidth));
}
BENCHMARK(BM_DoubleWidthScaleThenLanczos)->Arg(1286)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return morvane::bench::runWithApplication(argc, argv, [] { content(); });
}
