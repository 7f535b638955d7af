// Times the shell's own work on pages, with fake browsers so the engine's load is left out.
#include "app/SettingsStore.h"
#include "app/TfrmCorvaneMain.h"
#include "pages/TTabButton.h"
#include "pages/TabStrip.h"
#include "pages/TfrmPage.h"
#include "support/FakeWebBrowser.h"
#include "support/TempEnvironment.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The median of the runs, in microseconds.
double medianMicros(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void report(const char* what, double micros, double targetMicros) {
    std::printf("%-44s %10.1f us   (target below %.0f us)\n", what, micros, targetMicros);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TempEnvironment env;
    const SettingsStore store(env.programFolder(), QSize(1280, 800));
    writeFile(store.path(), "[Corvane Settings]\r\nMaximized=\xB7\xF1\r\nWidth=1024\r\n"
                            "Height=700\r\nStartsWithHomePage=\xB7\xF1\r\n");

    {
        TabStrip strip;
        strip.resize(1024, 30);
        std::vector<TTabButton*> tabs;
        for (int i = 0; i < 500; ++i) {
            tabs.push_back(new TTabButton);
            tabs.back()->setCaption(QStringLiteral("页面 %1").arg(i));
            strip.addTab(tabs.back());
        }
        strip.show();
        report("ArrangeTabs, 500 tabs", medianMicros(200, [&] { strip.ArrangeTabs(); }), 1000);
    }

    TfrmCorvaneMain main(
        store, [] { return new FakeWebBrowser; }, QString(), nullptr);
    main.FormCreate();
    main.show();
    QCoreApplication::processEvents();
    for (int i = 0; i < 20; ++i)
        main.NewPage(false, true)->NavigatePage(QStringLiteral("http://example.test/%1").arg(i));
    int next = 0;
    report(
        "Activating a page (20 open)",
        medianMicros(200, [&] { main.Page(main.PageCount() - 1 - (next++ % 3))->FormActivate(); }),
        2000);
    report("NewPage + NavigatePage (20 open, and growing)",
           medianMicros(
               100,
               [&] {
                   main.NewPage(false, true)->NavigatePage(QStringLiteral("http://example.test/"));
               }),
           5000);
    return 0;
}
