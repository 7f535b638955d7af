#include "support/ScriptedMessages.h"

ScriptedMessages::ScriptedMessages(QList<bool> answers) : answers_(std::move(answers)) {
    MessageBoxes::install(this);
}

ScriptedMessages::~ScriptedMessages() {
    MessageBoxes::install(nullptr);
}

bool ScriptedMessages::ask(const QString& text) {
    questions << text;
    return !answers_.isEmpty() && answers_.takeFirst();
}

void ScriptedMessages::inform(const QString& text) {
    notices << text;
}

void ScriptedMessages::reportError(const QString& text) {
    errors << text;
}
