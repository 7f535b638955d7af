#include "app/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString LocateProgramFolder() {
    QString folder = qEnvironmentVariable("CORVANE_PROGRAM_FOLDER");
    if (folder.isEmpty()) {
        folder = QCoreApplication::applicationDirPath();
        if (!QFileInfo(folder).isWritable())
            folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                     QStringLiteral("/corvane");
    }
    QDir().mkpath(folder);
    folder = QDir(folder).absolutePath();
    return folder.endsWith('/') ? folder : folder + '/';
}
