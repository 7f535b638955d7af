#include "platform/Registry.h"

#include "platform/Ansi.h"
#include "support/QtPrinters.h"
#include "support/TempEnvironment.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

constexpr qint64 MiB = 1024 * 1024;

// Every value of the hive as "key:name=data", walking the tree from the root.
QStringList dump(Registry& registry, const QString& path = QString()) {
    if (!registry.openKey(path, false))
        return {"cannot open " + path};
    QStringList out;
    for (const QString& name : registry.valueNames())
        out << path + ':' + name + '=' + registry.readString(name).value_or("<none>");
    for (const QString& sub : registry.keyNames())
        out << dump(registry, path.isEmpty() ? sub : path + '\\' + sub);
    return out;
}

QByteArray utf16WithBom(const QString& text) {
    return QByteArray("\xFF\xFE") +
           QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

class RegistryTest : public ::testing::Test {
protected:
    QString hive() const { return env.path("registry/HKEY_CURRENT_USER.reg"); }

    TempEnvironment env;
};

TEST_F(RegistryTest, RoundTripsThroughANewAccessor) {
    const QString name = QStringLiteral("路径 \"quoted\" \\ back\\");
    const QString data = QStringLiteral("C:\\Program Files\\\"否\"\\");
    {
        Registry registry;
        ASSERT_TRUE(registry.openKey("Software\\Corvane\\Main", true));
        ASSERT_TRUE(registry.writeString(name, data));
        ASSERT_TRUE(registry.writeString("", QStringLiteral("默认")));
        ASSERT_TRUE(registry.writeString("Empty", ""));
    }
    Registry registry;
    EXPECT_TRUE(registry.keyExists("Software"));
    EXPECT_TRUE(registry.keyExists("Software\\Corvane"));
    EXPECT_EQ(dump(registry), (QStringList{"Software\\Corvane\\Main:" + name + '=' + data,
                                           QStringLiteral("Software\\Corvane\\Main:=默认"),
                                           "Software\\Corvane\\Main:Empty="}));
    ASSERT_TRUE(registry.openKey("Software\\Corvane\\Main", false));
    EXPECT_EQ(registry.readString("Empty"), QString(""));
    EXPECT_FALSE(registry.readString("Missing").has_value());
    EXPECT_FALSE(registry.valueExists("Missing"));
}

TEST_F(RegistryTest, KeepsOneHivePerRootInItsFolder) {
    Registry classes(Registry::Root::ClassesRoot);
    EXPECT_EQ(classes.hivePath(), env.path("registry/HKEY_CLASSES_ROOT.reg"));
    ASSERT_TRUE(classes.openKey(".htm", true));
    EXPECT_TRUE(QFile::exists(classes.hivePath()));
    EXPECT_EQ(Registry().hivePath(), hive());
    EXPECT_FALSE(Registry().keyExists(".htm"));

    env.set("CORVANE_REGISTRY_DIR", "");
    Registry fallback;
    EXPECT_EQ(fallback.hivePath(), env.path("config/corvane/HKEY_CURRENT_USER.reg"));
    ASSERT_TRUE(fallback.openKey("Software", true));
    EXPECT_TRUE(QFile::exists(fallback.hivePath()));
}

TEST_F(RegistryTest, IgnoresCaseAndKeepsTheFirstSpelling) {
    {
        Registry registry;
        ASSERT_TRUE(registry.openKey(QStringLiteral("Software\\Äpfel"), true));
        ASSERT_TRUE(registry.writeString("StartPage", "a"));
        ASSERT_TRUE(registry.openKey(QStringLiteral("\\SOFTWARE\\äPFEL\\"), false));
        ASSERT_TRUE(registry.writeString("STARTPAGE", "b"));
        ASSERT_TRUE(registry.openKey(QStringLiteral("software\\ÄPFEL\\Sub"), true));
    }
    Registry registry;
    EXPECT_EQ(dump(registry), QStringList{QStringLiteral("Software\\Äpfel:StartPage=b")});
    EXPECT_TRUE(registry.keyExists(QStringLiteral("SOFTWARE\\äpfel\\sUB")));
    ASSERT_TRUE(registry.openKey(QStringLiteral("software\\äpfel"), false));
    EXPECT_EQ(registry.keyNames(), QStringList{"Sub"});
    EXPECT_EQ(registry.readString("startpage"), QString("b"));
    // A new key is filed under its parent's spelling.
    EXPECT_TRUE(readFile(hive()).contains(
        Ansi::encode(QStringLiteral("[HKEY_CURRENT_USER\\Software\\Äpfel\\Sub]\r\n"))));
}

TEST_F(RegistryTest, OpensMissingKeysOnlyWithCreate) {
    Registry registry;
    EXPECT_FALSE(registry.writeString("x", "1"));
    EXPECT_FALSE(registry.openKey("Missing", false));
    EXPECT_FALSE(registry.keyExists("Missing"));
    EXPECT_FALSE(QFile::exists(hive()));

    ASSERT_TRUE(registry.openKey("Present", true));
    EXPECT_TRUE(Registry().keyExists("Present"));
    EXPECT_FALSE(registry.openKey("Present\\Missing", false));
    // The failed open left no key open.
    EXPECT_FALSE(registry.writeString("x", "1"));
    ASSERT_TRUE(registry.openKey("Present", false));
    registry.closeKey();
    EXPECT_FALSE(registry.writeString("x", "1"));
}

TEST_F(RegistryTest, RefusesPathsNamesAndDataAHiveCannotHold) {
    Registry registry;
    EXPECT_TRUE(registry.openKey(QString(255, u'k'), true));
    EXPECT_TRUE(registry.openKey(QStringList(512, "k").join(u'\\'), true));
    ASSERT_TRUE(registry.openKey("A", true));
    const QByteArray before = readFile(hive());

    EXPECT_FALSE(registry.writeString("x", "1\r\n[HKEY_CURRENT_USER\\Injected]"));
    EXPECT_FALSE(registry.writeString("a\nb", "1"));
    EXPECT_FALSE(registry.valueExists("x"));
    for (const QString& path : {QString("B\nC"), QString("A\\\\B"), QString(256, u'k'),
                                QStringList(513, "k").join(u'\\')})
        EXPECT_FALSE(registry.openKey(path, true)) << path.left(20).toStdString();
    EXPECT_EQ(readFile(hive()), before);
}

TEST_F(RegistryTest, DeletesValuesAndWholeKeyTrees) {
    {
        Registry registry;
        ASSERT_TRUE(registry.openKey("App\\TreeTop", true));
        ASSERT_TRUE(registry.writeString("v", "2"));
        ASSERT_TRUE(registry.openKey("App", false));
        ASSERT_TRUE(registry.writeString("a", "3"));
        ASSERT_TRUE(registry.writeString("b", "4"));
        EXPECT_TRUE(registry.deleteValue("A"));
        EXPECT_FALSE(registry.deleteValue("a"));
        EXPECT_EQ(registry.valueNames(), QStringList{"b"});

        ASSERT_TRUE(registry.openKey("App\\Tree\\Leaf", true));
        ASSERT_TRUE(registry.writeString("v", "1"));
        EXPECT_TRUE(registry.deleteKey("app\\TREE"));
        EXPECT_FALSE(registry.deleteKey("App\\Tree"));
        EXPECT_FALSE(registry.deleteKey(""));
        EXPECT_FALSE(registry.keyExists("App\\Tree\\Leaf"));
        // The open key went with its parent.
        EXPECT_FALSE(registry.writeString("v", "1"));
        EXPECT_FALSE(registry.valueExists("v"));
    }
    Registry registry;
    EXPECT_EQ(dump(registry), (QStringList{"App:b=4", "App\\TreeTop:v=2"}));
    EXPECT_FALSE(registry.keyExists("App\\Tree"));
}

TEST_F(RegistryTest, EnumeratesDirectSubkeysAndValuesInOrder) {
    Registry registry;
    ASSERT_TRUE(registry.openKey("Root\\Beta\\Deep", true));
    ASSERT_TRUE(registry.openKey("Root\\alpha", true));
    ASSERT_TRUE(registry.openKey("Rooted", true));
    ASSERT_TRUE(registry.openKey("Root", false));
    EXPECT_EQ(registry.keyNames(), (QStringList{"alpha", "Beta"}));
    for (const char* name : {"z", "a", "m"})
        ASSERT_TRUE(registry.writeString(name, name));
    ASSERT_TRUE(registry.writeString("Z", "again"));
    EXPECT_EQ(registry.valueNames(), (QStringList{"z", "a", "m"}));
    EXPECT_EQ(registry.readString("z"), QString("again"));
    ASSERT_TRUE(registry.openKey("", false));
    EXPECT_EQ(registry.keyNames(), (QStringList{"Root", "Rooted"}));
}

TEST_F(RegistryTest, WritesRegedit4TextInGbk) {
    Registry registry;
    ASSERT_TRUE(registry.openKey("Software\\Corvane", true));
    ASSERT_TRUE(registry.writeString("", "x"));
    ASSERT_TRUE(registry.writeString("Show", QStringLiteral("否")));
    ASSERT_TRUE(registry.writeString("a\"b", "c:\\d"));
    EXPECT_EQ(readFile(hive()), QByteArray("REGEDIT4\r\n\r\n"
                                           "[HKEY_CURRENT_USER\\Software]\r\n\r\n"
                                           "[HKEY_CURRENT_USER\\Software\\Corvane]\r\n"
                                           "@=\"x\"\r\n"
                                           "\"Show\"=\"\xB7\xF1\"\r\n"
                                           "\"a\\\"b\"=\"c:\\\\d\"\r\n\r\n"));
}

TEST_F(RegistryTest, LoadsWhatIsReadableFromMalformedFiles) {
    const QByteArray header = "REGEDIT4\r\n\r\n";
    const QByteArray keyA = header + "[HKEY_CURRENT_USER\\A]\r\n";
    const QByteArray big(MiB, 'd');
    struct Case {
        const char* what;
        QByteArray bytes;
        QStringList values;
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"no header, LF and CR line ends",
         "[HKEY_CURRENT_USER\\A]\n\"x\"=\"1\"\r\"y\"=\"2\"\n",
         {"A:x=1", "A:y=2"}},
        {"broken value lines",
         keyA + "\"x\"=\"1\r\n\"y\"=\"2\" junk\r\njunk\r\n; \"c\"=\"3\"\r\n\"n\"\r\n\"e\"=\r\n"
                "  @ = \"d\"  \r\n\"ok\"=\"4\"\r\n",
         {"A:=d", "A:ok=4"}},
        {"values after a broken or foreign key line",
         keyA +
             "\"x\"=\"1\"\r\n[HKEY_CURRENT_USER\\B\r\n\"b\"=\"2\"\r\n"
             "[HKEY_LOCAL_MACHINE\\C]\r\n\"c\"=\"3\"\r\n[HKEY_CURRENT_USERX\\D]\r\n\"d\"=\"4\"\r\n"
             "[HKEY_CURRENT_USER\\E\\\\F]\r\n\"e\"=\"5\"\r\n[HKEY_CURRENT_USER\\G] x\r\n"
             "\"g\"=\"6\"\r\n",
         {"A:x=1"}},
        {"other value types",
         keyA + "\"d\"=dword:0000002a\r\n\"h\"=hex:01,02,\\\r\n  03,04\r\n\"bad\"=dword:xyz\r\n"
                "\"wide\"=dword:123456789\r\n\"s\"=hex(2):41,00\r\n\"after\"=\"ok\"\r\n",
         {"A:d=42", "A:after=ok"}},
        {"backslashes that escape nothing",
         keyA + "\"p\"=\"C:\\dir\\\"\r\n\"q\"=\"C:\\dir\\\\\"\r\n",
         {"A:q=C:\\dir\\"}},
        {"repeated keys and values merge, the last data wins",
         keyA + "\"x\"=\"1\"\r\n[hkey_current_user\\a]\r\n\"X\"=\"2\"\r\n\"y\"=\"3\"\r\n",
         {"A:x=2", "A:y=3"}},
        {"a key without its parents, and the root",
         header + "[HKEY_CURRENT_USER\\P\\Q]\r\n\"x\"=\"1\"\r\n[HKEY_CURRENT_USER]\r\n@=\"r\"\r\n",
         {":=r", "P\\Q:x=1"}},
        {"1 MB lines",
         keyA + "\"big\"=\"" + big + "\"\r\n" + big + "\r\n[HKEY_CURRENT_USER\\" +
             QByteArray("k\\").repeated(MiB / 2) + "]\r\n\"lost\"=\"1\"\r\n",
         {"A:big=" + QString::fromLatin1(big)}},
        {"binary bytes",
         keyA + QByteArray("\0\xFF\x81\x01[\"\r\n", 8) + "\"x\"=\"1\"\r\n\"y\"=\"\x81\"\r\n",
         {"A:x=1", QStringLiteral("A:y=\uFFFD")}},
        {"UTF-16 export",
         utf16WithBom(QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n"
                                     "[HKEY_CURRENT_USER\\A]\r\n\"x\"=\"中\"\r\n")),
         {QStringLiteral("A:x=中")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(hive(), c.bytes);
        Registry loaded;
        EXPECT_EQ(dump(loaded), c.values);
        // What was read survives the next write.
        ASSERT_TRUE(loaded.openKey("Added", true));
        Registry reloaded;
        EXPECT_EQ(dump(reloaded), c.values);
        EXPECT_TRUE(reloaded.keyExists("Added"));
    }
}

TEST_F(RegistryTest, LeavesAnOversizedHiveUntouched) {
    writeFile(hive(), "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\A]\r\n\"x\"=\"1\"\r\n");
    // Zero bytes pad the file; they load as one junk line.
    ASSERT_TRUE(QFile::resize(hive(), 32 * MiB));
    EXPECT_TRUE(Registry().keyExists("A"));

    ASSERT_TRUE(QFile::resize(hive(), 32 * MiB + 1));
    const QByteArray before = readFile(hive());
    Registry registry;
    EXPECT_FALSE(registry.keyExists("A"));
    EXPECT_FALSE(registry.openKey("A", false));
    EXPECT_FALSE(registry.openKey("B", true));
    EXPECT_FALSE(registry.deleteKey("A"));
    ASSERT_TRUE(registry.openKey("", false));
    EXPECT_TRUE(registry.keyNames().isEmpty());
    EXPECT_FALSE(registry.writeString("x", "2"));
    EXPECT_TRUE(readFile(hive()) == before);
}

TEST_F(RegistryTest, FailedWriteLeavesMemoryAndDiskUnchanged) {
    {
        Registry registry;
        ASSERT_TRUE(registry.openKey("A\\B", true));
        ASSERT_TRUE(registry.writeString("x", "1"));
    }
    const QByteArray before = readFile(hive());
    Registry registry;
    // A regular file where the folder was fails every write, even for root.
    ASSERT_TRUE(QDir().rename(env.path("registry"), env.path("moved")));
    writeFile(env.path("registry"), "not a folder");

    EXPECT_FALSE(registry.openKey("C", true));
    EXPECT_FALSE(registry.keyExists("C"));
    ASSERT_TRUE(registry.openKey("A\\B", false));
    EXPECT_FALSE(registry.writeString("x", "2"));
    EXPECT_FALSE(registry.writeString("y", "3"));
    EXPECT_FALSE(registry.deleteValue("x"));
    EXPECT_FALSE(registry.deleteKey("A"));
    EXPECT_EQ(dump(registry), QStringList{"A\\B:x=1"});
    EXPECT_EQ(readFile(env.path("registry")), "not a folder");
    EXPECT_EQ(readFile(env.path("moved/HKEY_CURRENT_USER.reg")), before);
}

} // namespace
