#include "grid/CellTexts.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

// A cell: where its text starts in its arena and how long it is, with the
// arena and null-ness in the top bits of the length.
struct Slot {
    quint32 at = 0;
    quint32 length = 0;
};
constexpr quint32 kWide = 1u << 31;
constexpr quint32 kNull = 1u << 30;
constexpr quint32 kLengthMask = kNull - 1;
constexpr Slot kNullSlot{0, kNull};

// Arenas are addressed with 32 bits: far beyond any grid a file can fill.
constexpr qsizetype kArenaLimit = std::numeric_limits<quint32>::max();

} // namespace

struct CellTexts::Data : QSharedData {
    std::vector<Slot> cells;
    std::vector<char> narrow;
    std::vector<char16_t> wide;
    qsizetype unused = 0; // characters of texts no cell holds any more

    qsizetype lengthOf(const Slot &slot) const { return qsizetype(slot.length & kLengthMask); }
    void release(const Slot &slot) { unused += lengthOf(slot); }
    Slot store(QStringView text);
    void compactIfWasteful();
    void compact();
    void copyFrom(const Data &from, qsizetype at, qsizetype count);
};

Slot CellTexts::Data::store(QStringView text)
{
    const qsizetype length = std::min<qsizetype>(text.size(), kLengthMask);
    if (qsizetype(std::max(narrow.size(), wide.size())) + length > kArenaLimit)
        compact();
    if (qsizetype(std::max(narrow.size(), wide.size())) + length > kArenaLimit)
        qFatal("A grid holds more than 4 GB of text.");
    const size_t at = narrow.size();
    // Narrowed as it is copied; a character past Latin-1 sends it to the wide arena.
    narrow.resize(at + size_t(length));
    char *to = narrow.data() + at;
    const char16_t *from = text.utf16();
    for (qsizetype i = 0; i < length; ++i) {
        if (from[i] > 0xFF) {
            narrow.resize(at);
            const size_t wideAt = wide.size();
            wide.insert(wide.end(), from, from + length);
            return {quint32(wideAt), quint32(length) | kWide};
        }
        to[i] = char(from[i]);
    }
    return {quint32(at), quint32(length)};
}

void CellTexts::Data::compactIfWasteful()
{
    const qsizetype held = qsizetype(narrow.size() + wide.size());
    if (unused >= 65536 && unused * 2 >= held)
        compact();
}

void CellTexts::Data::compact()
{
    Data packed;
    packed.copyFrom(*this, 0, qsizetype(cells.size()));
    cells.swap(packed.cells);
    narrow.swap(packed.narrow);
    wide.swap(packed.wide);
    unused = 0;
}

void CellTexts::Data::copyFrom(const Data &from, qsizetype at, qsizetype count)
{
    cells.reserve(cells.size() + size_t(count));
    for (qsizetype i = at; i < at + count; ++i) {
        const Slot &slot = from.cells[size_t(i)];
        Slot copy = slot;
        const qsizetype length = from.lengthOf(slot);
        if (slot.length & kWide) {
            copy.at = quint32(wide.size());
            wide.insert(wide.end(), from.wide.begin() + slot.at, from.wide.begin() + slot.at + length);
        } else if (!(slot.length & kNull)) {
            copy.at = quint32(narrow.size());
            narrow.insert(narrow.end(), from.narrow.begin() + slot.at, from.narrow.begin() + slot.at + length);
        }
        cells.push_back(copy);
    }
}

CellTexts::CellTexts() : d(new Data) {}
CellTexts::CellTexts(const CellTexts &other) = default;
CellTexts &CellTexts::operator=(const CellTexts &other) = default;
CellTexts::~CellTexts() = default;

qsizetype CellTexts::size() const
{
    return qsizetype(d->cells.size());
}

