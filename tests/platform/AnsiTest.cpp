#include "platform/Ansi.h"

#include <gtest/gtest.h>

TEST(Ansi, EncodesGbkBytes) {
    EXPECT_EQ(Ansi::encode(QStringLiteral("否")), QByteArray("\xB7\xF1"));
    EXPECT_EQ(Ansi::encode(QStringLiteral("a否b")), QByteArray("a\xB7\xF1"
                                                               "b"));
    EXPECT_EQ(Ansi::decode("\xB7\xF1"), QStringLiteral("否"));
}

TEST(Ansi, RoundTripsTextOutsideGbk) {
    const QString text = QStringLiteral("emoji 😀 and ẞ");
    EXPECT_EQ(Ansi::decode(Ansi::encode(text)), text);
}

TEST(Ansi, DecodesInvalidBytesAsReplacement) {
    // 0x81 opens a two-byte character; 0x20 cannot follow it, and 0xFF is never valid.
    const QString text = Ansi::decode(QByteArray("a\x81 b\xFF", 6));
    EXPECT_TRUE(text.startsWith('a'));
    EXPECT_TRUE(text.contains(QChar(0xFFFD)));
    EXPECT_TRUE(text.contains('b'));
    EXPECT_EQ(Ansi::decode(QByteArray("\xB7", 1)), QString(QChar(0xFFFD)));
}

TEST(Ansi, CountsAndCutsWithoutSplittingCharacters) {
    struct Case {
        QString text;
        qsizetype limit;
        qsizetype bytes;
        QString cut;
    };
    const Case cases[] = {
        {"abc", 2, 3, "ab"},
        {QStringLiteral("中文字"), 3, 6, QStringLiteral("中")},
        {QStringLiteral("中文字"), 4, 6, QStringLiteral("中文")},
        {QStringLiteral("a中"), 2, 3, "a"},
        {QStringLiteral("😀x"), 3, 5, ""},
        {QStringLiteral("😀x"), 5, 5, QStringLiteral("😀x")},
        {"", 5, 0, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Ansi::byteLength(c.text), c.bytes) << c.text.toStdString();
        EXPECT_EQ(Ansi::cutToBytes(c.text, c.limit), c.cut) << c.text.toStdString();
    }
}
