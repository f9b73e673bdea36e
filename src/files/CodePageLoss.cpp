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
    for (int r = 1; r <= last; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (fitsCodePage(grid.viewAt(r, c)))
                continue;
            if (loss.cells++ == 0) {
                loss.line = r;
                loss.field = c + 1;
                loss.text = grid.textAt(r, c);
            }
        }
    }
    return loss;
}

void CodePageLoss::report(Prompter &prompter) const
{
    if (cells > 0)
        prompter.message(FileMessages::CharactersReplacedText(cells, line, field, text),
                         FileMessages::kCharactersReplacedTitle, Prompter::Icon::Exclamation);
}
