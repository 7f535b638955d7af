#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <functional>

// Processes events until the condition holds or the bound runs out; returns the condition.
inline bool waitFor(const std::function<bool()>& condition, int boundMs = 10000) {
    QDeadlineTimer deadline(boundMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}
