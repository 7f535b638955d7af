#include "app/CorvaneApplication.h"

#include "platform/MessageBoxes.h"
#include "platform/ProgramError.h"

CorvaneApplication::CorvaneApplication(int& argc, char** argv) : QApplication(argc, argv) {
}

bool CorvaneApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    ReportingErrors([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void CorvaneApplication::ReportingErrors(const std::function<void()>& work) {
    try {
        work();
    } catch (const ProgramError& error) {
        MessageBoxes::current().reportError(error.message());
    } catch (const std::exception& error) {
        MessageBoxes::current().reportError(QString::fromLocal8Bit(error.what()));
    }
}
