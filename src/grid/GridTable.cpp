#include "grid/GridTable.h"

#include "grid/GridChangeLog.h"

#include <algorithm>
#include <atomic>

namespace {
// Revisions are unique over all grids, so one never matches by chance.
std::atomic<quint64> g_lastRevision{0};
} // namespace

GridTable::GridTable(const QString &format)
{
    setFormat(format);
}

GridTable::~GridTable()
{
    const auto observers = m_observers;
    for (GridObserver *o : observers)
        o->gridDestroyed();
}

GridTable::GridTable(const GridTable &other)
    : m_cells(other.m_cells),
      m_rows(other.m_rows),
      m_cols(other.m_cols),
      m_row(other.m_row),
      m_col(other.m_col)
{
}

GridTable &GridTable::operator=(const GridTable &other)
{
    if (this != &other)
        assign(other);
    return *this;
}

QStringList GridTable::captionsOf(const QString &format)
{
    QStringList captions = format.split(QLatin1Char('|'));
    // "a|b|" gives a, b and one empty caption; "a|b" gives a and b.
    if (captions.isEmpty())
        captions.append(QString());
    return captions;
}

void GridTable::setFormat(const QString &format)
{
    const QStringList captions = captionsOf(format);
    logWhole();
    if (!quiet())
        for (GridObserver *o : m_observers)
            o->aboutToReset();
    m_cols = int(captions.size());
    m_rows = 2;
    m_cells.fill(qsizetype(m_rows) * m_cols);
    for (int c = 0; c < m_cols; ++c)
        m_cells.set(cellIndex(0, c), captions[c]);
    m_row = 1;
    m_col = 0;
    changed();
    if (m_batchDepth == 0)
        for (GridObserver *o : m_observers)
            o->resetDone();
}

void GridTable::setRows(int rows)
{
    rows = std::max(rows, 1);
    if (rows == m_rows)
        return;
    const int old = m_rows;
    if (GridChangeLog *log = logging()) {
        GridChangeLog::Change change(GridChangeLog::Kind::Rows, old);
        if (rows < old)
            change.cells = m_cells.mid(qsizetype(rows) * m_cols);
        log->add(std::move(change));
    }
    changed();
    if (rows > old) {
        if (!quiet())
            for (GridObserver *o : m_observers)
                o->rowsAboutToBeInserted(old, rows - 1);
        m_cells.resize(qsizetype(rows) * m_cols);
        m_rows = rows;
        if (!quiet())
            for (GridObserver *o : m_observers)
                o->rowsInserted();
    } else {
        if (!quiet())
            for (GridObserver *o : m_observers)
                o->rowsAboutToBeRemoved(rows, old - 1);
        m_cells.resize(qsizetype(rows) * m_cols);
        m_rows = rows;
        clampCurrent();
        if (!quiet())
            for (GridObserver *o : m_observers)
                o->rowsRemoved();
    }
}

bool GridTable::setRow(int row)
{
    if (row < 0 || row >= m_rows)
        return false;
    m_row = row;
    return true;
}

bool GridTable::setCol(int col)
{
    if (col < 0 || col >= m_cols)
        return false;
    m_col = col;
    return true;
}

bool GridTable::setCurrent(int row, int col)
{
    if (!contains(row, col))
        return false;
    m_row = row;
    m_col = col;
    return true;
}

QString GridTable::textAt(int row, int col) const
{
    return contains(row, col) ? m_cells.text(cellIndex(row, col)) : QString();
}

bool GridTable::setTextAt(int row, int col, const QString &text)
{
    if (!contains(row, col))
        return false;
    const qsizetype at = cellIndex(row, col);
    if (m_cells.holds(at, text))
        return true;
    if (GridChangeLog *log = logging())
        log->add(GridChangeLog::Change(GridChangeLog::Kind::Cell, row, col, m_cells.text(at)));
    m_cells.set(at, text);
    changed();
    if (m_batchDepth == 0)
        for (GridObserver *o : m_observers)
            o->cellChanged(row, col);
    return true;
}

QStringList GridTable::rowTexts(int row) const
{
    QStringList texts;
    if (row < 0 || row >= m_rows)
        return texts;
    texts.reserve(m_cols);
    for (int c = 0; c < m_cols; ++c)
        texts.append(m_cells.text(cellIndex(row, c)));
    return texts;
}

bool GridTable::isRowEmpty(int row) const
{
    if (row < 0 || row >= m_rows)
        return true;
    for (int c = 0; c < m_cols; ++c)
        if (!m_cells.isEmpty(cellIndex(row, c)))
            return false;
    return true;
}

