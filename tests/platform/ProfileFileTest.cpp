#include "platform/ProfileFile.h"

#include "support/TempEnvironment.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

class ProfileFileTest : public ::testing::Test {
protected:
    TempEnvironment env;
    QString path = env.path("test.ini");
    ProfileFile ini{path};
};

} // namespace

TEST_F(ProfileFileTest, LooksUpNamesWithoutRegardToCase) {
    writeFile(path, "[Main]\r\nMAXIMIZED=yes\r\n  Spaced Key  =  a value  \r\nEmpty=\r\n");
    EXPECT_EQ(ini.value("main", "Maximized"), "yes");
    EXPECT_EQ(ini.value("MAIN", "spaced key"), "a value");
    EXPECT_EQ(ini.value("Main", "Empty"), "");
    EXPECT_EQ(ini.value("Main", "Missing"), std::nullopt);
    EXPECT_EQ(ini.value("Other", "Maximized"), std::nullopt);
    EXPECT_EQ(ini.keys("main"), QStringList({"MAXIMIZED", "Spaced Key", "Empty"}));
}

TEST_F(ProfileFileTest, FirstOfTwoEqualKeysCountsAndIsTheOneWritten) {
    writeFile(path, "[S]\nk=first\nK=second\n");
    EXPECT_EQ(ini.value("S", "k"), "first");
    ASSERT_TRUE(ini.writeString("S", "K", "new"));
    EXPECT_EQ(readFile(path), "[S]\r\nk=new\r\nK=second\r\n");
}

TEST_F(ProfileFileTest, WritesKeepEveryOtherLineByteForByte) {
    const QByteArray garbage("\x81\x20\xFF\x00zz", 6);
    writeFile(path, "; comment\n[A]\nx=1\n" + garbage + "\nno equals sign\n\n[B]\ny=2\n");
    ASSERT_TRUE(ini.writeString("a", "new", QStringLiteral("否")));
    ASSERT_TRUE(ini.writeString("B", "Y", "3"));
    ASSERT_TRUE(ini.writeString("C", "z", "4"));
    EXPECT_EQ(readFile(path), "; comment\r\n[A]\r\nx=1\r\n" + garbage +
                                  "\r\nno equals sign\r\nnew=\xB7\xF1\r\n\r\n[B]\r\ny=3\r\n\r\n"
                                  "[C]\r\nz=4\r\n");
    EXPECT_EQ(ini.value("A", "new"), QStringLiteral("否"));
}

TEST_F(ProfileFileTest, CreatesTheFileOnFirstWriteInGbk) {
    ASSERT_FALSE(QFile::exists(path));
    EXPECT_EQ(ini.readString("S", "k", "fallback"), "fallback");
    ASSERT_TRUE(
        ini.writeString(QStringLiteral("设置"), QStringLiteral("名字"), QStringLiteral("中文")));
    EXPECT_EQ(readFile(path), "[\xC9\xE8\xD6\xC3]\r\n\xC3\xFB\xD7\xD6=\xD6\xD0\xCE\xC4\r\n");
    EXPECT_EQ(ini.value(QStringLiteral("设置"), QStringLiteral("名字")), QStringLiteral("中文"));
}

TEST_F(ProfileFileTest, DeletesKeysAndSections) {
    writeFile(path, "[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n");
    ASSERT_TRUE(ini.deleteKey("a", "X"));
    ASSERT_TRUE(ini.deleteSection("b"));
    EXPECT_EQ(readFile(path), "[A]\r\ny=2\r\n");
    EXPECT_EQ(ini.sections(), QStringList({"A"}));
}

TEST_F(ProfileFileTest, ReadsWhatItCanFromDamagedFiles) {
    struct Case {
        const char* what;
        QByteArray bytes;
        std::optional<QString> expected;
    };
    const Case cases[] = {
        {"binary garbage", QByteArray("\x00\x01\xFE\xFF[\x80]\n\x00=\x01", 12), std::nullopt},
        {"invalid GB18030 value", QByteArray("[S]\nk=\x81\x20ok\n"),
         QString(QChar(0xFFFD)) + " ok"},
        {"section without bracket", "[S\nk=v\n", "v"},
        {"lines without =", "[S]\njunk\nk=v\nmore junk", "v"},
        {"value holding =", "[S]\nk=a=b\n", "a=b"},
        {"empty file", "", std::nullopt},
        {"CR only line ends", "[S]\rk=v\r", std::nullopt},
        {"huge line before the key", "[S]\n" + QByteArray(50 * 1024 * 1024, 'x') + "\nk=v\n", "v"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(path, c.bytes);
        EXPECT_EQ(ini.value("S", "k"), c.expected);
        ASSERT_TRUE(ini.writeString("S", "other", "1"));
        EXPECT_EQ(ini.value("S", "other"), "1");
        EXPECT_EQ(ini.value("S", "k"), c.expected);
    }
}

TEST_F(ProfileFileTest, RefusedWritesLeaveTheFileAlone) {
    writeFile(path, "[S]\r\nk=v\r\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
    EXPECT_FALSE(ini.writeString("S", "k", "changed"));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(readFile(path), "[S]\r\nk=v\r\n");

    writeFile(env.path("file"), "not a folder");
    EXPECT_FALSE(ProfileFile(env.path("file/test.ini")).writeString("S", "k", "v"));
}

TEST_F(ProfileFileTest, NeverOverwritesAFileTooLargeToRead) {
    QByteArray big(ProfileFile::MaxFileSize + 1, 'x');
    big.prepend("[S]\nk=v\n");
    writeFile(path, big);
    EXPECT_EQ(ini.value("S", "k"), std::nullopt);
    EXPECT_FALSE(ini.writeString("S", "k", "w"));
    EXPECT_EQ(QFile(path).size(), big.size());
}
