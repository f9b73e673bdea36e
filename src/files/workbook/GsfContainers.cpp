// The containers of workbooks through libgsf: the OLE2 compound document of .xls
// files and the zip archive of .xlsx and .ods files. The one file that includes
// libgsf: its GLib headers use the word "signals", so they come before any Qt header.
#include <gsf/gsf-infile-impl.h>
#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile-zip.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile-zip.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>

#include "files/workbook/OleContainer.h"
#include "files/workbook/ZipContainer.h"

#include <QFile>
#include <QHash>
#include <QLocale>
#include <QSet>
#include <QtEndian>

#include <array>
#include <limits>
#include <mutex>
#include <optional>
#include <vector>

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
    void reset(T *object)
    {
        if (m_object)
            g_object_unref(m_object);
        m_object = object;
    }

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
        g_log_set_handler("libgsf:zip", levels, DropLog, nullptr);
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

// ---- Zip archives ----

namespace {

constexpr quint32 kLocalHeaderSignature = 0x04034B50;
constexpr quint32 kCentralHeaderSignature = 0x02014B50;
constexpr quint32 kEndSignature = 0x06054B50;
constexpr quint32 kZip64EndSignature = 0x06064B50;
constexpr quint32 kZip64LocatorSignature = 0x07064B50;
constexpr qint64 kEndSize = 22;
constexpr qint64 kZip64LocatorSize = 20;
constexpr qint64 kZip64EndSize = 56;
constexpr qint64 kCentralHeaderSize = 46;
constexpr qint64 kLocalHeaderSize = 30;
constexpr qint64 kMaxComment = 0xFFFF;
// Far more than any workbook has (an .xlsx holds some ten parts).
constexpr qint64 kMaxEntries = 65535;
constexpr qint64 kMaxDirectoryBytes = 16 * 1024 * 1024;
constexpr quint16 kEncryptedFlag = 0x0001;
constexpr quint16 kUtf8NameFlag = 0x0800;
constexpr quint16 kStored = 0;
constexpr quint16 kDeflated = 8;
constexpr qint64 kPiece = 64 * 1024;

QString Grouped(qint64 number)
{
    return QLocale(QLocale::English).toString(qlonglong(number));
}

QString Megabytes(qint64 bytes)
{
    return Grouped((bytes + 1024 * 1024 - 1) / (1024 * 1024));
}

// CRC-32 as zip archives record it (polynomial 0xEDB88320), eight bytes a step.
quint32 Crc32(quint32 crc, const uchar *data, qint64 size)
{
    static const auto tables = [] {
        std::array<std::array<quint32, 256>, 8> t{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[0][i] = c;
        }
        for (quint32 i = 0; i < 256; ++i)
            for (int k = 1; k < 8; ++k)
                t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF];
        return t;
    }();
    crc = ~crc;
    qint64 i = 0;
    for (; i + 8 <= size; i += 8) {
        const quint32 low = qFromLittleEndian<quint32>(data + i) ^ crc;
        const quint32 high = qFromLittleEndian<quint32>(data + i + 4);
        crc = tables[7][low & 0xFF] ^ tables[6][(low >> 8) & 0xFF] ^ tables[5][(low >> 16) & 0xFF]
            ^ tables[4][low >> 24] ^ tables[3][high & 0xFF] ^ tables[2][(high >> 8) & 0xFF]
            ^ tables[1][(high >> 16) & 0xFF] ^ tables[0][high >> 24];
    }
    for (; i < size; ++i)
        crc = tables[0][(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

quint16 U16(const uchar *at)
{
    return qFromLittleEndian<quint16>(at);
}
quint32 U32(const uchar *at)
{
    return qFromLittleEndian<quint32>(at);
}
quint64 U64(const uchar *at)
{
    return qFromLittleEndian<quint64>(at);
}

struct ZipEntry {
    QString name;
    quint16 flags = 0;
    quint16 method = 0;
    quint32 crc = 0;
    qint64 compressedSize = 0;
    qint64 size = 0;
    qint64 headerOffset = 0;
};

} // namespace

struct ZipArchive::State {
    QByteArray bytes; // the archive, when it is held in memory
    GRef<GsfInput> input;
    GRef<GsfInfile> zip;
    qint64 fileSize = 0;
    std::vector<ZipEntry> entries;

    // size bytes at offset, or an empty array when the file has fewer.
    QByteArray read(qint64 offset, qint64 size)
    {
        if (offset < 0 || size < 0 || offset > fileSize || size > fileSize - offset)
            return QByteArray();
        QByteArray data(qsizetype(size), Qt::Uninitialized);
        if (size == 0)
            return data;
        if (gsf_input_seek(input.get(), offset, G_SEEK_SET)
            || !gsf_input_read(input.get(), size_t(size), reinterpret_cast<guint8 *>(data.data())))
            return QByteArray();
        return data;
    }

    std::optional<QString> readDirectory();
    const ZipEntry *find(const QString &name) const
    {
        for (const ZipEntry &e : entries)
            if (e.name == name)
                return &e;
        for (const ZipEntry &e : entries)
            if (e.name.compare(name, Qt::CaseInsensitive) == 0)
                return &e;
        return nullptr;
    }
};

// Reads the end record and the central directory; the reason when they are not
// sound.
std::optional<QString> ZipArchive::State::readDirectory()
{
    const QString cutShort = QStringLiteral("it is not a complete zip archive (its directory at the end is missing, so "
                                            "the file may have been cut short)");
    if (fileSize < kEndSize)
        return cutShort;
    const qint64 tailSize = qMin(fileSize, kEndSize + kMaxComment);
    const QByteArray tail = read(fileSize - tailSize, tailSize);
    if (tail.isEmpty())
        return cutShort;
    const auto *t = reinterpret_cast<const uchar *>(tail.constData());
    qint64 end = -1;
    for (qint64 at = tailSize - kEndSize; at >= 0; --at)
        if (U32(t + at) == kEndSignature) {
            end = at;
            break;
        }
    if (end < 0)
        return cutShort;
    const qint64 endOffset = fileSize - tailSize + end;
    const uchar *e = t + end;
    if (U16(e + 4) != 0 || U16(e + 6) != 0)
        return QStringLiteral("it is one part of an archive split over several files");
    qint64 count = U16(e + 10);
    qint64 directorySize = U32(e + 12);
    qint64 directoryOffset = U32(e + 16);
    if (count == 0xFFFF || directorySize == 0xFFFFFFFF || directoryOffset == 0xFFFFFFFF) {
        const QByteArray locator = read(endOffset - kZip64LocatorSize, kZip64LocatorSize);
        const auto *l = reinterpret_cast<const uchar *>(locator.constData());
        if (locator.isEmpty() || U32(l) != kZip64LocatorSignature)
            return QStringLiteral("it is damaged (its zip directory cannot be found)");
        const QByteArray end64 = read(qint64(qMin<quint64>(U64(l + 8), quint64(fileSize))), kZip64EndSize);
        const auto *z = reinterpret_cast<const uchar *>(end64.constData());
        if (end64.isEmpty() || U32(z) != kZip64EndSignature)
            return QStringLiteral("it is damaged (its zip directory cannot be found)");
        count = qint64(qMin<quint64>(U64(z + 32), quint64(kMaxEntries) + 1));
        directorySize = qint64(qMin<quint64>(U64(z + 40), quint64(kMaxDirectoryBytes) + 1));
        directoryOffset = qint64(qMin<quint64>(U64(z + 48), quint64(fileSize)));
    }
    if (count > kMaxEntries || directorySize > kMaxDirectoryBytes)
        return QStringLiteral("it holds more files than a workbook ever has (%1)").arg(Grouped(count));
    if (directoryOffset + directorySize > endOffset)
        return QStringLiteral("it is damaged (its zip directory lies beyond the end of the file)");

    const QByteArray directory = read(directoryOffset, directorySize);
    const auto *d = reinterpret_cast<const uchar *>(directory.constData());
    qint64 at = 0;
    entries.reserve(size_t(count));
    QSet<QString> names;
    for (qint64 i = 0; i < count; ++i) {
        if (at + kCentralHeaderSize > directorySize || U32(d + at) != kCentralHeaderSignature)
            return QStringLiteral("it is damaged (its zip directory is cut short)");
        const uchar *h = d + at;
        ZipEntry entry;
        entry.flags = U16(h + 8);
        entry.method = U16(h + 10);
        entry.crc = U32(h + 16);
        entry.compressedSize = U32(h + 20);
        entry.size = U32(h + 24);
        const qint64 nameSize = U16(h + 28), extraSize = U16(h + 30), commentSize = U16(h + 32);
        entry.headerOffset = U32(h + 42);
        if (at + kCentralHeaderSize + nameSize + extraSize + commentSize > directorySize)
            return QStringLiteral("it is damaged (its zip directory is cut short)");
        const auto *name = reinterpret_cast<const char *>(h + kCentralHeaderSize);
        entry.name = (entry.flags & kUtf8NameFlag) ? QString::fromUtf8(name, qsizetype(nameSize))
                                                   : QString::fromLatin1(name, qsizetype(nameSize));
        // Sizes and the offset that do not fit 32 bits follow in the zip64 field, in this order.
        for (const uchar *x = h + kCentralHeaderSize + nameSize, *xEnd = x + extraSize; x + 4 <= xEnd;) {
            const quint16 id = U16(x), length = U16(x + 2);
            const uchar *value = x + 4, *valueEnd = qMin(value + length, xEnd);
            if (id == 0x0001) {
                for (qint64 *field : {&entry.size, &entry.compressedSize, &entry.headerOffset})
                    if (*field == 0xFFFFFFFF && value + 8 <= valueEnd) {
                        *field = qint64(qMin<quint64>(U64(value), quint64(std::numeric_limits<qint64>::max())));
                        value += 8;
                    }
            }
            x += 4 + length;
        }
        at += kCentralHeaderSize + nameSize + extraSize + commentSize;
        if (entry.name.endsWith(QLatin1Char('/')))
            continue; // a folder
        if (names.contains(entry.name))
            return QStringLiteral("it is damaged (it holds two files named %1)").arg(entry.name);
        names.insert(entry.name);
        entries.push_back(std::move(entry));
    }
    return std::nullopt;
}

struct ZipMember::State {
    GRef<GsfInput> input;
    ZipEntry entry;
    qint64 remaining = 0;
    quint32 crc = 0;
    QString failure;
};

ZipMember::ZipMember(std::unique_ptr<State> state) : m_state(std::move(state))
{
    QIODevice::open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

ZipMember::~ZipMember() = default;

qint64 ZipMember::bytesAvailable() const
{
    return QIODevice::bytesAvailable() + (m_state->failure.isEmpty() ? m_state->remaining : 0);
}

const QString &ZipMember::failure() const
{
    return m_state->failure;
}

qint64 ZipMember::readData(char *data, qint64 maxSize)
{
    State &s = *m_state;
    if (!s.failure.isEmpty())
        return -1;
    const qint64 n = qMin(qMin(maxSize, s.remaining), kPiece);
    if (n <= 0)
        return 0;
    auto *bytes = reinterpret_cast<guint8 *>(data);
    if (!gsf_input_read(s.input.get(), size_t(n), bytes)) {
        s.failure = QStringLiteral("it is damaged (its part %1 cannot be inflated to its end)").arg(s.entry.name);
        return -1;
    }
    s.crc = Crc32(s.crc, bytes, n);
    s.remaining -= n;
    if (s.remaining == 0 && s.crc != s.entry.crc) {
        s.failure = QStringLiteral("it is damaged (its part %1 fails its CRC-32 check)").arg(s.entry.name);
        return -1;
    }
    return n;
}

Outcome ZipMember::finish()
{
    QByteArray scratch(qsizetype(kPiece), Qt::Uninitialized);
    while (m_state->failure.isEmpty() && m_state->remaining > 0)
        if (read(scratch.data(), kPiece) < 0 && m_state->failure.isEmpty())
            m_state->failure = QStringLiteral("it is damaged (its part %1 cannot be read)").arg(m_state->entry.name);
    return m_state->failure.isEmpty() ? Outcome::success() : Outcome::failure(m_state->failure);
}

ZipArchive::ZipArchive(std::unique_ptr<State> state) : m_state(std::move(state)) {}

ZipArchive::~ZipArchive() = default;

Expected<std::unique_ptr<ZipArchive>> ZipArchive::fromBytes(QByteArray bytes)
{
    InitGsf();
    auto state = std::make_unique<State>();
    state->bytes = std::move(bytes);
    state->input.reset(
        gsf_input_memory_new(reinterpret_cast<const guint8 *>(state->bytes.constData()), state->bytes.size(), FALSE));
    return openState(std::move(state));
}

Expected<std::unique_ptr<ZipArchive>> ZipArchive::openState(std::unique_ptr<State> state)
{
    using Result = Expected<std::unique_ptr<ZipArchive>>;
    state->fileSize = gsf_input_size(state->input.get());
    if (const std::optional<QString> failure = state->readDirectory())
        return Result::failure(*failure);
    GError *error = nullptr;
    state->zip.reset(gsf_infile_zip_new(state->input.get(), &error));
    if (!state->zip) {
        const QString why = GErrorText(error);
        return Result::failure(QStringLiteral("it is damaged (%1)")
                                   .arg(why.isEmpty() ? QStringLiteral("its zip "
                                                                       "directory")
                                                      : why));
    }
    return std::unique_ptr<ZipArchive>(new ZipArchive(std::move(state)));
}

QString ZipArchive::find(const QString &name) const
{
    const ZipEntry *entry = m_state->find(name);
    return entry ? entry->name : QString();
}

qint64 ZipArchive::size(const QString &name) const
{
    const ZipEntry *entry = m_state->find(name);
    return entry ? entry->size : -1;
}

Expected<std::unique_ptr<ZipMember>> ZipArchive::member(const QString &name)
{
    using Result = Expected<std::unique_ptr<ZipMember>>;
    const ZipEntry *entry = m_state->find(name);
    if (!entry)
        return Result::failure(QStringLiteral("it has no part named %1").arg(name));
    const QString &stored = entry->name;
    if (entry->flags & kEncryptedFlag)
        return Result::failure(
            QStringLiteral("it is protected with a password (its part %1 is encrypted)").arg(stored));
    if (entry->method != kStored && entry->method != kDeflated)
        return Result::failure(QStringLiteral("its part %1 is compressed in a way Halvoran does not read (method %2)")
                                   .arg(stored)
                                   .arg(entry->method));
    if (entry->method == kStored && entry->size != entry->compressedSize)
        return Result::failure(
            QStringLiteral("it is damaged (its part %1 is stored with two different sizes)").arg(stored));

    const QByteArray header = m_state->read(entry->headerOffset, kLocalHeaderSize);
    const auto *h = reinterpret_cast<const uchar *>(header.constData());
    if (header.isEmpty() || U32(h) != kLocalHeaderSignature)
        return Result::failure(
            QStringLiteral("it is damaged (its part %1 is not where its directory says)").arg(stored));
    const qint64 dataOffset = entry->headerOffset + kLocalHeaderSize + U16(h + 26) + U16(h + 28);
    if (entry->compressedSize > m_state->fileSize - dataOffset)
        return Result::failure(
            QStringLiteral("it is cut short (its part %1 ends beyond the end of the file)").arg(stored));
    // The stored size lies within the file now, so the ratio cannot overflow.
    if (entry->size > kMaxZipMemberBytes)
        return Result::failure(QStringLiteral("its part %1 would inflate to %2 MB; at most %3 MB are read")
                                   .arg(stored, Megabytes(entry->size), Megabytes(kMaxZipMemberBytes)));
    if (entry->size > entry->compressedSize * kMaxZipRatio + kZipRatioSlack)
        return Result::failure(QStringLiteral("its part %1 would inflate from %2 to %3 bytes, more than %4 times its "
                                              "size, as only a zip bomb does")
                                   .arg(stored, Grouped(entry->compressedSize), Grouped(entry->size))
                                   .arg(kMaxZipRatio));

    QList<QByteArray> path;
    for (const QString &part : stored.split(QLatin1Char('/')))
        path.append(part.toUtf8());
    std::vector<const char *> names;
    for (const QByteArray &part : path)
        names.push_back(part.constData());
    names.push_back(nullptr);
    auto state = std::make_unique<ZipMember::State>();
    state->input.reset(gsf_infile_child_by_aname(m_state->zip.get(), names.data()));
    if (!state->input || gsf_input_size(state->input.get()) != entry->size)
        return Result::failure(QStringLiteral("it is damaged (its part %1 cannot be opened)").arg(stored));
    state->entry = *entry;
    state->remaining = entry->size;
    return std::unique_ptr<ZipMember>(new ZipMember(std::move(state)));
}

Expected<QByteArray> ZipArchive::readAll(const QString &name, qint64 maxBytes)
{
    Expected<std::unique_ptr<ZipMember>> member = this->member(name);
    if (!member)
        return Expected<QByteArray>::failure(member.reason());
    const qint64 size = this->size(name);
    if (size > maxBytes)
        return Expected<QByteArray>::failure(QStringLiteral("its part %1 is too large (%2 bytes; at most %3 are read)")
                                                 .arg(find(name), Grouped(size), Grouped(maxBytes)));
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    for (qint64 at = 0; at < size;) {
        const qint64 n = (*member)->read(bytes.data() + at, size - at);
        if (n <= 0)
            break;
        at += n;
    }
    if (const Outcome checked = (*member)->finish(); !checked)
        return Expected<QByteArray>::failure(checked.reason());
    return bytes;
}

// ---- Zip writer ----

struct ZipWriter::State {
    GRef<GsfOutput> memory;
    GsfOutfile *root = nullptr;
    QHash<QString, GsfOutfile *> folders;
    std::vector<GsfOutput *> outputs; // every child made, released after the root is closed
    GsfOutput *current = nullptr;
    bool ok = true;

    GsfOutfile *folder(const QString &path)
    {
        if (path.isEmpty())
            return root;
        if (GsfOutfile *found = folders.value(path))
            return found;
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        GsfOutfile *parent = folder(slash < 0 ? QString() : path.left(slash));
        if (!parent)
            return nullptr;
        GsfOutput *made = gsf_outfile_new_child(parent, path.mid(slash + 1).toUtf8().constData(), TRUE);
        if (!made)
            return nullptr;
        outputs.push_back(made);
        folders.insert(path, GSF_OUTFILE(made));
        return GSF_OUTFILE(made);
    }
};

ZipWriter::ZipWriter() : m_state(std::make_unique<State>())
{
    InitGsf();
    m_state->memory.reset(gsf_output_memory_new());
    // Never zip64: its extra fields would move the first member's bytes.
    m_state->root = GSF_OUTFILE(g_object_new(GSF_OUTFILE_ZIP_TYPE, "sink", m_state->memory.get(), "zip64", 0, nullptr));
    m_state->ok = m_state->root != nullptr;
}

ZipWriter::~ZipWriter()
{
    State &s = *m_state;
    if (s.root && !gsf_output_is_closed(GSF_OUTPUT(s.root))) {
        if (s.current)
            gsf_output_close(s.current);
        gsf_output_close(GSF_OUTPUT(s.root));
    }
    for (auto it = s.outputs.rbegin(); it != s.outputs.rend(); ++it)
        g_object_unref(*it);
    if (s.root)
        g_object_unref(s.root);
}

bool ZipWriter::begin(const QString &name, bool stored)
{
    State &s = *m_state;
    if (!s.ok || s.current)
        return s.ok = false;
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    GsfOutfile *parent = s.folder(slash < 0 ? QString() : name.left(slash));
    const QByteArray leaf = name.mid(slash + 1).toUtf8();
    if (!parent || leaf.isEmpty())
        return s.ok = false;
    // Deflate's fastest level: sheets of text compress well at any level, and
    // the higher ones cost several times the time.
    s.current = stored
        ? gsf_outfile_new_child_full(parent, leaf.constData(), FALSE, "compression-level", int(GSF_ZIP_STORED), nullptr)
        : gsf_outfile_new_child_full(parent, leaf.constData(), FALSE, "deflate-level", 1, nullptr);
    if (!s.current)
        return s.ok = false;
    s.outputs.push_back(s.current);
    return true;
}

bool ZipWriter::write(QByteArrayView bytes)
{
    State &s = *m_state;
    if (!s.ok || !s.current)
        return s.ok = false;
    if (!bytes.isEmpty())
        s.ok = gsf_output_write(s.current, size_t(bytes.size()), reinterpret_cast<const guint8 *>(bytes.data()));
    return s.ok;
}

bool ZipWriter::end()
{
    State &s = *m_state;
    if (!s.current)
        return s.ok = false;
    s.ok = gsf_output_close(s.current) && s.ok;
    s.current = nullptr;
    return s.ok;
}

Expected<QByteArray> ZipWriter::finish()
{
    State &s = *m_state;
    if (s.current)
        end();
    if (s.root)
        s.ok = gsf_output_close(GSF_OUTPUT(s.root)) && s.ok;
    if (!s.ok)
        return Expected<QByteArray>::failure(QStringLiteral("the zip archive could not be made"));
    const gsf_off_t size = gsf_output_size(s.memory.get());
    return QByteArray(reinterpret_cast<const char *>(gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(s.memory.get()))),
                      qsizetype(size));
}
