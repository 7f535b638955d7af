#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>

// The registry of the current user (and the classes root) as REGEDIT4 text hives,
// one file per root in $CORVANE_REGISTRY_DIR, else $XDG_CONFIG_HOME/corvane/.
// An accessor loads its hive when it is created and writes the whole hive back
// atomically after every change. Key paths and value names ignore letter case and
// keep the spelling they were created with.
class Registry {
public:
    enum class Root { CurrentUser, ClassesRoot };

    explicit Registry(Root root = Root::CurrentUser);

    // The folder that holds the hive files.
    static QString hiveFolder();
    QString hivePath() const;

    // Opens a key by its path below the root ("Software\\Microsoft\\…"). Without
    // create, a missing key is not opened. Returns whether the key is open.
    bool openKey(const QString& path, bool create);
    void closeKey();
    bool keyExists(const QString& path) const;

    // Value operations act on the open key; the default value has the empty name.
    bool valueExists(const QString& name) const;
    std::optional<QString> readString(const QString& name) const;
    QStringList valueNames() const;
    QStringList keyNames() const; // the open key's direct subkeys

    // False when no key is open or the hive file could not be written; the hive
    // in memory and on disk is then unchanged.
    bool writeString(const QString& name, const QString& value);
    bool deleteValue(const QString& name);
    // Deletes the key at the path below the root with every key below it.
    bool deleteKey(const QString& path);

private:
    struct Value {
        QString name;
        QString data;
    };
    struct Key {
        QString path; // as first spelled
        std::vector<Value> values;
    };

    static QString fold(const QString& path);
    // The key at a normalized path, created with each missing parent when absent.
    static Key& ensureKey(std::map<QString, Key>& keys, const QString& path);
    static qsizetype valueIndex(const Key& key, const QString& name);
    static void setValue(Key& key, const QString& name, const QString& data);
    const Key* openedKey() const;
    bool save(const std::map<QString, Key>& keys) const;
    void load();

    Root root_;
    bool readable_ = true;         // false for a hive too large or unreadable: it is never overwritten
    std::map<QString, Key> keys_;  // by folded path
    std::optional<QString> open_;  // folded path of the open key
};
