#include "platform/MessageBoxes.h"

#include "platform/ApplicationTitle.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QStringList>

#include <memory>

namespace {

class DialogBoxes final : public MessageBoxes {
public:
    bool ask(const QString& text) override {
        return QMessageBox::question(QApplication::activeWindow(), ApplicationTitle(), text,
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    }
    void inform(const QString& text) override {
        QMessageBox::information(QApplication::activeWindow(), ApplicationTitle(), text);
    }
    void reportError(const QString& text) override {
        QMessageBox::critical(QApplication::activeWindow(), ApplicationTitle(), text);
    }
};

class LoggedBoxes final : public MessageBoxes {
public:
    LoggedBoxes(QString path, QStringList answers)
        : path_(std::move(path)), answers_(std::move(answers)) {}

    bool ask(const QString& text) override {
        const bool yes = !answers_.isEmpty() && answers_.takeFirst().trimmed() == "yes";
        log("question", text + (yes ? " -> yes" : " -> no"));
        return yes;
    }
    void inform(const QString& text) override { log("notice", text); }
    void reportError(const QString& text) override { log("error", text); }

private:
    void log(const char* kind, const QString& text) {
        QFile file(path_);
        if (file.open(QIODevice::Append))
            file.write(QByteArray(kind) + ": " + text.toUtf8() + '\n');
    }

    QString path_;
    QStringList answers_;
};

MessageBoxes* installed = nullptr;

MessageBoxes& standard() {
    static const std::unique_ptr<MessageBoxes> boxes = []() -> std::unique_ptr<MessageBoxes> {
        const QString log = qEnvironmentVariable("CORVANE_MESSAGE_LOG");
        if (log.isEmpty())
            return std::make_unique<DialogBoxes>();
        return std::make_unique<LoggedBoxes>(
            log, qEnvironmentVariable("CORVANE_MESSAGE_ANSWERS").split(',', Qt::SkipEmptyParts));
    }();
    return *boxes;
}

} // namespace

MessageBoxes& MessageBoxes::current() {
    return installed ? *installed : standard();
}

void MessageBoxes::install(MessageBoxes* boxes) {
    installed = boxes;
}