bool GridTable::insertRow(int index, const QString &tabbedText)
{
    if (index < 1 || index > m_rows || m_cols == 0)
        return false;
    if (!quiet())
        for (GridObserver *o : m_observers)
            o->rowsAboutToBeInserted(index, index);
    if (GridChangeLog *log = logging())
        log->add(GridChangeLog::Change(GridChangeLog::Kind::Insert, index));
    changed();
    m_cells.insert(qsizetype(index) * m_cols, m_cols);
    ++m_rows;
    // The current cell stays on the row it was on.
    if (m_row >= index)
        ++m_row;
    if (!tabbedText.isEmpty()) {
        const QStringList parts = tabbedText.split(QLatin1Char('\t'));
        for (int c = 0; c < m_cols && c < parts.size(); ++c)
            m_cells.set(cellIndex(index, c), parts[c]);
    }
    if (m_batchDepth == 0)
        for (GridObserver *o : m_observers)
            o->rowsInserted();
    return true;
}

bool GridTable::removeRow(int index)
{
    if (index < 1 || index >= m_rows)
        return false;
    if (!quiet())
        for (GridObserver *o : m_observers)
            o->rowsAboutToBeRemoved(index, index);
    const qsizetype first = qsizetype(index) * m_cols;
    if (GridChangeLog *log = logging())
        log->add(GridChangeLog::Change(GridChangeLog::Kind::Remove, index, 0, QString(), m_cells.mid(first, m_cols)));
    changed();
    m_cells.remove(first, m_cols);
    --m_rows;
    // The current cell stays on the row it was on; on the removed row it takes the
    // row that moved up into its place.
    if (m_row > index)
        --m_row;
    clampCurrent();
    if (m_batchDepth == 0)
        for (GridObserver *o : m_observers)
            o->rowsRemoved();
    return true;
}

void GridTable::reset()
{
    Batch batch(*this);
    setRows(2);
    for (int c = 0; c < m_cols; ++c)
        setTextAt(1, c, QString());
    m_row = 1;
    m_col = 0;
}

void GridTable::resetForRefill()
{
    Batch batch(*this);
    logWhole();
    changed();
    const QStringList header = rowTexts(0);
    m_cells.refill(qsizetype(2) * m_cols);
    for (int c = 0; c < m_cols; ++c)
        m_cells.set(cellIndex(0, c), header[c]);
    m_rows = 2;
    m_row = 1;
    m_col = 0;
}

void GridTable::appendRow(const QStringList &cells)
{
    appendRow(cells.constData(), int(cells.size()));
}

void GridTable::appendRow(const QString *cells, int count)
{
    const int last = m_rows - 1;
    if (last >= 1 && quiet() && !logging()) {
        // Nobody hears of cells one by one (a compile, an import): the row at once.
        m_cells.setRange(cellIndex(last, 0), cells, std::min(count, m_cols));
        changed();
    } else if (last >= 1) {
        for (int c = 0; c < m_cols && c < count; ++c)
            setTextAt(last, c, cells[c]);
    }
    addRow();
}

void GridTable::clearTexts()
{
    Batch batch(*this);
    logWhole();
    changed();
    m_cells.clearAll();
}

void GridTable::assign(const GridTable &other)
{
    Batch batch(*this);
    logWhole();
    changed();
    m_cells = other.m_cells;
    m_rows = other.m_rows;
    m_cols = other.m_cols;
    m_row = other.m_row;
    m_col = other.m_col;
}

void GridTable::addObserver(GridObserver *observer)
{
    if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void GridTable::removeObserver(GridObserver *observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

void GridTable::beginBatch()
{
    if (m_batchDepth++ == 0) {
        for (GridObserver *o : m_observers)
            o->aboutToReset();
    }
}

void GridTable::endBatch()
{
    if (--m_batchDepth == 0) {
        // A batch grows a grid by many rows at once: what it reserved is given back.
        m_cells.squeeze();
        for (GridObserver *o : m_observers)
            o->resetDone();
    }
}

void GridTable::clampCurrent()
{
    m_row = std::clamp(m_row, 0, std::max(m_rows - 1, 0));
    m_col = std::clamp(m_col, 0, std::max(m_cols - 1, 0));
}

void GridTable::changed()
{
    m_revision = ++g_lastRevision;
}

void GridTable::logWhole()
{
    if (GridChangeLog *log = logging()) {
        log->add(GridChangeLog::Change(GridChangeLog::Kind::Whole, m_rows, m_cols, QString(), m_cells));
        m_logHasWhole = true;
    }
}

void GridTable::insertRowCells(int index, const CellTexts &cells)
{
    if (!insertRow(index))
        return;
    for (int c = 0; c < m_cols && c < int(cells.size()); ++c)
        setTextAt(index, c, cells.text(c));
}

void GridTable::restoreWhole(int rows, int cols, const CellTexts &cells)
{
    if (qsizetype(rows) * cols != cells.size())
        return;
    Batch batch(*this);
    logWhole();
    changed();
    m_cells = cells;
    m_rows = rows;
    m_cols = cols;
    clampCurrent();
}
