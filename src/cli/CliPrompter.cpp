#include "cli/CliPrompter.h"

#include "files/FileMessages.h"
#include <cstdio>

Prompter::Answer CliPrompter::showMessage(const Message &message)
{
    ++m_messages;
    if (!m_titles.contains(message.title))
        m_titles.append(message.title);
    QString text = message.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::fprintf(stderr, "%s: %s\n", qPrintable(message.title), qPrintable(text));
    // The reason behind the message, when the tool knows it, on a line of its own.
    if (!message.detail.isEmpty())
        std::fprintf(stderr, "%s\n",
                     qPrintable(QString(message.detail).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))));
    std::fflush(stderr);
    return message.buttons == Buttons::YesNo ? m_yesNo : Answer::Ok;
}

bool CliPrompter::charactersReplaced() const
{
    return shown(FileMessages::kCharactersReplacedTitle);
}

std::optional<QString> CliPrompter::askInput(const QString &, const QString &, const QString &defaultText)
{
    if (m_inputs.isEmpty())
        return defaultText;
    return m_inputs.takeFirst();
}

Prompter::FileAnswer CliPrompter::askFile(const FileRequest &request)
{
    return {QString(), request.filterIndex};
}
