#include "platform/Registry.h"

#include "platform/Ansi.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// A larger file is no hive we wrote; reading it could exhaust memory.
constexpr qint64 MaxHiveSize = 32 * 1024 * 1024;
// The limits of Windows; they also bound the parents one key line can create.
constexpr qsizetype MaxDepth = 512;
constexpr qsizetype MaxNameLength = 255;

QString rootName(Registry::Root root) {
    return root == Registry::Root::CurrentUser ? QStringLiteral("HKEY_CURRENT_USER")
                                               : QStringLiteral("HKEY_CLASSES_ROOT");
}

// A hive line cannot hold a line break.
bool hasLineBreak(QStringView text) {
    return text.contains(u'\n') || text.contains(u'\r');
}

// The path without the backslashes around it; nullopt for a path no key can have.
std::optional<QString> normalized(QStringView path) {
    while (path.startsWith(u'\\'))
        path = path.sliced(1);
    while (path.endsWith(u'\\'))
        path.chop(1);
    if (hasLineBreak(path))
        return std::nullopt;
    if (path.isEmpty())
        return QString();
    qsizetype depth = 0;
    for (QStringView part : path.tokenize(u'\\')) {
        if (part.isEmpty() || part.size() > MaxNameLength || ++depth > MaxDepth)
            return std::nullopt;
    }
    return path.toString();
}

QString quote(QString text) {
    text.replace(u'\\', QLatin1String("\\\\")).replace(u'"', QLatin1String("\\\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The quoted string at the front of text and what follows it. Only \\ and \" are
// escapes; any other backslash stays, as in a hand-written "C:\path".
std::optional<std::pair<QString, QStringView>> unquote(QStringView text) {
    if (!text.startsWith(u'"'))
        return std::nullopt;
    QString out;
    for (qsizetype i = 1; i < text.size(); ++i) {
        QChar c = text[i];
        if (c == u'"')
            return std::pair(out, text.sliced(i + 1));
        if (c == u'\\' && i + 1 < text.size() && (text[i + 1] == u'\\' || text[i + 1] == u'"'))
            c = text[++i];
        out += c;
    }
    return std::nullopt;
}

// "[HKEY_CURRENT_USER\Software\x]" gives "Software\x"; nullopt for a broken line
// or another root, whose values must not land in the previous key.
std::optional<QString> keyLinePath(QStringView line, QStringView root) {
    if (!line.startsWith(u'[') || !line.endsWith(u']'))
        return std::nullopt;
    const QStringView full = line.sliced(1, line.size() - 2);
    if (!full.startsWith(root, Qt::CaseInsensitive))
        return std::nullopt;
    const QStringView path = full.sliced(root.size());
    if (!path.isEmpty() && !path.startsWith(u'\\'))
        return std::nullopt;
    return normalized(path);
}

// A value line: "name"="text", @="text" or "name"=dword:hex (kept as its decimal text).
std::optional<std::pair<QString, QString>> parseValue(QStringView line) {
    QString name;
    QStringView rest;
    if (line.startsWith(u'@')) {
        rest = line.sliced(1);
    } else if (auto quoted = unquote(line)) {
        name = quoted->first;
        rest = quoted->second;
    } else {
        return std::nullopt;
    }
    rest = rest.trimmed();
    if (!rest.startsWith(u'='))
        return std::nullopt;
    rest = rest.sliced(1).trimmed();
    if (auto data = unquote(rest)) {
        if (!data->second.trimmed().isEmpty())
            return std::nullopt;
        return std::pair(name, data->first);
    }
    const QStringView dword = u"dword:";
    if (!rest.startsWith(dword, Qt::CaseInsensitive))
        return std::nullopt;
    const QStringView digits = rest.sliced(dword.size());
    bool ok = false;
    const uint number = digits.size() <= 8 ? digits.toUInt(&ok, 16) : 0;
    if (!ok)
        return std::nullopt;
    return std::pair(name, QString::number(number));
}

// Regedit's other export format is UTF-16 with a byte order mark; 0xFF never starts
// GB18030 text.
QString decodeHive(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE"))
        return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2),
                                  (bytes.size() - 2) / 2);
    return Ansi::decode(bytes);
}

} // namespace

Registry::Registry(Root root) : root_(root) {
    load();
}

QString Registry::hiveFolder() {
    const QString folder = qEnvironmentVariable("CORVANE_REGISTRY_DIR");
    if (!folder.isEmpty())
        return QDir::cleanPath(folder);
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1String("/corvane");
}

QString Registry::hivePath() const {
    return hiveFolder() + QLatin1Char('/') + rootName(root_) + QLatin1String(".reg");
}

bool Registry::openKey(const QString& path, bool create) {
    open_.reset();
    const auto clean = normalized(path);
    if (!clean)
        return false;
    const QString folded = fold(*clean);
    if (!keyExists(*clean)) {
        if (!create)
            return false;
        auto keys = keys_;
        ensureKey(keys, *clean);
        if (!save(keys))
            return false;
        keys_ = std::move(keys);
    }
    open_ = folded;
    return true;
}

void Registry::closeKey() {
    open_.reset();
}

bool Registry::keyExists(const QString& path) const {
    const auto clean = normalized(path);
    return clean && (clean->isEmpty() || keys_.contains(fold(*clean)));
}

bool Registry::valueExists(const QString& name) const {
    return readString(name).has_value();
}

