#pragma once

#include "platform/Prompter.h"

#include <QList>
#include <QStringList>

// Answers the tools' prompts from queues and records every prompt, so a test can
// check the exact text, title and icon of each message. A prompt with nothing
// queued is answered No / cancel and noted in unanswered.
class ScriptedPrompter : public Prompter {
public:
    struct InputPrompt {
        QString prompt, title, defaultText;
    };

    // Queued answers.
    void queueAnswer(Answer answer) { m_answers.append(answer); }
    void queueYes() { queueAnswer(Answer::Yes); }
    void queueNo() { queueAnswer(Answer::No); }
    void queueInput(const QString &text) { m_inputs.append(std::optional<QString>(text)); }
    void queueInputCancel() { m_inputs.append(std::nullopt); }
    void queueFile(const QString &path, int filterIndex = 1) { m_files.append({path, filterIndex}); }
    void queueFileCancel() { m_files.append({QString(), 1}); }

    // What was asked.
    QList<Message> messages;
    QList<InputPrompt> inputs;
    QList<FileRequest> files;
    QStringList unanswered;
    int busyDepth = 0;
    int busyCalls = 0;

    // The texts of the messages shown, in order.
    QStringList messageTexts() const;
    void clear();

    void setBusy(bool busy) override;

protected:
    Answer showMessage(const Message &message) override;
    std::optional<QString> askInput(const QString &prompt, const QString &title, const QString &defaultText) override;
    FileAnswer askFile(const FileRequest &request) override;

private:
    QList<Answer> m_answers;
    QList<std::optional<QString>> m_inputs;
    QList<FileAnswer> m_files;
};
