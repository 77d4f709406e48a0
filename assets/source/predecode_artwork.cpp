// Decodes each BMP given on the command line into raw 32-bit pixels for embedding, so the
// program spends no time decoding at start: a header of width and height, then the rows,
// 0xffRRGGBB a pixel; every 32-bit value little endian, whatever machine builds it.
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QtEndian>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: predecode_artwork OUTPUT-FOLDER PICTURE.bmp...\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const QString source = QString::fromLocal8Bit(argv[i]);
        const QImage image = QImage(source).convertToFormat(QImage::Format_RGB32);
        if (image.isNull()) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 1;
        }
        QFile out(folder + QLatin1Char('/') + QFileInfo(source).completeBaseName() +
                  QStringLiteral(".rgb32"));
        if (!out.open(QIODevice::WriteOnly)) return 1;
        const quint32 header[2] = {qToLittleEndian(quint32(image.width())),
                                   qToLittleEndian(quint32(image.height()))};
        out.write(reinterpret_cast<const char*>(header), sizeof header);
        std::vector<quint32> row(std::size_t(image.width()));
        for (int y = 0; y < image.height(); ++y) {
            qToLittleEndian<quint32>(image.constScanLine(y), image.width(), row.data());
            out.write(reinterpret_cast<const char*>(row.data()), image.width() * 4);
        }
        if (!out.flush()) return 1;
    }
    return 0;
}
