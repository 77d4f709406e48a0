#pragma once

#include <QString>

// A cups-pdf queue made the system's default printer for one test, with the scheduler started
// if it was not running. Everything it added or changed is put back when it goes.
class CupsQueue {
public:
    CupsQueue();
    ~CupsQueue();
    CupsQueue(const CupsQueue&) = delete;
    CupsQueue& operator=(const CupsQueue&) = delete;

    bool isReady() const { return error_.isEmpty(); }
    QString error() const { return error_; }
    // Where cups-pdf leaves the printed files of jobs sent by this user.
    static QString outputFolder();

private:
    QString error_;
    QString previousDefault_;
    bool startedScheduler_ = false;
    bool addedQueue_ = false;
};
