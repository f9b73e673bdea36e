#include "files/FileDialog.h"

#include "files/workbook/Workbook.h"
#include "platform/Prompter.h"

QString FolderOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash + 1);
}

QString FileTypeOf(const QString &path)
{
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1).toUpper();
}

void FileExtOf(FileDialogState &state, const QString &path)
{
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    if (name.contains(QLatin1Char('.')))
        state.fileExt = FileTypeOf(path);
}

FileKind KindOfExt(const QString &ext, bool withNes, FileUse use)
{
    if (ext == QLatin1String("CSV") || ext == QLatin1String("TXT") || ext == QLatin1String("NEV"))
        return FileKind::Text;
    if (ext == QLatin1String("NES"))
        return withNes ? FileKind::Text : FileKind::Unsupported;
    if (use == FileUse::Read ? IsWorkbookType(ext) : WorkbookFormatOf(ext).has_value())
        return FileKind::Workbook;
    return FileKind::Unsupported;
}

static QString remember(FileDialogState &state, const Prompter::FileAnswer &answer)
{
    state.fileChosen = answer.path;
    state.filterIndex = answer.filterIndex;
    state.folder = FolderOf(answer.path);
    return answer.path;
}

QString ChooseFile(FileDialogState &state, Prompter &prompter, const QString &title, QString &statusPrompt)
{
    state.fileChosen.clear();
    statusPrompt.clear();

    Prompter::FileRequest request;
    request.title = title;
    request.folder = state.folder;
    request.filter = FileFilters::kTools;
    request.save = title.toUpper() == FileMessages::kExportLocationTitle;
    request.filterIndex =
        (state.filterIndex >= 1 && state.filterIndex <= FileFilters::kToolsEntries) ? state.filterIndex : 1;

    const Prompter::FileAnswer answer = prompter.chooseFile(request);
    if (answer.path.isEmpty())
        return QString();
    statusPrompt = FileMessages::kOpeningFilePrompt + answer.path;
    return remember(state, answer);
}

QString ChooseFileV6(FileDialogState &state, Prompter &prompter, const QString &title, const QString &scriptsFolder,
                     QString &statusPrompt)
{
    state.fileChosen.clear();
    statusPrompt.clear();

    Prompter::FileRequest request;
    request.title = title;
    request.folder = state.folderChosen ? state.folder : scriptsFolder;
    request.filterIndex = state.filterIndex;
    const QString upper = title.toUpper();
    if (upper == FileMessages::kExportLocationTitle) {
        request.save = true;
        request.filter = FileFilters::kExportLocation;
    } else if (upper == FileMessages::kExportGridTitle) {
        request.filter = FileFilters::kExportGrid;
        request.mustExist = false; // an open dialog that names the file to write
    } else {
        request.filter = FileFilters::kTools;
    }

    const Prompter::FileAnswer answer = prompter.chooseFile(request);
    if (answer.path.isEmpty())
        return QString();
    state.folderChosen = true;
    return remember(state, answer);
}
