#include "files/GridFiles.h"

#include "files/FileDialog.h"
#include "files/FileMessages.h"
#include "files/TextRecords.h"
#include "platform/Prompter.h"

namespace GridFiles {

Import ReadRecords(Prompter &prompter, const QString &path, const QString &fileExt, int fields)
{
    Import import;
    switch (KindOfExt(fileExt)) {
    case FileKind::Text: {
        TextRecords text;
        {
            BusyPointer busy(prompter);
            text = ReadTextRecords(path, fields);
        }
        if (!text.outcome) {
            prompter.message(FileMessages::kUnreadableText, FileMessages::kUnreadableTitle, Prompter::Icon::Critical);
            return import;
        }
        import.records = std::move(text.records);
        import.status = Import::Status::Read;
        return import;
    }
    case FileKind::Workbook:
    case FileKind::Unsupported:
        break;
    }
    prompter.message(FileMessages::kBadImportTypeText, FileMessages::kBadImportTypeTitle, Prompter::Icon::Critical);
    return import;
}

Written WriteGrid(Prompter &prompter, const GridTable &grid, const QString &path, const QString &fileExt,
                  int textColumns, bool withNes)
{
    switch (KindOfExt(fileExt, withNes)) {
    case FileKind::Text: {
        Outcome outcome = Outcome::success();
        {
            BusyPointer busy(prompter);
            outcome = WriteTextFile(grid, path, textColumns);
        }
        if (!outcome) {
            FileMessages::ShowWriteFailed(prompter, path, outcome);
            return Written::Nothing;
        }
        return Written::Text;
    }
    case FileKind::Workbook:
    case FileKind::Unsupported:
        break;
    }
    FileMessages::ShowNothingWritten(prompter, path, withNes);
    return Written::Nothing;
}

} // namespace GridFiles
