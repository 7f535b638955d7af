#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <optional>
#include <vector>

// A fresh folder for one test, with every environment override of the program
// pointed into it; the old environment comes back on destruction.
class TempEnvironment {
public:
    TempEnvironment();
    ~TempEnvironment();
    TempEnvironment(const TempEnvironment&) = delete;
    TempEnvironment& operator=(const TempEnvironment&) = delete;

    QString root() const { return dir_.path(); }
    // The program folder, with its trailing separator.
    QString programFolder() const { return root() + "/program/"; }
    QString path(const QString& relative) const { return root() + '/' + relative; }

    void set(const char* name, const QByteArray& value);

private:
    QTemporaryDir dir_;
    std::vector<std::pair<QByteArray, std::optional<QByteArray>>> saved_;
};

// Writes bytes to a file, creating its folders; fails the test on error.
void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);
