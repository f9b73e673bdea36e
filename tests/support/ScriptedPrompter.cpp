#include "support/ScriptedPrompter.h"

QStringList ScriptedPrompter::messageTexts() const
{
    QStringList texts;
    for (const Message &message : messages)
        texts.append(message.text);
    return texts;
}

void ScriptedPrompter::clear()
{
    messages.clear();
    inputs.clear();
    files.clear();
    unanswered.clear();
}

void ScriptedPrompter::setBusy(bool busy)
{
    busyDepth += busy ? 1 : -1;
    if (busy)
        ++busyCalls;
}

Prompter::Answer ScriptedPrompter::showMessage(const Message &message)
{
    messages.append(message);
    if (message.buttons == Buttons::Ok)
        return Answer::Ok;
    if (m_answers.isEmpty()) {
        unanswered.append(message.text);
        return Answer::No;
    }
    return m_answers.takeFirst();
}

std::optional<QString> ScriptedPrompter::askInput(const QString &prompt, const QString &title,
                                                  const QString &defaultText)
{
    inputs.append({prompt, title, defaultText});
    if (m_inputs.isEmpty()) {
        unanswered.append(prompt);
        return std::nullopt;
    }
    return m_inputs.takeFirst();
}

Prompter::FileAnswer ScriptedPrompter::askFile(const FileRequest &request)
{
    files.append(request);
    if (m_files.isEmpty()) {
        unanswered.append(request.title);
        return {QString(), request.filterIndex};
    }
    return m_files.takeFirst();
}
