// Pasting 20,000 rows of ten columns into the handset grid, and its undo and
// redo; the same number of names into the Name Assigner.
#include "BenchPrompter.h"
#include "cli/NoPrinter.h"
#include "grid/ClipboardTable.h"
#include "nameassign/NameAssigner.h"
#include "platform/Prompter.h"
#include "version6/tool/Version6Tool.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

namespace {

template <typename Action>
qint64 Timed(Action action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    return timer.elapsed();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir home;
    qputenv("HALVORAN_HOME", home.path().toUtf8());
    constexpr int kRows = 20000;

    QString handsets;
    for (int i = 0; i < kRows; ++i)
        handsets += QStringLiteral("01%1\t%2\tSTANDARD\t20\t1\t1\t15\t15\t\t00\n")
                        .arg(i % 1000, 3, 10, QLatin1Char('0'))
                        .arg(20000 + i);
    BenchPrompter prompter;
    Version6Tool tool(prompter);
    const qint64 pasteMs = Timed([&] { tool.pasteHandsets(CellBlock::Cell(1, 0), handsets); });
    const int rows = tool.handsets().grid().rows();
    const qint64 undoMs = Timed([&] { tool.undo(); });
    const int undoneRows = tool.handsets().grid().rows();
    const qint64 redoMs = Timed([&] { tool.redo(); });
    // Rows written over again: the undo keeps the old texts of the cells only.
    QString changed = handsets;
    changed.replace(QStringLiteral("STANDARD"), QStringLiteral("OTHER"));
    const qint64 overwriteMs = Timed([&] { tool.pasteHandsets(CellBlock::Cell(1, 0), changed); });
    const qint64 overwriteUndoMs = Timed([&] { tool.undo(); });
    std::printf("handset grid, %d rows x 10 columns pasted: %lld ms (%d grid rows, %d messages)\n", kRows,
                qlonglong(pasteMs), rows, prompter.messages);
    std::printf("  undo: %lld ms (%d grid rows left), redo: %lld ms\n", qlonglong(undoMs), undoneRows,
                qlonglong(redoMs));
    std::printf("  a new handset type pasted over the same rows: %lld ms, its undo: %lld ms\n", qlonglong(overwriteMs),
                qlonglong(overwriteUndoMs));

    QString names;
    for (int i = 0; i < kRows; ++i)
        names += QStringLiteral("%1\tHandset user %2\n").arg(20000 + i).arg(i);
    NoPrinter printer;
    NameAssigner assigner(prompter, printer);
    const qint64 namesMs = Timed([&] { assigner.paste(CellBlock::Cell(1, 0), names); });
    const qint64 namesUndoMs = Timed([&] { assigner.undo(); });
    std::printf("Name Assigner, %d names pasted: %lld ms, undo: %lld ms\n", kRows, qlonglong(namesMs),
                qlonglong(namesUndoMs));
    return 0;
}
