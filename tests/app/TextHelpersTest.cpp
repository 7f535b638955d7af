#include "app/TextHelpers.h"

#include <gtest/gtest.h>

TEST(TextHelpers, MenuCaption) {
    struct Case {
        QString text;
        int max;
        QString caption;
    };
    const Case cases[] = {
        {"a&b", 0, "a&&b"},
        {"a&&b", 0, "a&&&b"},
        {"&", 0, "&&"},
        {"x&y&z", 0, "x&&y&&z"},
        {"short", 40, "short"},
        {"abcdef", 3, "abc..."},
        {"abcdef", 6, "abcdef"},
        {"abc", -1, "abc"},
        // Three bytes hold one and a half characters: the half is dropped.
        {QStringLiteral("中文标题"), 3, QStringLiteral("中...")},
        {QStringLiteral("中文标题"), 4, QStringLiteral("中文...")},
        {QStringLiteral("a&中文"), 2, QStringLiteral("a&&...")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MenuCaption(c.text, c.max), c.caption) << c.text.toStdString() << " " << c.max;
}

TEST(TextHelpers, RemoveAll) {
    struct Case {
        QString text, part, result;
    };
    const Case cases[] = {
        {"aabb", "ab", ""},  {"&File", "&", "File"}, {"a&&b", "&", "ab"},
        {"abc", "x", "abc"}, {"abc", "", "abc"},     {"xaxbx", "x", "ab"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RemoveAll(c.text, c.part), c.result) << c.text.toStdString();
}

TEST(TextHelpers, StripFileNameChars) {
    EXPECT_EQ(StripFileNameChars(R"(a\b/c:d*e?f"g<h>i|j)"), "abcdefghij");
    EXPECT_EQ(StripFileNameChars(QStringLiteral(" 新闻 - 首页. ")),
              QStringLiteral(" 新闻 - 首页. "));
}
