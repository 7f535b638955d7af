#pragma once

#include <QString>

// A caption for a menu entry, tab or status text: cut to maxBytes bytes of the
// program's 8-bit text with "..." appended when it is longer (never half a
// character; 0 means no cut), then every "&" doubled so that it shows as itself.
QString MenuCaption(const QString& text, int maxBytes);

// The text with every occurrence of part removed, also those that removing
// others brings together ("aabb" less "ab" is empty).
QString RemoveAll(QString text, const QString& part);

// The text without the characters a file name may not hold: \ / : * ? " < > |
QString StripFileNameChars(QString text);
