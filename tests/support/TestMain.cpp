#include "app/CorvaneApplication.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // A screen of a known size, larger than the windows the tests make.
    QTemporaryDir config;
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        QFile screens(config.filePath("screens.json"));
        if (screens.open(QIODevice::WriteOnly))
            screens.write(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": 1280,
                             "height": 1024, "logicalDpi": 96}]})");
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toUtf8());
    }
    // The program's own application object: its event hook and error reports.
    CorvaneApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