QAnyStringView CellTexts::view(qsizetype i) const
{
    const Data &data = *d;
    const Slot &slot = data.cells[size_t(i)];
    const qsizetype length = data.lengthOf(slot);
    if (slot.length & kWide)
        return QStringView(data.wide.data() + slot.at, length);
    if (length == 0)
        return QAnyStringView();
    return QLatin1StringView(data.narrow.data() + slot.at, length);
}

QString CellTexts::text(qsizetype i) const
{
    const Slot &slot = d->cells[size_t(i)];
    if (slot.length & kNull)
        return QString();
    if ((slot.length & kLengthMask) == 0)
        return QStringLiteral("");
    return view(i).toString();
}

bool CellTexts::isEmpty(qsizetype i) const
{
    return (d->cells[size_t(i)].length & kLengthMask) == 0;
}

bool CellTexts::holds(qsizetype i, const QString &text) const
{
    const bool null = d->cells[size_t(i)].length & kNull;
    return null == text.isNull() && QAnyStringView::equal(view(i), text);
}

void CellTexts::set(qsizetype i, const QString &text)
{
    Data &data = *d;
    data.release(data.cells[size_t(i)]);
    const Slot stored = text.isNull() ? kNullSlot : data.store(text);
    data.cells[size_t(i)] = stored;
    data.compactIfWasteful();
}

void CellTexts::setRange(qsizetype at, const QString *texts, qsizetype count)
{
    Data &data = *d;
    for (qsizetype i = 0; i < count; ++i) {
        data.release(data.cells[size_t(at + i)]);
        // Stored before the cell is looked up: storing may compact the cells.
        const Slot stored = texts[i].isNull() ? kNullSlot : data.store(texts[i]);
        data.cells[size_t(at + i)] = stored;
    }
    data.compactIfWasteful();
}

void CellTexts::resize(qsizetype size)
{
    Data &data = *d;
    for (qsizetype i = size; i < qsizetype(data.cells.size()); ++i)
        data.release(data.cells[size_t(i)]);
    data.cells.resize(size_t(size), kNullSlot);
    data.compactIfWasteful();
}

void CellTexts::fill(qsizetype size)
{
    d = new Data;
    d->cells.assign(size_t(size), kNullSlot);
}

void CellTexts::refill(qsizetype size)
{
    if (std::as_const(d)->ref.loadRelaxed() != 1) {
        fill(size);
        return;
    }
    Data &data = *d;
    data.cells.assign(size_t(size), kNullSlot);
    data.narrow.clear();
    data.wide.clear();
    data.unused = 0;
}

void CellTexts::insert(qsizetype at, qsizetype count)
{
    d->cells.insert(d->cells.begin() + at, size_t(count), kNullSlot);
}

void CellTexts::remove(qsizetype at, qsizetype count)
{
    Data &data = *d;
    for (qsizetype i = at; i < at + count; ++i)
        data.release(data.cells[size_t(i)]);
    data.cells.erase(data.cells.begin() + at, data.cells.begin() + at + count);
    data.compactIfWasteful();
}

CellTexts CellTexts::mid(qsizetype at, qsizetype count) const
{
    if (count < 0)
        count = size() - at;
    CellTexts part;
    part.d->copyFrom(*d, at, count);
    return part;
}

void CellTexts::clearAll()
{
    fill(size());
}

namespace {

template <typename Vector>
void shrinkIfLoose(Vector &vector)
{
    if (vector.capacity() > vector.size() + vector.size() / 4)
        vector.shrink_to_fit();
}

} // namespace

void CellTexts::squeeze()
{
    const Data &shared = *std::as_const(d);
    if (shared.ref.loadRelaxed() != 1)
        return; // a copy holds it too: shrinking would copy it
    if (shared.cells.capacity() <= shared.cells.size() + shared.cells.size() / 4
        && shared.narrow.capacity() <= shared.narrow.size() + shared.narrow.size() / 4
        && shared.wide.capacity() <= shared.wide.size() + shared.wide.size() / 4)
        return;
    Data &data = *d;
    shrinkIfLoose(data.cells);
    shrinkIfLoose(data.narrow);
    shrinkIfLoose(data.wide);
}
