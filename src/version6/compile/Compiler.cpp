#include "version6/compile/Compiler.h"

#include "grid/TextValue.h"
#include "platform/Prompter.h"
#include "version6/compile/CompileTexts.h"
#include "version6/compile/Placeholders.h"
#include "version6/compile/SpeedDialBlocks.h"
#include "version6/compile/SpeedDialStart.h"
#include "version6/compile/TemplateSet.h"
#include "version6/entry/HandsetColumns.h"

#include <array>
#include <cmath>
#include <vector>

OutputGrids::OutputGrids()
{
    for (GridTable &grid : m_grids)
        grid.setFormat(TemplateSet::kHeader);
}

void OutputGrids::clear()
{
    for (GridTable &grid : m_grids)
        grid.reset();
}

void OutputGrids::begin()
{
    for (GridTable &grid : m_grids)
        grid.beginBatch();
    clear();
}

void OutputGrids::end()
{
    for (GridTable &grid : m_grids)
        grid.endBatch();
}

void OutputGrids::append(int index, const QString *cells)
{
    GridTable &grid = m_grids[size_t(index)];
    if (cells)
        grid.appendRow(cells, 5);
    else
        grid.addRow();
}

QString CompileProgress::label3() const
{
    switch (stage) {
    case Stage::Handsets:
        return CompileTexts::HandsetsLabel(handsetsRemaining);
    case Stage::SpeedDials:
        return CompileTexts::kSpeedDialsLabel;
    case Stage::PickupGroups:
        return CompileTexts::kPickupGroupsLabel;
    case Stage::Finalising:
    case Stage::Done:
        return CompileTexts::kFinalisingLabel;
    case Stage::Starting:
        break;
    }
    return CompileTexts::kStartingLabel;
}

QString CompileProgress::status() const
{
    switch (stage) {
    case Stage::Starting:
    case Stage::Handsets:
    case Stage::SpeedDials:
        return CompileTexts::kCompilingStatus;
    case Stage::PickupGroups:
    case Stage::Finalising:
        return CompileTexts::kPickupGroupsStatus;
    case Stage::Done:
        break;
    }
    return QString();
}

