#pragma once

#include "picture.h"

#include <QByteArray>
#include <QString>
#include <functional>

class QWidget;

namespace output {

// The save dialog component: title, default extension, file types as "description|pattern",
// and after ShowSave the chosen path, or "" when the user chose none.
class CommonDialog {
public:
    QString DialogTitle;
    QString DefaultExt;
    QString Filter;
    QString FileName;
    QString InitDir; // the folder it opens in when no file name is given

    // Tests answer here in place of a person: a path, or "" to cancel.
    std::function<QString(const CommonDialog&)> scriptedAnswer;

    void ShowSave(QWidget* parent);
};

// Writes the picture as a Windows BMP: 24 bits per pixel, or 8 with its colour table when it
// has a palette. An existing regular file is replaced whole or left untouched, keeping its
// permissions; through a link, the file it leads to. Anything else (a device, a pipe, a folder)
// is refused. Returns "" on success, else the reason, naming the path.
QString writeBitmap(const Picture& picture, const QString& path);
// The picture as a file of `format` ("bmp": the bytes writeBitmap writes); "" on success, else
// why there are none.
QString encodePicture(const Picture& picture, const char* format, QByteArray& bytes);

#ifdef Q_OS_WASM
// Hands the BMP to the browser as a download named `name`; "" when handed over, else why not.
QString downloadBitmap(const Picture& picture, const QString& name);
// The browser answers a clipboard write later: a refusal comes here, with the browser's reason.
void onClipboardRefused(std::function<void(const QString& reason)> handler);
#endif

// The system clipboard, holding the picture as a bitmap in the formats other programs paste.
void clearClipboard();
QString putOnClipboard(const Picture& picture);

} // namespace output
