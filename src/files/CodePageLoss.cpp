#include "files/CodePageLoss.h"

#include "files/Codec.h"
#include "files/FileMessages.h"
#include "grid/GridTable.h"
#include "platform/Prompter.h"

namespace {

bool fitsCodePage(QStringView text)
{
    for (const QChar ch : text)
        if (ch.unicode() > 0x7F && Codec::ansiCode(ch) == '?')
            return false;
    return true;
}

} // namespace

CodePageLoss CodePageLoss::find(const GridTable &grid, int columns, int lastRow)
{
    CodePageLoss loss;
    const int last = lastRow < 0 ? grid.rows() - 1 : std::min(lastRow, grid.rows() - 1);
    for (int r = 1; r <= last; ++r)
        for (int c = 0; c < columns; ++c)
            loss.note(grid.viewAt(r, c), r, c + 1);
    return loss;
}

void CodePageLoss::note(QStringView fieldText, int fileLine, int fileField)
{
    if (fitsCodePage(fieldText))
        return;
    if (cells++ == 0) {
        line = fileLine;
        field = fileField;
        text = fieldText.toString();
    }
}

void CodePageLoss::report(Prompter &prompter) const
{
    if (cells > 0)
        prompter.message(FileMessages::CharactersReplacedText(cells, line, field, text),
                         FileMessages::kCharactersReplacedTitle, Prompter::Icon::Exclamation);
}
