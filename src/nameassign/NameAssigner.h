#pragma once

#include "assigner/AssignerTool.h"

#include <QString>

// The Name Assigner without its window: the shared assigner state (AssignerTool)
// with the Name Assigner's grids, its import of extensions and names, its writes,
// the "Update Input File" menu entry and the input grid's popup menu.
class NameAssigner : public AssignerTool {
public:
    NameAssigner(Prompter &prompter, Printer &printer, ScriptStore store = ScriptStore::standard());

    bool updateMenuEnabled() const { return m_updateMenuEnabled; } // "Update Input File"

    // Without a target the export asks for one.
    bool exportNow() override;
    // "UPDATE INPUT DATA" and "Update Input File".
    bool updateInput() override;
    // An extension used twice, a name without extension, a name cut to 16
    // characters, characters that become "?".
    CheckReport check() const override;
    // Popup menu "Add Row" and "Remove Row" (the input grid's current row).
    void addRow();
    void removeRow();
    bool commitEdit(const QString &text) override;

protected:
    // Records of extension and name; each gives a row of both grids.
    int importFields() const override { return 2; }
    int appendImported(const QList<QStringList> &records) override;
    bool printsBold() const override { return true; }
    void appendRowForEditor() override { appendEmptyRows(); }
    void commitCell(int row, int col, const QString &text) override;
    void growInput(int rows) override;
    void keepSpareRow() override;
    void markEdited() override;

private:
    void appendEmptyRows();

    bool m_updateMenuEnabled = false;
};
