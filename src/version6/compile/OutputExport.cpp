#include "version6/compile/OutputExport.h"

#include "files/FileMessages.h"
#include "files/TextRecords.h"
#include "files/workbook/Workbook.h"
#include "grid/GridTable.h"
#include "platform/Prompter.h"

namespace Version6Export {

Outcome WriteOutputGrid(const GridTable &grid, const QString &path, const QString &fileType,
                        const std::function<void(int)> &progress)
{
    switch (KindOfExt(fileType, false, FileUse::Write)) {
    case FileKind::Text:
        return WriteTextFile(grid, path, 5, grid.rows() - 2, progress);
    case FileKind::Workbook:
        return WriteWorkbook(grid, path, WorkbookLayout{1, -1, 6, {}}, *WorkbookFormatOf(fileType));
    case FileKind::Unsupported:
        break;
    }
    return Outcome::failure(QStringLiteral("Files of this type cannot be written."));
}

void ReportExport(Prompter &prompter, FileKind kind, const QString &path, const Outcome &written)
{
    const QString failed = QStringLiteral("UNABLE TO EXPORT");
    if (kind == FileKind::Unsupported) {
        prompter.message(QStringLiteral("Nothing was exported: files of this type cannot be written.\r\n"
                                        "Choose a name ending in %1.")
                             .arg(FileMessages::WritableEndings(false)),
                         failed, Prompter::Icon::Critical);
        return;
    }
    if (!written) {
        prompter.message(QStringLiteral("Nothing was exported: the file could not be written.\r\n") + written.reason(),
                         failed, Prompter::Icon::Critical);
        return;
    }
    if (kind == FileKind::Text)
        prompter.message(QStringLiteral("Data Exported Successfully!"), QStringLiteral("For Your Information"),
                         Prompter::Icon::Information);
    else
        prompter.message(QStringLiteral("Exported to ") + path);
}

} // namespace Version6Export
