#pragma once

#include <QString>

// The program's questions, notices and error reports, all captioned with the
// application title. One service serves the whole program; tests install their own.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // A question with Yes and No and the question icon; true when the answer is Yes.
    virtual bool ask(const QString& text) = 0;
    // A notice with the information icon.
    virtual void inform(const QString& text) = 0;
    // The standard error box: an error that ended a command or an event.
    virtual void reportError(const QString& text) = 0;

    // With CORVANE_MESSAGE_LOG set, messages are appended to that file instead of
    // shown, and questions take their answers from CORVANE_MESSAGE_ANSWERS
    // ("yes,no,…"; No once the list runs out), so unattended runs never block.
    static MessageBoxes& current();
    // Replaces the service until called again; nullptr brings the default back.
    static void install(MessageBoxes* boxes);
};
