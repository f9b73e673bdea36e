#pragma once

#include "grid/GridTable.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

class Prompter;
class SpeedDialStart;
class TemplateSet;

// Where a compile puts its script lines, in the order it makes them: the output
// grids of the window, or files written as the compile goes (the command line,
// which need not hold the whole site's output in memory).
class CompileLines {
public:
    // The four results of a compile, each a script in the template layout.
    enum Index { HandsetData = 0, PickupGroups, PersonalSpeedDials, MasterOutput, Count };
    // Their tabs' captions are CompileTexts::kOutputCaptions.

    virtual ~CompileLines() = default;
    // Once the start block is known, before the first line; after the last one.
    virtual void begin() {}
    virtual void end() {}
    // A line of result index: five cells (Command, First Data, Second Data and
    // the rest); an empty line when cells is null.
    virtual void append(int index, const QString *cells) = 0;
};

// The four results as grids, each a header, its lines and the spare row.
class OutputGrids : public CompileLines {
public:
    OutputGrids();

    GridTable &grid(int index) { return m_grids[size_t(index)]; }
    const GridTable &grid(int index) const { return m_grids[size_t(index)]; }

    // Each grid back to its header and one empty row.
    void clear();

    // A compile is writing these grids; another one must not start.
    bool compiling() const { return m_compiling; }

    // A compile empties the grids first; their views hear of them once, at the end.
    void begin() override;
    void end() override;
    void append(int index, const QString *cells) override;

private:
    friend class CompileRun;
    std::array<GridTable, Count> m_grids;
    bool m_compiling = false;
};

// Where a compile is, for the window's progress panel. The compile reports often
// (after every script line it appends); the window decides how often to repaint.
struct CompileProgress {
    enum class Stage { Starting, Handsets, SpeedDials, PickupGroups, Finalising, Done };
    Stage stage = Stage::Starting;
    int total = 0; // ProgressBar1 and ProgressBar3
    int totalMaximum = 0;
    int current = 0; // ProgressBar2: the template row
    int currentMaximum = 0;
    int handsetsRemaining = 0;

    // Label3 of the progress panel, and the first panel of the status bar.
    QString label3() const;
    QString status() const;
    // ProgressBar1 and the panel Frame3 show while a compile runs.
    bool visible() const { return stage != Stage::Done; }
};
using CompileProgressFn = std::function<void(const CompileProgress &)>;

struct CompileOptions {
    // The start block to use instead of asking "Speed Dial Start Location" (the
    // command line); it is set as the answer would be, with the capacity check.
    std::optional<QString> startLocation;
    // Whether the tool checks the site after the compile for its status line; the
    // command line, which shows no status line, leaves the check to `check`.
    bool checkSite = true;
};

struct CompileResult {
    bool started = false;          // false: a compile was running already
    bool aborted = false;          // the handset pass ended early (capacity reached)
    bool capacityExceeded = false; // the capacity message was shown meanwhile
    QString startBlock;            // the start field as the handset pass began (after the question)
};

// CompileOutput: the handsets expanded through their templates into Handset Data
// and the Master Output, a "73" speed-dial block line per handset with speed
// dials, "160" lines linking each pickup group in a ring, and the Master Output
// finished with the speed-dial lines. The handset grid and the templates are
// read as they were when the compile started; the start field is read and
// advanced as the compile goes. Never waits for the event loop: progress reports
// are the window's chance to repaint. The outputs are emptied first and their
// views hear of them once, when the compile is done.
CompileResult CompileOutput(const GridTable &handsets, const TemplateSet &templates, SpeedDialStart &start,
                            OutputGrids &outputs, Prompter &prompter, const CompileOptions &options = {},
                            const CompileProgressFn &progress = {});
// The same compile, its lines given to lines as they are made.
CompileResult CompileOutput(const GridTable &handsets, const TemplateSet &templates, SpeedDialStart &start,
                            CompileLines &lines, Prompter &prompter, const CompileOptions &options = {},
                            const CompileProgressFn &progress = {});
