#pragma once

#include <QProcess>
#include <QStringList>

class TempEnvironment;

// The real executable, started in a test's temporary folders with the offscreen
// platform; its message boxes go to messages.log in the test's folder.
class CorvaneProcess {
public:
    CorvaneProcess(const TempEnvironment& env, const QStringList& arguments);
    ~CorvaneProcess();

    QProcess& process() { return process_; }
    bool running() const { return process_.state() != QProcess::NotRunning; }
    // Waits for the process to end on its own, serving the test's events meanwhile.
    bool finished(int boundMs = 20000);
    QString output();

private:
    QProcess process_;
};
