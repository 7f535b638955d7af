#pragma once

#include <QString>

// The program's title: the caption of its message boxes and the tail of the main caption.
inline QString ApplicationTitle() {
    return QStringLiteral("Corvane 6.5");
}
