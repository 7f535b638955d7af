#include "support/FakeWebBrowser.h"

FakeWebBrowser::FakeWebBrowser() : widget_(new QWidget) {
}

FakeWebBrowser::~FakeWebBrowser() {
    delete widget_;
}

void FakeWebBrowser::Navigate(const QString& address) {
    bool cancel = false;
    emit BeforeNavigate2(address, cancel);
    if (!cancel)
        navigated << address;
}
