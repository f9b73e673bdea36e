#include "files/GridFiles.h"

#include "files/CodePageLoss.h"
#include "files/FileDialog.h"
#include "files/FileMessages.h"
#include "files/TextRecords.h"
#include "platform/Prompter.h"

namespace GridFiles {

Import ReadRecords(Prompter &prompter, const QString &path, const QString &fileExt, int fields,
                   const std::function<bool(const QList<QStringList> &)> &takesCutShort)
{
    Import import;
    switch (KindOfExt(fileExt)) {
    case FileKind::Text: {
        TextRecords text;
        {
            BusyPointer busy(prompter);
            text = ReadTextRecords(path, fields);
        }
        if (!text.outcome && !(text.cutShort && takesCutShort && takesCutShort(text.records))) {
            prompter.explain(FileMessages::kUnreadableText, FileMessages::kUnreadableTitle, Prompter::Icon::Critical,
                             text.outcome.reason());
            return import;
        }
        import.records = std::move(text.records);
        import.status = Import::Status::Read;
        return import;
    }
    case FileKind::Workbook: {
        const std::optional<QString> sheet =
            prompter.input(FileMessages::kSheetPrompt, FileMessages::kSheetTitle, FileMessages::kDefaultSheet);
        if (!sheet || sheet->isEmpty()) {
            import.status = Import::Status::Cancelled;
            return import;
        }
        WorkbookRecords book;
        {
            BusyPointer busy(prompter);
            book = ReadWorkbookRecords(path, *sheet);
        }
        if (!book.ok()) {
            prompter.explain(FileMessages::kBadSheetText, FileMessages::kBadSheetTitle, Prompter::Icon::Critical,
                             book.reason);
            return import;
        }
        import.records = std::move(book.records);
        for (QStringList &record : import.records)
            record.resize(fields);
        import.status = Import::Status::Read;
        return import;
    }
    case FileKind::Unsupported:
        break;
    }
    prompter.message(FileMessages::kBadImportTypeText, FileMessages::kBadImportTypeTitle, Prompter::Icon::Critical);
    return import;
}

Written WriteGrid(Prompter &prompter, const GridTable &grid, const QString &path, const QString &fileExt,
                  int textColumns, const WorkbookLayout &layout, bool withNes)
{
    const FileKind kind = KindOfExt(fileExt, withNes, FileUse::Write);
    if (kind == FileKind::Unsupported) {
        FileMessages::ShowNothingWritten(prompter, path, withNes);
        return Written::Nothing;
    }
    Outcome outcome = Outcome::success();
    {
        BusyPointer busy(prompter);
        outcome = kind == FileKind::Text ? WriteTextFile(grid, path, textColumns)
                                         : WriteWorkbook(grid, path, layout, *WorkbookFormatOf(fileExt));
    }
    if (!outcome) {
        FileMessages::ShowWriteFailed(prompter, path, outcome);
        return Written::Nothing;
    }
    if (kind == FileKind::Text)
        CodePageLoss::find(grid, textColumns).report(prompter);
    return kind == FileKind::Text ? Written::Text : Written::Workbook;
}

} // namespace GridFiles
