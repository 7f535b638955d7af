#include "support/TempEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

TempEnvironment::TempEnvironment() {
    QDir().mkpath(programFolder());
    set("CORVANE_PROGRAM_FOLDER", programFolder().toUtf8());
    set("CORVANE_REGISTRY_DIR", path("registry").toUtf8());
    set("CORVANE_FAVORITES", path("Favorites").toUtf8());
    set("XDG_CONFIG_HOME", path("config").toUtf8());
    set("XDG_DATA_HOME", path("data").toUtf8());
    set("XDG_CACHE_HOME", path("cache").toUtf8());
}

TempEnvironment::~TempEnvironment() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
        if (it->second)
            qputenv(it->first.constData(), *it->second);
        else
            qunsetenv(it->first.constData());
    }
}

void TempEnvironment::set(const char* name, const QByteArray& value) {
    std::optional<QByteArray> old;
    if (qEnvironmentVariableIsSet(name))
        old = qgetenv(name);
    saved_.emplace_back(name, old);
    qputenv(name, value);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
