#include "app/CommandLineArgument.h"

#include "support/TempEnvironment.h"

#include <gtest/gtest.h>

TEST(CommandLineArgument, JoinsTheParametersWithSingleBlanks) {
    char program[] = "/opt/corvane/corvane";
    char first[] = "/home/u/My";
    char second[] = "Files/x.url";
    char* argv[] = {program, first, second, nullptr};
    EXPECT_EQ(CommandLineArgument(3, argv), "/home/u/My Files/x.url");
    EXPECT_EQ(CommandLineArgument(1, argv), "");
}

TEST(CommandLineArgument, ResolvesInternetShortcuts) {
    TempEnvironment env;
    writeFile(env.path("a b/Site.URL"), "[InternetShortcut]\r\nURL=http://example.test/\r\n");
    writeFile(env.path("empty.url"), "");
    const QString shortcut = env.path("a b/Site.URL");
    struct Case {
        QString text;
        std::optional<QString> address;
    };
    const Case cases[] = {
        {"", std::nullopt},
        {"http://example.test/page", "http://example.test/page"},
        {"/tmp/page.htm", "/tmp/page.htm"},
        {shortcut, "http://example.test/"},
        {shortcut + "  \t", ""}, // the extension trims, the path does not
        {'"' + shortcut + '"', '"' + shortcut + '"'},
        {"http://example.test/a.url", ""},
        {env.path("missing.url"), ""},
        {env.path("empty.url"), ""},
        {"http://example.test/dir.url/page", "http://example.test/dir.url/page"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AddressForArgument(c.text), c.address) << c.text.toStdString();
}
