#include "app/SettingsStore.h"

#include "platform/ProgramError.h"
#include "support/ScriptedMessages.h"
#include "support/TempEnvironment.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    TempEnvironment env;
    SettingsStore store{env.programFolder(), QSize(1280, 800)};
};

} // namespace

TEST_F(SettingsStoreTest, MissingKeysAreStoredWithTheirDefaults) {
    EXPECT_TRUE(store.ReadFlag(Setting::Maximized));
    EXPECT_FALSE(store.ReadFlag(Setting::Linksbar));
    EXPECT_EQ(store.ReadInteger(Setting::ActionWhenExit), 0);
    EXPECT_EQ(store.ReadSetting(Setting::EMailClient), "msimn.exe");
    EXPECT_EQ(readFile(store.path()), "[Corvane Settings]\r\nMaximized=yes\r\nLinksbar=\xB7\xF1\r\n"
                                      "ActionWhenExit=0\r\nEMailClient=msimn.exe\r\n");
}

TEST_F(SettingsStoreTest, GeometryDefaultsLeaveATenthOfTheScreenOnEachSide) {
    EXPECT_EQ(store.ReadInteger(Setting::Left), 128);
    EXPECT_EQ(store.ReadInteger(Setting::Top), 80);
    EXPECT_EQ(store.ReadInteger(Setting::Width), 1024);
    EXPECT_EQ(store.ReadInteger(Setting::Height), 640);
    EXPECT_EQ(SettingsStore(env.programFolder(), QSize(1366, 768)).defaultValue(Setting::Width),
              "1094");
}

TEST_F(SettingsStoreTest, StoredTextsReadAsTheKindsSay) {
    struct Case {
        QByteArray stored;
        bool flag;
        int integer; // for the integer key DefaultNewPage, default 1
    };
    const Case cases[] = {
        {"yes", true, 1},  {"", false, 1},         {"Yes", false, 1},         {"YES", false, 1},
        {"1", false, 1},   {"\xB7\xF1", false, 1}, {"no", false, 1},          {"7", false, 7},
        {"-3", false, -3}, {"12abc", false, 1},    {"99999999999", false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        writeFile(store.path(),
                  "[Corvane Settings]\r\nmaximized=" + c.stored + "\r\nDEFAULTNEWPAGE=" + c.stored);
        EXPECT_EQ(store.ReadFlag(Setting::Maximized), c.flag);
        EXPECT_EQ(store.ReadInteger(Setting::DefaultNewPage), c.integer);
        // The keys were found under their other spelling: nothing was added.
        EXPECT_FALSE(readFile(store.path()).contains("Maximized"));
    }
}

TEST_F(SettingsStoreTest, WritesReplaceEarlierValues) {
    store.WriteFlag(Setting::TabsBar, false);
    store.WriteInteger(Setting::Width, 800);
    store.WriteFlag(Setting::TabsBar, true);
    EXPECT_TRUE(store.ReadFlag(Setting::TabsBar));
    EXPECT_EQ(store.ReadInteger(Setting::Width), 800);
    EXPECT_EQ(SettingYesNo(false), QStringLiteral("否"));
}

TEST_F(SettingsStoreTest, ARefusedWriteReportsThePath) {
    ScriptedMessages messages;
    writeFile(store.path(), "[Corvane Settings]\r\nMaximized=yes\r\n");
    QFile::setPermissions(store.path(), QFile::ReadOwner);
    EXPECT_TRUE(store.ReadFlag(Setting::Maximized));
    EXPECT_TRUE(messages.errors.isEmpty());
    // Missing keys read as their defaults; the failure is reported once.
    EXPECT_TRUE(store.ReadFlag(Setting::AddressBar));
    EXPECT_EQ(store.ReadInteger(Setting::ActionWhenExit), 0);
    EXPECT_EQ(messages.errors, QStringList({"Unable to write to " + store.path()}));
    try {
        store.WriteFlag(Setting::Maximized, false);
        FAIL() << "no error raised";
    } catch (const ProgramError& error) {
        EXPECT_EQ(error.message(), "Unable to write to " + store.path());
    }
    QFile::setPermissions(store.path(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(readFile(store.path()), "[Corvane Settings]\r\nMaximized=yes\r\n");

    writeFile(env.path("notafolder"), "");
    const SettingsStore nowhere(env.path("notafolder/"), QSize(800, 600));
    EXPECT_THROW(nowhere.WriteSetting(Setting::Top, "1"), ProgramError);
}
