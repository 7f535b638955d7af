#include "platform/InternetShortcut.h"

#include "platform/ProfileFile.h"

namespace InternetShortcut {

QString readUrl(const QString& path) {
    return ProfileFile(path).readString(QStringLiteral("InternetShortcut"), QStringLiteral("URL"));
}

} // namespace InternetShortcut
