#include "cups_scheduler.h"

#include "xsession.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>
#include <sys/stat.h>

namespace {

constexpr const char* Queue = "scribblewick-test";
constexpr const char* CupsPdfPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

bool writeFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

} // namespace

CupsScheduler::CupsScheduler() {
    if (!dir_.isValid()) {
        error_ = QStringLiteral("no temporary folder");
        return;
    }
    const QString root = dir_.path();
    QDir(root).mkpath(QStringLiteral("spool/tmp"));
    for (const char* sub : {"cache", "state", "log", "out"})
        QDir(root).mkpath(QString::fromLatin1(sub));
    // Run as root, the scheduler hands the filters to the lp user: they must reach these.
    QFile::setPermissions(root, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                    QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup |
                                    QFile::ExeGroup);
    ::chmod(QFile::encodeName(root + QStringLiteral("/spool/tmp")).constData(), 01777);

    const QByteArray r = QFile::encodeName(root);
    bool ok = writeFile(
        root + QStringLiteral("/cups-files.conf"),
        "FileDevice Yes\nServerRoot " + r + "\nStateDir " + r + "/state\nCacheDir " + r +
            "/cache\nRequestRoot " + r + "/spool\nTempDir " + r + "/spool/tmp\nAccessLog " + r +
            "/log/access_log\nErrorLog " + r + "/log/error_log\nPageLog " + r + "/log/page_log\n");
    ok = ok && writeFile(root + QStringLiteral("/cupsd.conf"),
                         "Listen " + r +
                             "/cups.sock\nBrowsing Off\nWebInterface No\nLogLevel warn\n"
                             "<Policy default>\n<Limit All>\nOrder Allow,Deny\nAllow all\n"
                             "</Limit>\n</Policy>\n");
    // The cups-pdf printer's pages and margins, its output kept as PDF in a file of ours.
    QFile ppd(QString::fromLatin1(CupsPdfPpd));
    QByteArray description = ppd.open(QIODevice::ReadOnly) ? ppd.readAll() : QByteArray();
    description.replace("*cupsFilter:", "*% cupsFilter:");
    description.replace("*PPD-Adobe: \"4.3\"\n",
                        "*PPD-Adobe: \"4.3\"\n*cupsFilter2: \"application/vnd.cups-pdf "
                        "application/pdf 0 -\"\n");
    ok =
        ok && !description.isEmpty() && writeFile(root + QStringLiteral("/queue.ppd"), description);
    if (!ok) {
        error_ = QStringLiteral("could not write the scheduler's configuration");
        return;
    }

    cupsd_.setProcessChannelMode(QProcess::ForwardedChannels);
    cupsd_.start(QStringLiteral("cupsd"),
                 {QStringLiteral("-f"), QStringLiteral("-c"), root + QStringLiteral("/cupsd.conf"),
                  QStringLiteral("-s"), root + QStringLiteral("/cups-files.conf")});
    const QDeadlineTimer deadline(20000);
    while (!QFile::exists(root + QStringLiteral("/cups.sock")) && !deadline.hasExpired() &&
           cupsd_.state() != QProcess::NotRunning)
        QThread::msleep(50);
    if (!QFile::exists(root + QStringLiteral("/cups.sock"))) {
        error_ = QStringLiteral("cupsd did not start");
        return;
    }
    const QString added =
        lp(QStringLiteral("lpadmin"),
           {QStringLiteral("-p"), QString::fromLatin1(Queue), QStringLiteral("-E"),
            QStringLiteral("-v"), QStringLiteral("file://") + root + QStringLiteral("/out/page"),
            QStringLiteral("-P"), root + QStringLiteral("/queue.ppd")},
           &ok);
    if (ok) lp(QStringLiteral("lpadmin"), {QStringLiteral("-d"), QString::fromLatin1(Queue)}, &ok);
    if (!ok) error_ = QStringLiteral("lpadmin could not add the queue: ") + added;
}

CupsScheduler::~CupsScheduler() {
    if (cupsd_.state() != QProcess::NotRunning) {
        cupsd_.terminate(); // by its process id
        if (!cupsd_.waitForFinished(10000)) {
            cupsd_.kill();
            cupsd_.waitForFinished();
        }
    }
}

QProcessEnvironment CupsScheduler::environment() const {
    QProcessEnvironment env;
    env.insert(QStringLiteral("CUPS_SERVER"), dir_.filePath(QStringLiteral("cups.sock")));
    return env;
}

QString CupsScheduler::lp(const QString& program, const QStringList& arguments, bool* ok) const {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(environment());
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool done = process.waitForFinished(30000) &&
                      process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (ok) *ok = done;
    return QString::fromLocal8Bit(process.readAll()).trimmed();
}

QList<QImage> CupsScheduler::printedPages(int dpi, int timeoutMs, QByteArray* head) {
    const QString printed = dir_.filePath(QStringLiteral("out/page"));
    const QDeadlineTimer deadline(timeoutMs);
    // Done: a completed job, none waiting, and the file there.
    auto done = [&] {
        return QFile::exists(printed) &&
               lp(QStringLiteral("lpstat"), {QStringLiteral("-o")}).isEmpty() &&
               !lp(QStringLiteral("lpstat"),
                   {QStringLiteral("-W"), QStringLiteral("completed"), QStringLiteral("-o")})
                    .isEmpty();
    };
    while (!done()) {
        if (deadline.hasExpired()) return {};
        QThread::msleep(200);
    }
    QFile file(printed);
    if (head && file.open(QIODevice::ReadOnly)) *head = file.read(1024);

    // Ghostscript reads PDF and PostScript alike.
    QDir pages(dir_.filePath(QStringLiteral("pages")));
    pages.removeRecursively();
    pages.mkpath(QStringLiteral("."));
    QProcess gs;
    gs.start(QStringLiteral("gs"),
             {QStringLiteral("-q"), QStringLiteral("-dSAFER"), QStringLiteral("-dBATCH"),
              QStringLiteral("-dNOPAUSE"), QStringLiteral("-sDEVICE=png16m"),
              QStringLiteral("-r%1").arg(dpi),
              QStringLiteral("-sOutputFile=") + pages.filePath(QStringLiteral("page-%02d.png")),
              printed});
    if (!gs.waitForFinished(60000) || gs.exitCode() != 0) return {};
    QList<QImage> images;
    for (const QString& name :
         pages.entryList({QStringLiteral("page-*.png")}, QDir::Files, QDir::Name))
        images.append(QImage(pages.filePath(name)).convertToFormat(QImage::Format_RGB32));
    return images;
}

QString printedToyProblem(const QImage& page) {
    const QRect box = inkedBox(page);
    if (box.isEmpty()) return QStringLiteral("the page is blank");
    const bool turned = page.height() > page.width();
    const double ratio =
        turned ? double(box.height()) / box.width() : double(box.width()) / box.height();
    if (qAbs(ratio - 599.0 / 439.0) > 0.03)
        return QStringLiteral("printed in the proportions %1").arg(ratio);
    const int shortSide = qMin(page.width(), page.height());
    const int filled = turned ? box.width() : box.height();
    if (filled < shortSide * 0.85)
        return QStringLiteral("fills %1 of the short side's %2").arg(filled).arg(shortSide);
    if (box.left() > page.width() * 0.1 || box.top() > page.height() * 0.1)
        return QStringLiteral("printed away from the corner, at %1, %2")
            .arg(box.left())
            .arg(box.top());
    int red = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const QColor c = page.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 60 && c.blue() < 60;
        }
    if (red <= box.width() * box.height() / 4)
        return QStringLiteral("only %1 red pixels: not the toy").arg(red);
    return {};
}
