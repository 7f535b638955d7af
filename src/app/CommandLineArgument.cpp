#include "app/CommandLineArgument.h"

#include "platform/InternetShortcut.h"

#include <QStringList>

QString CommandLineArgument(int argc, char** argv) {
    QStringList parts;
    for (int i = 1; i < argc; ++i)
        parts << QString::fromLocal8Bit(argv[i]);
    return parts.join(' ');
}

namespace {

QString extension(const QString& text) {
    const qsizetype dot = text.lastIndexOf('.');
    const qsizetype separator =
        std::max({text.lastIndexOf('/'), text.lastIndexOf('\\'), text.lastIndexOf(':')});
    if (dot < 0 || dot < separator)
        return {};
    QString ext = text.mid(dot).toLower();
    auto trimmable = [](QChar c) { return c.unicode() <= 0x20; };
    while (!ext.isEmpty() && trimmable(ext.back()))
        ext.chop(1);
    return ext;
}

} // namespace

std::optional<QString> AddressForArgument(const QString& text) {
    if (text.isEmpty())
        return std::nullopt;
    if (extension(text) != QStringLiteral(".url"))
        return text;
    return InternetShortcut::readUrl(text);
}
