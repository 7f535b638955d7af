#pragma once

#include <QByteArray>
#include <QString>

// The program's 8-bit text: GB18030, a superset of GBK (code page 936) that is
// byte-identical for every GBK character and lossless for everything else.
namespace Ansi {

QByteArray encode(const QString& text);

// Undecodable bytes become U+FFFD; decoding never fails.
QString decode(QByteArrayView bytes);

// Bytes the text takes on disk: one for ASCII, two for a GBK character.
qsizetype byteLength(const QString& text);

// The longest prefix of the text that fits in maxBytes without splitting a character.
QString cutToBytes(const QString& text, qsizetype maxBytes);

} // namespace Ansi
