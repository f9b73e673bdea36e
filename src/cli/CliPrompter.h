#pragma once

#include "platform/Prompter.h"

#include <QStringList>

// The tools' prompts on the command line: messages go to standard error as
// "title: text", followed by the message's detail on a line of its own when it
// has one; input boxes take their answers from the command's options; a file
// dialog is never shown (the command names its files), so it answers "cancel".
class CliPrompter : public Prompter {
public:
    // Answers given to input boxes, in order; an exhausted queue accepts the default.
    void queueInput(const QString &answer) { m_inputs.append(answer); }
    // Yes/No boxes are answered with this.
    void setYesNoAnswer(Answer answer) { m_yesNo = answer; }

    int messagesShown() const { return m_messages; }
    // Whether a message under this title was shown.
    bool shown(const QString &title) const { return m_titles.contains(title); }
    // Whether a text export replaced characters (a warning: exit 3).
    bool charactersReplaced() const;
    void setBusy(bool) override {}

protected:
    Answer showMessage(const Message &message) override;
    std::optional<QString> askInput(const QString &prompt, const QString &title, const QString &defaultText) override;
    FileAnswer askFile(const FileRequest &request) override;

private:
    QStringList m_inputs;
    Answer m_yesNo = Answer::No;
    int m_messages = 0;
    QStringList m_titles;
};
