#include "commands/BarEntry.h"

#include <QAction>

QString BarEntry::shownCaption() const {
    if (!caption.isEmpty() || !action)
        return caption;
    return action->text();
}

BarEntry Separator() {
    BarEntry e;
    e.caption = QStringLiteral("-");
    return e;
}

BarEntry Entry(QAction* action, const QString& caption, int imageIndex,
               const QString& shortcutText) {
    BarEntry e;
    e.action = action;
    e.caption = caption;
    e.imageIndex = imageIndex;
    e.shortcutText = shortcutText;
    return e;
}

BarEntry Group(const QString& caption, std::vector<BarEntry> children, int imageIndex) {
    BarEntry e;
    e.caption = caption;
    e.imageIndex = imageIndex;
    e.children = std::move(children);
    return e;
}
