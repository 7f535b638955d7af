#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <ostream>

// Readable failure messages for the Qt types the tests compare.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ")";
}
inline void PrintTo(const QSize& s, std::ostream* os) {
    *os << "QSize(" << s.width() << " x " << s.height() << ")";
}
inline void PrintTo(const QPoint& p, std::ostream* os) {
    *os << "QPoint(" << p.x() << ", " << p.y() << ")";
}
