#include "files/FileMessages.h"

#include "files/Outcome.h"
#include "platform/Prompter.h"

namespace FileMessages {

QString WritableEndings(bool withNes)
{
    return withNes ? QStringLiteral(".csv, .txt, .nev, .nes, .xls, .xlsx or .ods")
                   : QStringLiteral(".csv, .txt, .nev, .xls, .xlsx or .ods");
}

QString NothingWrittenText(const QString &path, bool withNes)
{
    return QStringLiteral("Nothing was written to %1\r\n"
                          "Please choose a file name ending in %2.")
        .arg(path, WritableEndings(withNes));
}

QString WriteFailedText(const QString &path, const Outcome &outcome)
{
    return QStringLiteral("%1 could not be written; a file already there is unchanged.\r\n%2")
        .arg(path, outcome.reason());
}

QString CharactersReplacedText(int cells, int line, int field, const QString &text)
{
    return QStringLiteral("The file was written, but %1 held characters that a text file in windows-1252 "
                          "cannot hold; each of them was written as \"?\".\r\n"
                          "The first is in line %2, field %3: %4")
        .arg(cells == 1 ? QStringLiteral("1 cell") : QStringLiteral("%1 cells").arg(cells))
        .arg(line)
        .arg(field)
        .arg(text);
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
