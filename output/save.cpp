#include "save.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMimeData>
#include <QSaveFile>

namespace output {

void CommonDialog::ShowSave(QWidget* parent) {
    if (scriptedAnswer) {
        FileName = scriptedAnswer(*this);
        return;
    }
    // "Bitmap Image (*.bmp)|*.bmp": pairs of description and pattern; Qt wants the
    // descriptions, which name their patterns.
    QStringList filters;
    const QStringList parts = Filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i];
    QFileDialog dialog(parent, DialogTitle);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    QString suffix = DefaultExt;
    if (suffix.startsWith(QLatin1Char('.'))) suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (!FileName.isEmpty()) dialog.selectFile(FileName);
    FileName = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                   ? dialog.selectedFiles().constFirst()
                   : QString();
}

QString writeBitmap(const Picture& picture, const QString& path) {
    if (picture.isNull() || picture.image().size().isEmpty())
        return QStringLiteral("the picture is empty");
    if (QFileInfo(path).isDir()) return QStringLiteral("it is a folder");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    QImageWriter writer(&file, "bmp");
    if (!writer.write(picture.image())) {
        file.cancelWriting();
        return writer.errorString();
    }
    if (!file.commit()) return file.errorString();
    return {};
}

void clearClipboard() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->clear();
}

QString putOnClipboard(const Picture& picture) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return QStringLiteral("there is no clipboard");
    clipboard->setImage(picture.image().convertToFormat(QImage::Format_RGB32));
    if (!clipboard->mimeData() || !clipboard->mimeData()->hasImage())
        return QStringLiteral("the clipboard did not take the picture");
    return {};
}

} // namespace output
