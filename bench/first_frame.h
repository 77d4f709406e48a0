#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include "process_report.h"

// Ends the program once `watched` has painted for the first time: the first frame is done
// when the paint pass that painted it returns (the window's flush included), and its time is
// printed then.
class QuitAfterFirstPaint : public QObject {
public:
    explicit QuitAfterFirstPaint(QWidget& watched)
        : QObject(&watched) {
        watched.installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, qApp, [] {
                printFirstFrameTime();
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};
