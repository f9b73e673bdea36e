#pragma once

#include <QString>

class GridTable;
class Prompter;

// The cells of a text export whose text windows-1252 cannot hold. The file gets
// "?" for each such character; the user is told once, with the number of cells
// and the first of them, so that nothing is altered without a word.
struct CodePageLoss {
    int cells = 0;
    // The first such cell as the file numbers it: its line (grid row r is line r)
    // and its field, both from 1, and its text.
    int line = 0;
    int field = 0;
    QString text;

    // Rows 1 .. lastRow (-1: the last row) of the grid, columns 0 .. columns - 1,
    // as WriteTextFile writes them.
    static CodePageLoss find(const GridTable &grid, int columns, int lastRow = -1);
    // Counts the field of a file being written when windows-1252 cannot hold it.
    void note(QStringView fieldText, int fileLine, int fileField);
    // The warning, when there is a cell to warn about.
    void report(Prompter &prompter) const;
};
