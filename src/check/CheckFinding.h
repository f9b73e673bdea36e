#pragma once

#include <QString>

// One thing a check found that will go wrong, or may, once the tool's output
// reaches the switch. It names the cell to look at: a grid of the tool (the
// input grid, or a Version 6.0 template), a row of it and a column.
struct CheckFinding {
    enum class Severity { Error, Warning, Information };

    // The input grid of a tool (the handset grid, the list of names or speed
    // dials); a template of the Version 6.0 tool is kTemplateGrid + its tab.
    static constexpr int kInputGrid = 0;
    static constexpr int kTemplateGrid = 1;

    Severity severity = Severity::Warning;
    int grid = kInputGrid;
    QString place; // how the text names the grid: empty for the input grid
    int row = 0;   // grid row (row 1 is the first below the header)
    int column = -1;
    QString columnName;
    QString code; // stable for scripts, e.g. "duplicate-ext"
    QString message;
};