namespace {

// A template line with its cells upper-cased once for the whole compile.
struct TemplateLine {
    QString cells[5];
};
using Template = std::vector<TemplateLine>;

// A line whose Command, First Data or Second Data is empty without a placeholder
// can never be complete; it is left out here instead of once per handset.
Template prepare(const GridTable &grid)
{
    Template lines;
    for (int r = 1; r < grid.rows(); ++r) {
        TemplateLine line;
        for (int c = 0; c < 5; ++c)
            line.cells[c] = ScriptUpperCase(grid.textAt(r, c));
        if (!line.cells[0].isEmpty() && !line.cells[1].isEmpty() && !line.cells[2].isEmpty())
            lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace

// One compile from start to end.
class CompileRun {
public:
    CompileRun(SpeedDialStart &start, CompileLines &lines, Prompter &prompter, const CompileProgressFn &progress)
        : m_start(start),
          m_lines(lines),
          m_prompter(prompter),
          m_progress(progress)
    {
    }

    CompileResult run(const GridTable &handsets, const TemplateSet &templates, const CompileOptions &options);
    // The same into output grids, unless a compile is writing them already.
    CompileResult runInto(OutputGrids &outputs, const GridTable &handsets, const TemplateSet &templates,
                          const CompileOptions &options);

private:
    using Line = std::array<QString, 5>;
    void put(int index, const QString *cells) { m_lines.append(index, cells); }
    void report()
    {
        if (m_progress)
            m_progress(m_state);
    }
    void askStart(const CompileOptions &options);
    void handsetPass();
    // Appends the complete lines of a template for a handset.
    void expand(const Template &lines, const HandsetValues &values, bool toHandsetData);
    // The handset's "73" line; false when the abort flag ended the handset pass.
    bool allocateSpeedDials(const QString &ext, const QString &speedDials);
    void pickupPass();
    void finalise();

    // The input as it was when the compile started: the window may let the user
    // edit while the compile runs.
    GridTable m_handsets;
    TemplateSet m_templates;
    SpeedDialStart &m_start;
    CompileLines &m_lines;
    Prompter &m_prompter;
    const CompileProgressFn &m_progress;
    CompileProgress m_state;
    std::vector<Template> m_prepared;
    // The Personal Speed Dials lines, which end the Master Output too.
    std::vector<Line> m_speedDialLines;
};

void CompileRun::askStart(const CompileOptions &options)
{
    m_start.clearAbort();
    if (options.startLocation) {
        m_start.setText(*options.startLocation);
        return;
    }
    if (m_start.text() == QLatin1String("000"))
        return;
    const std::optional<QString> answer =
        m_prompter.input(CompileTexts::kStartPrompt, CompileTexts::kStartTitle, m_start.text());
    m_start.setText(answer.value_or(QString()));
}

void CompileRun::expand(const Template &lines, const HandsetValues &values, bool toHandsetData)
{
    int row = 0;
    for (const TemplateLine &line : lines) {
        ++row;
        QString command = SubstituteInUpperCase(line.cells[0], values);
        if (command.isEmpty())
            continue;
        QString first = SubstituteInUpperCase(line.cells[1], values);
        if (first.isEmpty())
            continue;
        QString second = SubstituteInUpperCase(line.cells[2], values);
        if (second.isEmpty())
            continue;
        const QString cells[5] = {std::move(command), std::move(first), std::move(second),
                                  SubstituteInUpperCase(line.cells[3], values),
                                  SubstituteInUpperCase(line.cells[4], values)};
        if (toHandsetData)
            put(CompileLines::HandsetData, cells);
        put(CompileLines::MasterOutput, cells);
        if (toHandsetData) {
            m_state.current = row;
            report();
        }
    }
}

bool CompileRun::allocateSpeedDials(const QString &ext, const QString &speedDials)
{
    BlockCounter counter(m_start.text());
    const QString prefix = counter.prefix();
    const qint64 locations = SpeedDialBlocks::LocationsOf(speedDials);
    if (locations > 0 && m_start.abort())
        return false;
    counter.count(locations);
    m_state.stage = CompileProgress::Stage::SpeedDials;
    report();

    m_start.setText(counter.prefix());
    const Line line{QStringLiteral("73"), ext, prefix + SpeedDialBlocks::BlockCount(locations), QString(), QString()};
    put(CompileLines::PersonalSpeedDials, line.data());
    put(CompileLines::HandsetData, nullptr);
    m_speedDialLines.push_back(line);
    return true;
}

void CompileRun::handsetPass()
{
    const int last = m_handsets.rows() - 1;
    m_state.totalMaximum = last;
    // The trailing spare row is where the next handset would go, not one: a value
    // "&Apply To Colum" wrote there gives no line and takes no speed-dial blocks.
    for (int r = 1; r < last; ++r) {
        m_state.total = r;
        m_state.handsetsRemaining = last - r;
        const HandsetValues values = HandsetValues::ofRow(m_handsets, r);
        const int tab = m_templates.tabOfHandsetType(m_handsets.textAt(r, HandsetColumns::HandsetType));
        if (tab >= 0) {
            m_state.stage = CompileProgress::Stage::Handsets;
            m_state.currentMaximum = m_templates.grid(tab).rows() - 1;
            expand(m_prepared[size_t(tab)], values, true);
            for (int data = TemplateSet::kFirstDataTab; data < TemplateSet::kCount; ++data)
                expand(m_prepared[size_t(data)], values, false);
        }
        const QString speedDials = m_handsets.textAt(r, HandsetColumns::SpeedDials);
        if (!speedDials.isEmpty() && !allocateSpeedDials(values.ext, speedDials))
            return;
        if (m_start.abort())
            return;
    }
}

void CompileRun::pickupPass()
{
    m_state.stage = CompileProgress::Stage::PickupGroups;
    m_state.total = 0;
    m_state.totalMaximum = 99;
    report();

    // The members of every group in one pass over the handsets, in grid order.
    std::array<QStringList, 100> members;
    for (int r = 1; r < m_handsets.rows() - 1; ++r) { // the spare row joins no group
        const double group = TextValue(m_handsets.textAt(r, HandsetColumns::PickupVip));
        if (group >= 1 && group <= 99 && group == std::floor(group))
            members[size_t(group)].append(m_handsets.textAt(r, HandsetColumns::Ext));
    }
    for (int g = 1; g <= 99; ++g) {
        QStringList &ring = members[size_t(g)];
        if (!ring.isEmpty())
            ring.append(ring.first());
        for (qsizetype i = 0; i + 1 < ring.size(); ++i) {
            const QString line[5] = {QStringLiteral("160"), ring[i], ring[i + 1], QString(), QString()};
            put(CompileLines::PickupGroups, line);
            put(CompileLines::MasterOutput, line);
        }
        m_state.total = g;
        report();
    }
}

void CompileRun::finalise()
{
    m_state.stage = CompileProgress::Stage::Finalising;
    report();
    for (const Line &line : m_speedDialLines)
        put(CompileLines::MasterOutput, line.data());
    // and the empty line that follows them in the Personal Speed Dials grid
    put(CompileLines::MasterOutput, nullptr);
    m_state.stage = CompileProgress::Stage::Done;
    report();
}

CompileResult CompileRun::runInto(OutputGrids &outputs, const GridTable &handsets, const TemplateSet &templates,
                                  const CompileOptions &options)
{
    if (outputs.m_compiling)
        return {};
    outputs.m_compiling = true;
    struct Finished {
        OutputGrids &outputs;
        ~Finished() { outputs.m_compiling = false; }
    } finished{outputs};
    return run(handsets, templates, options);
}

CompileResult CompileRun::run(const GridTable &handsets, const TemplateSet &templates, const CompileOptions &options)
{
    CompileResult result;
    result.started = true;
    const int messagesBefore = m_start.capacityMessages();
    askStart(options);
    result.startBlock = m_start.text();

    m_handsets = handsets;
    m_templates = templates;
    m_prepared.resize(TemplateSet::kCount);
    for (int tab = 0; tab < TemplateSet::kCount; ++tab)
        if (TemplateSet::isHandsetTypeTab(tab))
            m_prepared[size_t(tab)] = prepare(m_templates.grid(tab));

    m_lines.begin();
    m_state.stage = CompileProgress::Stage::Starting;
    m_state.totalMaximum = m_handsets.rows() - 1;
    report();
    handsetPass();
    result.aborted = m_start.abort();
    pickupPass();
    finalise();
    m_lines.end();
    result.capacityExceeded = m_start.capacityMessages() != messagesBefore;
    return result;
}

CompileResult CompileOutput(const GridTable &handsets, const TemplateSet &templates, SpeedDialStart &start,
                            OutputGrids &outputs, Prompter &prompter, const CompileOptions &options,
                            const CompileProgressFn &progress)
{
    CompileRun run(start, outputs, prompter, progress);
    return run.runInto(outputs, handsets, templates, options);
}

CompileResult CompileOutput(const GridTable &handsets, const TemplateSet &templates, SpeedDialStart &start,
                            CompileLines &lines, Prompter &prompter, const CompileOptions &options,
                            const CompileProgressFn &progress)
{
    CompileRun run(start, lines, prompter, progress);
    return run.run(handsets, templates, options);
}