std::optional<QString> Registry::readString(const QString& name) const {
    const Key* key = openedKey();
    const qsizetype i = key ? valueIndex(*key, name) : -1;
    if (i < 0)
        return std::nullopt;
    return key->values[size_t(i)].data;
}

QStringList Registry::valueNames() const {
    QStringList names;
    if (const Key* key = openedKey())
        for (const Value& value : key->values)
            names << value.name;
    return names;
}

QStringList Registry::keyNames() const {
    QStringList names;
    if (!open_ || (!open_->isEmpty() && !keys_.contains(*open_)))
        return names;
    const QString prefix = open_->isEmpty() ? QString() : *open_ + u'\\';
    for (const auto& [folded, key] : keys_) {
        if (folded.size() > prefix.size() && folded.startsWith(prefix) &&
            folded.indexOf(u'\\', prefix.size()) < 0)
            names << key.path.section(u'\\', -1);
    }
    return names;
}

bool Registry::writeString(const QString& name, const QString& value) {
    if (!open_ || (!open_->isEmpty() && !keys_.contains(*open_)) || hasLineBreak(name) ||
        hasLineBreak(value))
        return false;
    auto keys = keys_;
    setValue(keys[*open_], name, value);
    if (!save(keys))
        return false;
    keys_ = std::move(keys);
    return true;
}

bool Registry::deleteValue(const QString& name) {
    const Key* key = openedKey();
    const qsizetype i = key ? valueIndex(*key, name) : -1;
    if (i < 0)
        return false;
    auto keys = keys_;
    auto& values = keys[*open_].values;
    values.erase(values.begin() + i);
    if (!save(keys))
        return false;
    keys_ = std::move(keys);
    return true;
}

bool Registry::deleteKey(const QString& path) {
    const auto clean = normalized(path);
    // The root itself cannot be deleted.
    if (!clean || clean->isEmpty() || !keyExists(*clean))
        return false;
    const QString folded = fold(*clean);
    const QString below = folded + u'\\';
    auto keys = keys_;
    std::erase_if(keys, [&](const auto& entry) {
        return entry.first == folded || entry.first.startsWith(below);
    });
    if (!save(keys))
        return false;
    keys_ = std::move(keys);
    return true;
}

QString Registry::fold(const QString& path) {
    return path.toCaseFolded();
}

Registry::Key& Registry::ensureKey(std::map<QString, Key>& keys, const QString& path) {
    if (path.isEmpty())
        return keys[QString()];
    Key* key = nullptr;
    for (const QString& part : path.split(u'\\')) {
        // A new key takes its parent's spelling, as the parent is already known by it.
        const QString spelled = key ? key->path + u'\\' + part : part;
        key = &keys.try_emplace(fold(spelled), Key{spelled, {}}).first->second;
    }
    return *key;
}

qsizetype Registry::valueIndex(const Key& key, const QString& name) {
    for (size_t i = 0; i < key.values.size(); ++i)
        if (key.values[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return qsizetype(i);
    return -1;
}

void Registry::setValue(Key& key, const QString& name, const QString& data) {
    const qsizetype i = valueIndex(key, name);
    if (i < 0)
        key.values.push_back({name, data});
    else
        key.values[size_t(i)].data = data;
}

const Registry::Key* Registry::openedKey() const {
    if (!open_)
        return nullptr;
    const auto it = keys_.find(*open_);
    return it == keys_.end() ? nullptr : &it->second;
}

bool Registry::save(const std::map<QString, Key>& keys) const {
    if (!readable_)
        return false;
    const QString root = rootName(root_);
    QString text = QStringLiteral("REGEDIT4\r\n\r\n");
    for (const auto& [folded, key] : keys) {
        // The root appears only for its values; every other key is listed, as regedit does.
        if (folded.isEmpty() && key.values.empty())
            continue;
        text += u'[' + root + (key.path.isEmpty() ? QString() : u'\\' + key.path) +
                QLatin1String("]\r\n");
        for (const Value& value : key.values)
            text += (value.name.isEmpty() ? QStringLiteral("@") : quote(value.name)) + u'=' +
                    quote(value.data) + QLatin1String("\r\n");
        text += QLatin1String("\r\n");
    }
    if (!QDir().mkpath(hiveFolder()))
        return false;
    QSaveFile file(hivePath());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(Ansi::encode(text));
    return file.commit();
}

void Registry::load() {
    QFile file(hivePath());
    if (!file.exists())
        return;
    // A hive not read in full is never written back: that would drop what was not read.
    if (file.size() > MaxHiveSize || !file.open(QIODevice::ReadOnly)) {
        readable_ = false;
        return;
    }
    const QByteArray bytes = file.read(MaxHiveSize + 1);
    if (bytes.size() > MaxHiveSize || file.error() != QFileDevice::NoError) {
        readable_ = false;
        return;
    }
    const QString text = decodeHive(bytes);
    const QString root = rootName(root_);
    // Values before the first key line or after a broken one belong to no key.
    Key* current = nullptr;
    for (qsizetype start = 0, end = 0; start < text.size(); start = end + 1) {
        end = start;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        const QStringView line = QStringView(text).sliced(start, end - start).trimmed();
        if (line.startsWith(u'[')) {
            const auto path = keyLinePath(line, root);
            current = path ? &ensureKey(keys_, *path) : nullptr;
        } else if (current) {
            if (auto value = parseValue(line))
                setValue(*current, value->first, value->second);
        }
    }
}
