#include "save.h"

#include "save_dialog.h"

#include "translations/language.h"

#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMimeData>
#include <QSaveFile>

#ifdef Q_OS_WASM
#include <QFileDialog>
#include <emscripten/bind.h>
#include <emscripten/val.h>
#endif
#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

namespace output {
namespace {
// Why a picture was not saved, in the words the failure message shows.
struct Saving {
    Q_DECLARE_TR_FUNCTIONS(Saving)
};
} // namespace

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
    SaveDialog dialog(parent, DialogTitle, InitDir);
    dialog.setNameFilters(filters);
    QString suffix = DefaultExt;
    if (suffix.startsWith(QLatin1Char('.'))) suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (!FileName.isEmpty()) dialog.selectFile(FileName);
    dialog.exec();
    FileName = dialog.chosenPath();
}

namespace {

// A path as a message shows it: the system's separators, set apart from the sentence.
QString native(const QString& path) {
    return translations::isolated(QDir::toNativeSeparators(path));
}

// The owner's, group's and others' bits as the file has them; QFileInfo's "user" bits say what
// this process may do, which for root is everything.
QFileDevice::Permissions modeOf(const QFileInfo& file) {
    constexpr QFileDevice::Permissions modeBits =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
        QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
        QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    return file.permissions() & modeBits;
}

// The system's own words, as part of a sentence of ours: Windows ends its messages with a full
// stop, which would otherwise come twice.
QString reasonOf(const QIODevice& device) {
    QString reason = device.errorString();
    if (reason.endsWith(QLatin1Char('.'))) reason.chop(1);
    return reason;
}

// The system's reason why this process may not write to `path`, or "" when it may.
QString writeRefusal(const QString& path) {
#ifdef Q_OS_UNIX
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0 ? QString()
                                                                    : qt_error_string(errno);
#else
    //: Said of a file or of a folder, after "cannot write to %1:" or "cannot write in the folder
    //: %1:".
    return QFileInfo(path).isWritable() ? QString() : Saving::tr("it is read-only");
#endif
}

// Why a file could not be made at `path`: the folder's refusal when it is the folder's.
QString openFailure(const QSaveFile& file, const QString& path) {
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.exists())
        return Saving::tr("the folder %1 does not exist").arg(native(folder.filePath()));
    if (!folder.isDir()) return Saving::tr("%1 is not a folder").arg(native(folder.filePath()));
    if (const QString refusal = writeRefusal(folder.filePath()); !refusal.isEmpty())
        return Saving::tr("cannot write in the folder %1: %2")
            .arg(native(folder.filePath()), refusal);
    if (QFileInfo::exists(path))
        if (const QString refusal = writeRefusal(path); !refusal.isEmpty())
            return Saving::tr("cannot write to %1: %2").arg(native(path), refusal);
    return reasonOf(file);
}

} // namespace

QString encodePicture(const Picture& picture, const char* format, QByteArray& bytes) {
    if (picture.isNull() || picture.image().size().isEmpty())
        return Saving::tr("the picture is empty");
    QBuffer encoded(&bytes);
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, format);
    if (!writer.write(picture.image())) return writer.errorString();
    return {};
}

QString writeBitmap(const Picture& picture, const QString& path) {
    if (picture.isNull() || picture.image().size().isEmpty())
        return Saving::tr("the picture is empty");
    // What the name finally means is what gets replaced; links on the way stay as they are.
    QFileInfo target(path);
    int links = 0;
    for (; target.isSymLink(); ++links) {
        if (links == 40) return Saving::tr("its links lead round in a circle");
        target.setFile(target.symLinkTarget());
    }
    const QString leadsTo = native(target.filePath());
    if (target.isDir())
        return links == 0 ? Saving::tr("it is a folder")
                          : Saving::tr("it leads to %1, which is a folder").arg(leadsTo);
    // Devices, pipes and sockets are never replaced by a file of ours.
    if (target.exists() && !target.isFile())
        return links == 0 ? Saving::tr("it is not a regular file")
                          : Saving::tr("it leads to %1, which is not a regular file").arg(leadsTo);
    const bool replacing = target.exists();
    // Encoded first, then written unbuffered: a buffered QFileDevice loses the system's reason
    // for a short write ("Unknown error" on a full disk), a direct write keeps it.
    QByteArray bytes;
    if (QString error = encodePicture(picture, "bmp", bytes); !error.isEmpty()) return error;
    QSaveFile file(target.filePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return openFailure(file, target.filePath());
    if (replacing) file.setPermissions(modeOf(target));
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            QString reason = reasonOf(file);
            file.cancelWriting();
            return reason;
        }
        done += written;
    }
    if (!file.commit()) return reasonOf(file);
#ifdef Q_OS_UNIX
    // Root replacing another user's file gives it back to that user; the picture is saved
    // either way, so a file system that keeps no owners changes nothing.
    if (replacing && ::geteuid() == 0 && (target.ownerId() != 0 || target.groupId() != 0))
        (void)!::chown(QFile::encodeName(target.filePath()).constData(), target.ownerId(),
                       target.groupId());
#endif
    return {};
}

#ifdef Q_OS_WASM
QString downloadBitmap(const Picture& picture, const QString& name) {
    QByteArray bytes;
    if (QString error = encodePicture(picture, "bmp", bytes); !error.isEmpty()) return error;
    QFileDialog::saveFileContent(bytes, name);
    return {};
}

namespace {
std::function<void(const QString&)>& clipboardRefusal() {
    static std::function<void(const QString&)> handler;
    return handler;
}

// Called by the page when the browser refuses the write; answered once the page's call is over.
void clipboardRefused(const std::string& reason) {
    QString why = QString::fromStdString(reason);
    if (why.endsWith(QLatin1Char('.'))) why.chop(1); // the sentence around it ends it
    if (clipboardRefusal())
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [why] { clipboardRefusal()(why); }, Qt::QueuedConnection);
}
} // namespace

EMSCRIPTEN_BINDINGS(scribblewick_clipboard) {
    emscripten::function("scribblewickClipboardRefused", &clipboardRefused);
}

void onClipboardRefused(std::function<void(const QString& reason)> handler) {
    clipboardRefusal() = std::move(handler);
}

// The browser's clipboard takes a PNG through its Clipboard API; its answer comes later.
void clearClipboard() {}

QString putOnClipboard(const Picture& picture) {
    const emscripten::val page = emscripten::val::global("scribblewick");
    if (page.isUndefined()) return Saving::tr("there is no clipboard");
    QByteArray png;
    if (!encodePicture(picture, "png", png).isEmpty())
        return Saving::tr("the clipboard did not take the picture");
    page.call<void>(
        "copy",
        emscripten::val(emscripten::typed_memory_view(
            size_t(png.size()), reinterpret_cast<const unsigned char*>(png.constData()))),
        emscripten::val::module_property("scribblewickClipboardRefused"));
    return {};
}
#else
void clearClipboard() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->clear();
}

QString putOnClipboard(const Picture& picture) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return Saving::tr("there is no clipboard");
    clipboard->setImage(picture.image().convertToFormat(QImage::Format_RGB32));
    if (!clipboard->mimeData() || !clipboard->mimeData()->hasImage())
        return Saving::tr("the clipboard did not take the picture");
    return {};
}
#endif

} // namespace output
