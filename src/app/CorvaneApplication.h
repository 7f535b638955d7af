#pragma once

#include <QApplication>

#include <functional>

// The application object. An error that escapes a command or event handler ends
// that handler only: it is shown in the standard error box and the program runs on.
class CorvaneApplication : public QApplication {
    Q_OBJECT

public:
    CorvaneApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Runs the work the same way outside event delivery (start-up steps).
    static void ReportingErrors(const std::function<void()>& work);

    // The one hook that sees every event once, before it is delivered, and may drop
    // it by returning true; an empty function removes it.
    using EventHook = std::function<bool(QObject* receiver, QEvent* event)>;
    static void SetEventHook(EventHook hook);
};
