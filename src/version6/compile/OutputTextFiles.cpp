#include "version6/compile/OutputTextFiles.h"

#include "files/AtomicFile.h"
#include "files/TextRecords.h"

struct OutputTextFiles::File {
    explicit File(const QString &path) : file(path) {}
    AtomicFileWriter file;
    std::unique_ptr<TextRecordWriter> records; // once the file is open
    CodePageLoss loss;
    int lines = 0;
};

OutputTextFiles::OutputTextFiles(const QStringList &paths)
{
    for (const QString &path : paths)
        m_files.push_back(std::make_unique<File>(path));
}

OutputTextFiles::~OutputTextFiles() = default;

Outcome OutputTextFiles::open()
{
    for (const std::unique_ptr<File> &file : m_files) {
        if (Outcome opened = file->file.open(); !opened)
            return opened;
        file->records = std::make_unique<TextRecordWriter>(file->file.device());
    }
    return Outcome::success();
}

void OutputTextFiles::append(int index, const QString *cells)
{
    File &file = *m_files[size_t(index)];
    if (!file.records)
        return;
    ++file.lines;
    for (int c = 0; c < 5; ++c) {
        const QStringView text = cells ? QStringView(cells[c]) : QStringView();
        file.records->field(text);
        file.loss.note(text, file.lines, c + 1);
    }
    file.records->endRecord();
    // A device that failed says so at commit.
    if (file.records->full())
        file.records->flush();
}

Outcome OutputTextFiles::commit()
{
    for (const std::unique_ptr<File> &file : m_files) {
        const bool flushed = file->records && file->records->flush();
        if (Outcome committed = file->file.commit(flushed); !committed)
            return committed;
    }
    return Outcome::success();
}

const CodePageLoss &OutputTextFiles::loss(int index) const
{
    return m_files[size_t(index)]->loss;
}
