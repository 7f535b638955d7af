#pragma once

#include "platform/MessageBoxes.h"

#include <QStringList>

// Message boxes for tests: records every text and answers questions from a script.
class ScriptedMessages final : public MessageBoxes {
public:
    explicit ScriptedMessages(QList<bool> answers = {});
    ~ScriptedMessages() override;

    bool ask(const QString& text) override;
    void inform(const QString& text) override;
    void reportError(const QString& text) override;

    QStringList questions, notices, errors;

private:
    QList<bool> answers_;
};
