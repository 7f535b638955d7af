#pragma once

#include <QString>

// The folder of the settings and data files, with its trailing separator: the
// executable's folder when it is writable (a portable install), else
// $XDG_DATA_HOME/corvane/; CORVANE_PROGRAM_FOLDER overrides both. The folder is
// created when missing.
QString LocateProgramFolder();
