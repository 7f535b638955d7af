#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// An INI file with the semantics of the Windows private-profile functions:
// section and key names ignore letter case, the first of two equal keys counts,
// values come back as stored (blanks around them trimmed), and a write keeps every
// other line of the file byte for byte. Every call reads or writes the file itself;
// nothing is cached. Text on disk is GB18030, lines end in CR LF, and every write
// replaces the file atomically.
class ProfileFile {
public:
    // Files larger than this are not read, and not overwritten either.
    static constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

    explicit ProfileFile(QString path);

    const QString& path() const { return path_; }

    std::optional<QString> value(const QString& section, const QString& key) const;
    QString readString(const QString& section, const QString& key,
                       const QString& fallback = {}) const;
    QStringList keys(const QString& section) const;
    QStringList sections() const;

    // False when the file could not be written; the file is then unchanged. A value
    // already stored is not written again.
    bool writeString(const QString& section, const QString& key, const QString& value);
    bool deleteKey(const QString& section, const QString& key);
    bool deleteSection(const QString& section);

private:
    QString path_;
};
