#pragma once

#include <QAnyStringView>
#include <QSharedData>
#include <QString>

#include <vector>

// The texts of a grid's cells, kept compactly: eight bytes per cell and its
// characters in one of two arenas, one byte each when the text is all Latin-1
// (as nearly every text of a site is), two bytes otherwise. A cell can be null
// (a QString that was never given a text), which stores as SQL NULL.
//
// Copies share everything until one of them changes (the compiler copies its
// input, an undo log keeps a whole grid). Writing a cell appends its text; the
// space of texts written over is reclaimed once it is more than the live text.
class CellTexts {
public:
    CellTexts();
    CellTexts(const CellTexts &other);
    CellTexts &operator=(const CellTexts &other);
    ~CellTexts();

    qsizetype size() const;
    QString text(qsizetype i) const;
    // Valid until the texts change.
    QAnyStringView view(qsizetype i) const;
    bool isEmpty(qsizetype i) const;
    // Whether cell i holds text, null-ness included.
    bool holds(qsizetype i, const QString &text) const;

    void set(qsizetype i, const QString &text);
    // Cells at .. at + count - 1 from texts.
    void setRange(qsizetype at, const QString *texts, qsizetype count);
    // Grows with null cells, or drops cells from the end.
    void resize(qsizetype size);
    // size null cells and nothing else.
    void fill(qsizetype size);
    // The same keeping the memory (unless it is shared), for texts that will
    // take its place (a compile refilling its outputs).
    void refill(qsizetype size);
    // count null cells at `at`.
    void insert(qsizetype at, qsizetype count);
    void remove(qsizetype at, qsizetype count);
    // Cells at .. at + count - 1 (to the end when count < 0).
    CellTexts mid(qsizetype at, qsizetype count = -1) const;
    // Every cell becomes null.
    void clearAll();
    // No more memory than the texts need.
    void squeeze();

private:
    struct Data;
    QSharedDataPointer<Data> d;
};
