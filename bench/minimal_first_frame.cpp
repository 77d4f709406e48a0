// The floor for start-up: the least a Qt program can do to show a window of the toy's size
// with a menu bar, ended after its first painted frame.
#include "first_frame.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    auto* client = new QWidget(&window);
    client->setFixedSize(599, 439);
    window.setCentralWidget(client);
    new QuitAfterFirstPaint(*client);
    window.show();
    const int status = QApplication::exec();
    printPeakMemory();
    return status;
}
