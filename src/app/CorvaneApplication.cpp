#include "app/CorvaneApplication.h"

#include "platform/MessageBoxes.h"
#include "platform/ProgramError.h"

CorvaneApplication::CorvaneApplication(int& argc, char** argv) : QApplication(argc, argv) {
}

namespace {

CorvaneApplication::EventHook eventHook;

} // namespace

bool CorvaneApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    ReportingErrors([&] {
        // Here an event is seen once; it then travels up its receiver's parents.
        if (eventHook && eventHook(receiver, event))
            handled = true;
        else
            handled = QApplication::notify(receiver, event);
    });
    return handled;
}

void CorvaneApplication::SetEventHook(EventHook hook) {
    eventHook = std::move(hook);
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
