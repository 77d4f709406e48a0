#pragma once

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

// A CUPS scheduler of the test's own, as CUPS's own tests run one: configuration, spool, socket
// and output in a temporary folder, run as the user running the test, ended by its process id.
// Its one queue, the default, uses the cups-pdf printer's description and writes each job into
// a file: PDF for a job CUPS converts, the PostScript itself for a raw one (Wine sends those).
// The system's scheduler, queues and default printer are never touched.
class CupsScheduler {
public:
    CupsScheduler();
    ~CupsScheduler();
    CupsScheduler(const CupsScheduler&) = delete;
    CupsScheduler& operator=(const CupsScheduler&) = delete;

    bool isReady() const { return error_.isEmpty(); }
    QString error() const { return error_; }
    // CUPS_SERVER pointing at this scheduler, for the program that prints.
    QProcessEnvironment environment() const;

    // Waits for the queue's job to be done and renders what it printed, one image a page, at
    // `dpi`; empty when nothing was printed within `timeoutMs`. `raw` receives the file's start.
    QList<QImage> printedPages(int dpi, int timeoutMs, QByteArray* head = nullptr);

private:
    QString lp(const QString& program, const QStringList& arguments, bool* ok = nullptr) const;

    QTemporaryDir dir_;
    QProcess cupsd_;
    QString error_;
};

// What is wrong with a printed page that should show the toy: turned a quarter round on a
// portrait page or upright on a landscape one, undistorted, across the page's short side from
// the printable area's corner, its red frame a good part of it. "" when nothing is.
QString printedToyProblem(const QImage& page);
