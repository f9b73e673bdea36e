#pragma once

#include "grid/GridTable.h"

#include <QSet>
#include <QString>
#include <QStringList>

class Prompter;

// The range screen of the Version 6.0 tool: the range inputs, the table of
// accepted ranges and the LENs and extensions they hold. Ranges are checked
// against each other when added; the handset grid is built from the used lists.
class RangeScreen {
public:
    static const QString kHeader;

    enum class AddResult { Added, EmptyFp, TooLarge, ExtensionInUse, LenInUse };

    explicit RangeScreen(Prompter &prompter);

    // The inputs as the screen shows them (Combo1, Combo2, Combo3, Text2).
    const QString &fp() const { return m_fp; }
    const QString &startLen() const { return m_startLen; }
    const QString &stopLen() const { return m_stopLen; }
    const QString &startExt() const { return m_startExt; }
    // The lists of Combo1 and of Combo2 and Combo3.
    QStringList fpChoices() const;
    const QStringList &circuitChoices() const { return m_circuits; }

    // The FP was typed or picked: an FP above 31 is reported and nothing else
    // happens; otherwise the circuit lists are refilled and show "000" and "001".
    void setFp(const QString &fp);
    void setStartLen(const QString &text) { m_startLen = text; }
    void setStopLen(const QString &text) { m_stopLen = text; }
    // The Start EXT was changed: more than 5 characters are reported and replaced
    // by "0". Returns the text the box shows now.
    QString setStartExt(const QString &text);

    // "ADD": expands the inputs, refuses a range that reuses a number, else lists
    // it, registers its numbers and empties the inputs.
    AddResult add();
    // "REMOVE": removes the range of the current row and registers the others
    // again. The trailing empty row is never removed.
    void remove();
    // "RESET": no ranges, no used numbers; the inputs stay.
    void clear();

    // MSFlexGrid1: a row per range, then one empty row. The window moves its
    // current row; "REMOVE" acts on it.
    GridTable &table() { return m_table; }
    const GridTable &table() const { return m_table; }

    // The numbers of all accepted ranges, range after range; entry i of each list
    // belongs to the same handset.
    const QStringList &usedExtensions() const { return m_usedExtensions; }
    const QStringList &usedLens() const { return m_usedLens; }

    // The numbers the listed ranges registered, as an undo keeps them beside the
    // table; restoring them registers them again.
    struct Registered {
        QStringList extensions;
        QStringList lens;
    };
    Registered registered() const { return {m_usedExtensions, m_usedLens}; }
    void restoreRegistered(const Registered &numbers);

private:
    struct Candidates {
        QStringList extensions;
        QStringList lens;
    };
    Candidates expand() const;
    // Reports the first number of the candidates already in use (the LEN
    // message differs between ADD and REMOVE); Added when there is none.
    AddResult checkConflicts(const Candidates &candidates, const QString &lenMessage);
    void registerNumbers(const Candidates &candidates);
    void setInputs(const QStringList &row);

    Prompter &m_prompter;
    QString m_fp, m_startLen, m_stopLen, m_startExt;
    QStringList m_circuits;
    GridTable m_table;
    QStringList m_usedExtensions, m_usedLens;
    // The same numbers as sets, so a check costs the size of the new range only.
    QSet<QString> m_extensionSet, m_lenSet;
};
