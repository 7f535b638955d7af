#include "platform/ProfileFile.h"

#include "platform/Ansi.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>
#include <vector>

namespace {

QByteArrayView trimmed(QByteArrayView s) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\0'; };
    while (!s.isEmpty() && blank(s.front()))
        s = s.sliced(1);
    while (!s.isEmpty() && blank(s.back()))
        s.chop(1);
    return s;
}

bool sameName(QByteArrayView stored, const QString& name) {
    // A GB18030 character takes at most four bytes: longer names cannot match.
    if (stored.size() > 4 * name.size() || stored.size() < name.size())
        return false;
    return Ansi::decode(stored).compare(name, Qt::CaseInsensitive) == 0;
}

// The file's lines, without their line ends, over the bytes read once.
class Document {
public:
    // False for a file that exists but cannot be read or is too large.
    bool load(const QString& path) {
        QFile file(path);
        if (!file.exists())
            return true;
        if (file.size() > ProfileFile::MaxFileSize || !file.open(QIODevice::ReadOnly))
            return false;
        bytes_ = file.read(ProfileFile::MaxFileSize + 1);
        if (bytes_.size() > ProfileFile::MaxFileSize)
            return false;
        QByteArrayView rest(bytes_);
        while (!rest.isEmpty()) {
            const qsizetype end = rest.indexOf('\n');
            QByteArrayView line = end < 0 ? rest : rest.first(end);
            if (line.endsWith('\r'))
                line.chop(1);
            lines_.push_back(line);
            rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
        }
        return true;
    }

    static std::optional<QByteArrayView> sectionName(QByteArrayView line) {
        line = trimmed(line);
        if (!line.startsWith('['))
            return std::nullopt;
        line = line.sliced(1);
        const qsizetype close = line.indexOf(']');
        return trimmed(close < 0 ? line : line.first(close));
    }

    static std::optional<QByteArrayView> keyName(QByteArrayView line) {
        const qsizetype eq = line.indexOf('=');
        if (eq < 0 || trimmed(line).startsWith(';'))
            return std::nullopt;
        return trimmed(line.first(eq));
    }

    static QByteArrayView valueOf(QByteArrayView line) {
        return trimmed(line.sliced(line.indexOf('=') + 1));
    }

    struct Range {
        qsizetype header = -1; // the section's header line
        qsizetype end = -1;    // the line after its last line
    };

    Range findSection(const QString& section) const {
        Range r;
        for (qsizetype i = 0; i < qsizetype(lines_.size()); ++i) {
            auto name = sectionName(lines_[i]);
            if (!name)
                continue;
            if (r.header >= 0) {
                r.end = i;
                return r;
            }
            if (sameName(*name, section))
                r.header = i;
        }
        if (r.header >= 0)
            r.end = qsizetype(lines_.size());
        return r;
    }

    qsizetype findKey(Range r, const QString& key) const {
        for (qsizetype i = r.header + 1; r.header >= 0 && i < r.end; ++i) {
            auto name = keyName(lines_[i]);
            if (name && sameName(*name, key))
                return i;
        }
        return -1;
    }

    template <typename Fn> void forEachKey(Range r, Fn fn) const {
        for (qsizetype i = r.header + 1; r.header >= 0 && i < r.end; ++i)
            if (auto name = keyName(lines_[i]))
                fn(*name);
    }

    std::vector<QByteArrayView>& lines() { return lines_; }
    const std::vector<QByteArrayView>& lines() const { return lines_; }

private:
    QByteArray bytes_;
    std::vector<QByteArrayView> lines_;
};

bool refusesWrites(const QFileInfo& info) {
    // A read-only file stays unchanged, even for a user (root) whom the system would let write.
    return info.exists() &&
           (!info.isWritable() ||
            (info.ownerId() == uint(geteuid()) && !(info.permissions() & QFileDevice::WriteOwner)));
}

bool save(const QString& path, const std::vector<QByteArray>& lines) {
    if (refusesWrites(QFileInfo(path)))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QByteArray& line : lines) {
        file.write(line);
        file.write("\r\n", 2);
    }
    return file.commit();
}

std::vector<QByteArray> copyLines(const Document& doc) {
    std::vector<QByteArray> out;
    out.reserve(doc.lines().size() + 3);
    for (QByteArrayView line : doc.lines())
        out.push_back(line.toByteArray());
    return out;
}

QByteArray entry(const QString& key, const QString& value) {
    return Ansi::encode(key) + '=' + Ansi::encode(value);
}

} // namespace

ProfileFile::ProfileFile(QString path) : path_(std::move(path)) {
}

std::optional<QString> ProfileFile::value(const QString& section, const QString& key) const {
    Document doc;
    if (!doc.load(path_))
        return std::nullopt;
    const qsizetype line = doc.findKey(doc.findSection(section), key);
    if (line < 0)
        return std::nullopt;
    return Ansi::decode(Document::valueOf(doc.lines()[line]));
}

QString ProfileFile::readString(const QString& section, const QString& key,
                                const QString& fallback) const {
    return value(section, key).value_or(fallback);
}

QStringList ProfileFile::keys(const QString& section) const {
    QStringList out;
    Document doc;
    if (doc.load(path_))
        doc.forEachKey(doc.findSection(section),
                       [&](QByteArrayView name) { out << Ansi::decode(name); });
    return out;
}

QStringList ProfileFile::sections() const {
    QStringList out;
    Document doc;
    if (!doc.load(path_))
        return out;
    for (QByteArrayView line : doc.lines())
        if (auto name = Document::sectionName(line))
            out << Ansi::decode(*name);
    return out;
}

bool ProfileFile::writeString(const QString& section, const QString& key, const QString& value) {
    Document doc;
    if (!doc.load(path_))
        return false;
    const Document::Range r = doc.findSection(section);
    std::vector<QByteArray> lines = copyLines(doc);
    if (r.header < 0) {
        if (!lines.empty() && !lines.back().isEmpty())
            lines.emplace_back();
        lines.push_back('[' + Ansi::encode(section) + ']');
        lines.push_back(entry(key, value));
    } else if (const qsizetype at = doc.findKey(r, key); at >= 0) {
        const QByteArrayView line = doc.lines()[at];
        // Storing what is already stored changes nothing, even in a read-only file.
        if (Ansi::decode(Document::valueOf(line)) == value)
            return true;
        lines[at] = line.first(line.indexOf('=') + 1).toByteArray() + Ansi::encode(value);
    } else {
        // After the section's last non-blank line, so a blank separator stays below it.
        qsizetype insertAt = r.end;
        while (insertAt > r.header + 1 && trimmed(doc.lines()[insertAt - 1]).isEmpty())
            --insertAt;
        lines.insert(lines.begin() + insertAt, entry(key, value));
    }
    return save(path_, lines);
}

bool ProfileFile::deleteKey(const QString& section, const QString& key) {
    Document doc;
    if (!doc.load(path_))
        return false;
    const qsizetype at = doc.findKey(doc.findSection(section), key);
    if (at < 0)
        return true;
    std::vector<QByteArray> lines = copyLines(doc);
    lines.erase(lines.begin() + at);
    return save(path_, lines);
}

bool ProfileFile::deleteSection(const QString& section) {
    Document doc;
    if (!doc.load(path_))
        return false;
    const Document::Range r = doc.findSection(section);
    if (r.header < 0)
        return true;
    std::vector<QByteArray> lines = copyLines(doc);
    lines.erase(lines.begin() + r.header, lines.begin() + r.end);
    return save(path_, lines);
}
