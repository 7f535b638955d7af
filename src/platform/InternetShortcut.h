#pragma once

#include <QString>

// Internet shortcut files (.url): the key "URL" of the section "InternetShortcut".
namespace InternetShortcut {

// The stored address; empty when the file cannot be read or holds none.
QString readUrl(const QString& path);

} // namespace InternetShortcut
