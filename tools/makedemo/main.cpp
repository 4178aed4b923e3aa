// makedemo <program folder> <static content folder>
//
// Lays the demo content tree beside the executable at build time; files that
// already exist are left as they are.

#include "DemoContent.h"

#include "common/Error.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // Drawing needs a GUI application (fonts, raster engine) but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: makedemo <program folder> <static content folder>\n");
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    try {
        const auto result = morvane::demo::generateDemoContent(args.at(1), args.at(2));
        std::printf("makedemo: %d files written, %d kept, %lld ms\n", result.written, result.kept,
                    static_cast<long long>(timer.elapsed()));
    } catch (const morvane::Error& error) {
        std::fprintf(stderr, "makedemo: %s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
