#include "pages/EngineProfile.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QWebEngineProfile>

QWebEngineProfile* EngineProfile() {
    static QWebEngineProfile* profile = [] {
        auto* p = new QWebEngineProfile(QStringLiteral("corvane"), QCoreApplication::instance());
        p->setPersistentStoragePath(
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
            QStringLiteral("/corvane/engine"));
        p->setCachePath(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                        QStringLiteral("/corvane/engine"));
        return p;
    }();
    return profile;
}
