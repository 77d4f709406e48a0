// Draws the toy's artwork and writes it into the folder given on the command line.
// Run through scripts/make-artwork; the results are committed beside this file's folder.
#include "artwork.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

QString outDir;

bool save(const QImage& image, const QString& name) {
    const QString path = outDir + QLatin1Char('/') + name;
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace artwork;
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_artwork OUTPUT-FOLDER\n");
        return 2;
    }
    outDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outDir);
    if (!QFontDatabase::families().contains(QStringLiteral("Dancing Script")))
        std::fprintf(stderr, "warning: the Dancing Script font is missing\n");

    // The main window's pictures at 1 device pixel a point, and at 2 and 3 for sharper screens.
    bool ok = true;
    for (int scale : {1, 2, 3}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
        const int half = 32 * scale;
        const QImage leftKnob = knob(true, -1, 0, scale);
        const QImage rightKnob = knob(false, 0, -1, scale);
        const std::pair<QImage, const char*> pictures[] = {
            {background(scale), "background"},
            {leftKnob.copy(0, 0, half, 2 * half), "knob_left"},
            {leftKnob.copy(half, 0, half, 2 * half), "knob_right"},
            {rightKnob.copy(0, 0, 2 * half, half), "knob_up"},
            {rightKnob.copy(0, half, 2 * half, half), "knob_down"}};
        for (const auto& [picture, name] : pictures)
            ok =
                ok && save(toRgb24(picture), QLatin1String(name) + suffix + QStringLiteral(".bmp"));
    }
    const QImage small = icon();
    ok = ok && save(small, QStringLiteral("icon.bmp")) &&
         save(toIndexed256(aboutPicture()), QStringLiteral("about.bmp"));
    // The .ico of the Windows program: the window icon at 32, each other size drawn for itself.
    std::vector<IcoImage> ico;
    for (int size : {16, 20, 24, 32, 40, 48, 64, 256})
        ico.push_back(size == 32    ? indexedIcoImage(small)
                      : size == 256 ? pngIcoImage(iconAt(size))
                                    : argbIcoImage(iconAt(size)));
    ok = ok && writeIco(ico, outDir + QStringLiteral("/scribblewick.ico"));
    // The desktop's icons, one per size a desktop asks for, and the web app's 192 and 512.
    QDir().mkpath(outDir + QStringLiteral("/icons"));
    for (int size : {16, 24, 32, 48, 64, 128, 192, 256, 512})
        ok = ok && save(iconAt(size), QStringLiteral("icons/%1.png").arg(size));
    // The Windows setup's pictures, for 100 % and for 200 % and more.
    QDir().mkpath(outDir + QStringLiteral("/setup"));
    for (int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@2x");
        ok = ok &&
             save(toRgb24(setupSidePicture(scale)),
                  QStringLiteral("setup/side%1.bmp").arg(suffix)) &&
             save(toRgb24(setupHeaderPicture(scale)),
                  QStringLiteral("setup/header%1.bmp").arg(suffix));
    }
    return ok ? 0 : 1;
}
