#include "app/TextHelpers.h"

#include "platform/Ansi.h"

QString MenuCaption(const QString& text, int maxBytes) {
    QString caption = text;
    if (maxBytes > 0 && maxBytes < Ansi::byteLength(text))
        caption = Ansi::cutToBytes(text, maxBytes) + QStringLiteral("...");
    // The character after an ampersand is skipped, as the menu code always did:
    // "a&&b" becomes "a&&&b".
    for (qsizetype i = 0; i < caption.size();) {
        if (caption[i] == '&') {
            caption.insert(i + 1, '&');
            i += 3;
        } else {
            ++i;
        }
    }
    return caption;
}

QString RemoveAll(QString text, const QString& part) {
    if (part.isEmpty())
        return text;
    for (qsizetype at = text.indexOf(part); at >= 0; at = text.indexOf(part))
        text.remove(at, part.size());
    return text;
}

QString StripFileNameChars(QString text) {
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    text.removeIf([](QChar c) { return forbidden.contains(c); });
    return text;
}
