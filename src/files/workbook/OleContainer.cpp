// libgsf's GLib headers use the word "signals": they come before any Qt header.
#include <gsf/gsf-infile-impl.h>
#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>

#include "files/workbook/OleContainer.h"

#include <mutex>

namespace {

// Owns one GObject reference.
template <typename T>
class GRef {
public:
    explicit GRef(T *object = nullptr) : m_object(object) {}
    ~GRef()
    {
        if (m_object)
            g_object_unref(m_object);
    }
    GRef(const GRef &) = delete;
    GRef &operator=(const GRef &) = delete;
    T *get() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }

private:
    T *m_object;
};

// libgsf reports what it finds wrong with a damaged container as GLib warnings;
// the reader gives its own reason, so they are dropped instead of filling stderr.
void DropLog(const gchar *, GLogLevelFlags, const gchar *, gpointer) {}

void InitGsf()
{
    static std::once_flag once;
    std::call_once(once, [] {
        gsf_init();
        const auto levels = GLogLevelFlags(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_MESSAGE | G_LOG_LEVEL_INFO
                                           | G_LOG_LEVEL_DEBUG | G_LOG_LEVEL_CRITICAL);
        g_log_set_handler("libgsf:msole", levels, DropLog, nullptr);
        g_log_set_handler("libgsf", levels, DropLog, nullptr);
    });
}

QString GErrorText(GError *error)
{
    if (!error)
        return QString();
    const QString text = QString::fromUtf8(error->message);
    g_error_free(error);
    return text;
}

} // namespace

Expected<OleWorkbookStream> ReadOleWorkbookStream(const QByteArray &file)
{
    InitGsf();
    GRef<GsfInput> input(gsf_input_memory_new(reinterpret_cast<const guint8 *>(file.constData()), file.size(), FALSE));
    GError *error = nullptr;
    GRef<GsfInfile> ole(gsf_infile_msole_new(input.get(), &error));
    if (!ole) {
        GErrorText(error);
        return Expected<OleWorkbookStream>::failure(QStringLiteral("it is not an Excel 97-2003 workbook (.xls)"));
    }

    // Stream names compare without regard to case in a compound document.
    int index = -1;
    QString name;
    const int children = gsf_infile_num_children(ole.get());
    for (const char *wanted : {"Workbook", "Book"}) {
        for (int i = 0; i < children && index < 0; ++i) {
            const char *child = gsf_infile_name_by_index(ole.get(), i);
            if (child && g_ascii_strcasecmp(child, wanted) == 0) {
                index = i;
                name = QString::fromLatin1(wanted);
            }
        }
    }
    if (index < 0)
        return Expected<OleWorkbookStream>::failure(
            QStringLiteral("it holds no workbook (a compound document without a Workbook stream)"));

    // Through the class, which reports a broken sector chain as an error rather
    // than as a warning on stderr.
    error = nullptr;
    GRef<GsfInput> stream(GSF_INFILE_CLASS(G_OBJECT_GET_CLASS(ole.get()))->child_by_index(ole.get(), index, &error));
    if (!stream) {
        const QString why = GErrorText(error);
        return Expected<OleWorkbookStream>::failure(
            QStringLiteral("it is damaged (its workbook stream cannot be opened%1)")
                .arg(why.isEmpty() ? QString() : QStringLiteral(": ") + why));
    }
    const gsf_off_t size = gsf_input_size(stream.get());
    // A stream is stored inside the file, so it cannot be larger than the file.
    if (size < 0 || size > file.size())
        return Expected<OleWorkbookStream>::failure(
            QStringLiteral("it is damaged (its workbook stream claims %1 bytes in a file of %2)")
                .arg(size)
                .arg(file.size()));

    OleWorkbookStream result;
    result.name = name;
    result.bytes.resize(qsizetype(size));
    constexpr gsf_off_t kChunk = 1 << 16;
    for (gsf_off_t at = 0; at < size; at += kChunk) {
        const size_t n = size_t(qMin(kChunk, size - at));
        if (!gsf_input_read(stream.get(), n, reinterpret_cast<guint8 *>(result.bytes.data() + at)))
            return Expected<OleWorkbookStream>::failure(
                QStringLiteral("it is damaged (its workbook stream cannot be read to its end)"));
    }
    return result;
}

Expected<QByteArray> BuildOleWorkbookFile(const QByteArray &workbookStream)
{
    InitGsf();
    GRef<GsfOutput> memory(gsf_output_memory_new());
    bool ok = true;
    {
        GRef<GsfOutfile> ole(gsf_outfile_msole_new(memory.get()));
        if (!ole)
            return Expected<QByteArray>::failure(QStringLiteral("the workbook container cannot be created"));
        GRef<GsfOutput> stream(gsf_outfile_new_child(ole.get(), "Workbook", FALSE));
        if (!stream)
            return Expected<QByteArray>::failure(QStringLiteral("the workbook stream cannot be created"));
        ok = gsf_output_write(stream.get(), size_t(workbookStream.size()),
                              reinterpret_cast<const guint8 *>(workbookStream.constData()));
        ok = gsf_output_close(stream.get()) && ok;
        ok = gsf_output_close(GSF_OUTPUT(ole.get())) && ok;
    }
    if (!ok)
        return Expected<QByteArray>::failure(QStringLiteral("the workbook container could not be made"));
    const gsf_off_t size = gsf_output_size(memory.get());
    // Closing the container closed the memory output too; its bytes stay until it goes.
    return QByteArray(reinterpret_cast<const char *>(gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(memory.get()))),
                      qsizetype(size));
}
