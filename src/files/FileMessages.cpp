#include "files/FileMessages.h"

#include "files/Outcome.h"
#include "platform/Prompter.h"

namespace FileMessages {

QString NothingWrittenText(const QString &path, bool withNes)
{
    const QString endings =
        withNes ? QStringLiteral(".csv, .txt, .nev, .nes or .xls") : QStringLiteral(".csv, .txt, .nev or .xls");
    return QStringLiteral("Nothing was written to %1\r\n"
                          "Please choose a file name ending in %2.")
        .arg(path, endings);
}

QString WriteFailedText(const QString &path, const Outcome &outcome)
{
    return QStringLiteral("%1 could not be written; a file already there is unchanged.\r\n%2")
        .arg(path, outcome.reason());
}

QString WrittenButUnreadableText(const QString &path)
{
    return QStringLiteral("%1 was written, but it cannot be opened now.\r\nPlease check the file and its permissions.")
        .arg(path);
}

void ShowNothingWritten(Prompter &prompter, const QString &path, bool withNes)
{
    prompter.message(NothingWrittenText(path, withNes), kNothingWrittenTitle, Prompter::Icon::Exclamation);
}

void ShowWriteFailed(Prompter &prompter, const QString &path, const Outcome &outcome)
{
    prompter.message(WriteFailedText(path, outcome), kWriteFailedTitle, Prompter::Icon::Critical);
}

} // namespace FileMessages
