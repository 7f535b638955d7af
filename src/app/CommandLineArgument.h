#pragma once

#include <QString>

#include <optional>

// The one argument of a start: everything after the program's path, the
// parameters joined by single blanks as the shell passed them.
QString CommandLineArgument(int argc, char** argv);

// What OpenAddressOrShortcut navigates a new page to for the text: nothing for an
// empty text; for a path ending in ".url" (any letter case, blanks trimmed) the URL
// stored in that shortcut, empty (a blank page) when it cannot be read; otherwise
// the text unchanged.
std::optional<QString> AddressForArgument(const QString& text);
