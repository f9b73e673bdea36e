#pragma once

#include "assigner/AssignerTool.h"
#include "speeddial/MemoryLocation.h"

#include <QString>
#include <QStringList>

// The Speed Dial Assigner without its window: the shared assigner state
// (AssignerTool) with the input table of speed dials (MSFlexGrid1), the output
// table of "720"/"721" row pairs (MSFlexGrid2) and the template (MSFlexGrid3,
// from "Scripta8"); the location box (Text6) with the memory location of the
// next entry, the used-location list (List1), the leading-zero option (Check1)
// and the last click on the input table (ClickRow, ClickCol, ClickPending).
//
// Locations are never given out twice: once the box could not advance past the
// location it holds (299), entries by import or commit are refused with the
// maximum message until the box holds another location.
class SpeedDialAssigner : public AssignerTool {
public:
    // The header row of a workbook the input is written back to.
    static inline const QStringList kInputWorkbookHeader{QStringLiteral("NAME"), QStringLiteral("ACCESS CODE"),
                                                         QStringLiteral("NUBER")};

    SpeedDialAssigner(Prompter &prompter, Printer &printer, ScriptStore store = ScriptStore::standard());

    // Text6, the location box.
    const QString &location() const { return m_location; }
    // The box got the focus: its text is remembered.
    void locationFocusIn();
    // The box's text changed (typed, or set by the tool): beyond 299 the user is
    // told and the box reads 299.
    void setLocation(const QString &text);
    // The box lost the focus: a location in the used list is refused and the text
    // remembered on focus comes back.
    void locationFocusOut();
    // AdvanceLocation: the box moves on to the next location; false (after the
    // maximum message) when the location it holds was the last.
    bool advanceLocation();
    // Whether the location in the box has been used and could not advance.
    bool locationsUsedUp() const { return !m_usedUpLocation.isNull() && m_location == m_usedUpLocation; }

    // List1: the locations recorded by imports.
    const QStringList &usedLocations() const { return m_usedLocations; }

    // Check1: numbers of imported entries longer than 5 characters get a "0" in
    // front.
    bool leadingZero() const { return m_leadingZero; }
    void setLeadingZero(bool ticked) { m_leadingZero = ticked; }

    // A click on a cell of the input table: the next commit ends on that cell,
    // whichever edit it ends (a commit clears the click).
    void clickCell(int row, int col);
    int clickRow() const { return m_clickRow; }
    int clickCol() const { return m_clickCol; }
    bool clickPending() const { return m_clickPending; }

    // Without a target: "Please Enter an export location 1st!". Text: five fields a
    // row; workbook: six columns, no header row; other types write nothing.
    bool exportNow() override;
    // Text: three fields a row; workbook: NAME, ACCESS CODE, NUBER, then the rows.
    bool updateInput() override;
    // RESET: both tables and the used list; the box keeps its location.
    void reset() override;
    // The entries counted from the location of the first pair (from the location
    // box while there is none): entries left without a location, numbers and
    // access codes that cannot be dialled, names cut to 16 characters.
    CheckReport check() const override;

    // The commit of an edit: a name, access code or number edit first appends pairs
    // at the end of the output until entry EditRow has one (each at the box's
    // location, the box advancing after each), then rewrites the entry's cells; an
    // edit of the unnamed column changes only its cell.
    bool commitEdit(const QString &text) override;

protected:
    // Records of name, access code and number. Each becomes an entry with its pair
    // at the box's location, the box advancing after each, until the records or
    // the locations run out. A file that cannot be read leaves the tables, the box
    // and the used list as they were.
    int importFields() const override { return 3; }
    int appendImported(const QList<QStringList> &records) override;
    bool takesCutShortFile(const QList<QStringList> &complete) const override;
    // Down on the last input row adds an input row only: the output gains rows
    // when an entry is committed.
    void appendRowForEditor() override { m_input.addRow(); }
    void commitCell(int entry, int col, const QString &text) override;
    void growInput(int rows) override;
    void keepSpareRow() override;
    // A block shows the maximum message once at most.
    void beginBlockCommit() override
    {
        m_inBlock = true;
        m_maximumShownInBlock = false;
    }
    void endBlockCommit() override { m_inBlock = false; }
    UndoHistory::State undoState() override;

private:
    void showMaximum();
    bool appendPairForEdit(int entry);
    void applyEdit(int entry, int col, const QString &text);
    void endOnClickedCell();

    QString m_location = MemoryLocation::kFirst;
    QString m_locationOnFocus;
    QString m_usedUpLocation; // null while locations are left
    QStringList m_usedLocations;
    bool m_leadingZero = false;
    int m_clickRow = 0;
    int m_clickCol = 0;
    bool m_clickPending = false;
    bool m_inBlock = false;
    bool m_maximumShownInBlock = false;
};
