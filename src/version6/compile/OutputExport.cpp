#include "version6/compile/OutputExport.h"

#include "files/FileMessages.h"
#include "files/TextRecords.h"
#include "files/workbook/Workbook.h"
#include "grid/GridTable.h"
#include "platform/Prompter.h"
#include "version6/compile/CompileTexts.h"

namespace Version6Export {

Outcome WriteOutputGrid(const GridTable &grid, const QString &path, const QString &fileType,
                        const std::function<void(int)> &progress, SheetHeader header)
{
    switch (KindOfExt(fileType, false, FileUse::Write)) {
    case FileKind::Text:
        return WriteTextFile(grid, path, 5, grid.rows() - 2, progress);
    case FileKind::Workbook:
        return WriteWorkbook(grid, path, WorkbookLayout{header == SheetHeader::Written ? 0 : 1, -1, 6, {}},
                             *WorkbookFormatOf(fileType));
    case FileKind::Unsupported:
        break;
    }
    return Outcome::failure(FileMessages::kUnwritableTypeReason);
}

CodePageLoss OutputGridLoss(const GridTable &grid, const QString &fileType)
{
    if (KindOfExt(fileType, false, FileUse::Write) != FileKind::Text)
        return {};
    return CodePageLoss::find(grid, 5, grid.rows() - 2);
}

void ReportExport(Prompter &prompter, FileKind kind, const QString &path, const Outcome &written,
                  const CodePageLoss &loss)
{
    if (kind == FileKind::Unsupported) {
        prompter.message(CompileTexts::UnwritableTypeText(FileMessages::WritableEndings(false)),
                         CompileTexts::kExportFailedTitle, Prompter::Icon::Critical);
        return;
    }
    if (!written) {
        prompter.message(CompileTexts::WriteFailedText(written.reason()), CompileTexts::kExportFailedTitle,
                         Prompter::Icon::Critical);
        return;
    }
    if (kind == FileKind::Text) {
        prompter.message(CompileTexts::kExportedText, FileMessages::kInformationTitle, Prompter::Icon::Information);
        loss.report(prompter);
    } else
        prompter.message(FileMessages::kExportedToText + path);
}

} // namespace Version6Export
