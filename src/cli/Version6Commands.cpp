#include "cli/Version6Commands.h"

#include "cli/CliPrompter.h"
#include "cli/CliTexts.h"
#include "cli/NoPrinter.h"
#include "cli/ReplaceTogether.h"
#include "files/workbook/Workbook.h"
#include "platform/AppPaths.h"
#include "version6/compile/OutputExport.h"
#include "version6/compile/OutputTextFiles.h"
#include "version6/tool/Version6Tool.h"

#include <QDir>

#include <array>
#include <cstdio>

namespace {

const QString kHandsets = QStringLiteral("handsets");
const QString kRange = QStringLiteral("range");
const QString kType = QStringLiteral("type");
const QString kDefaultType = QStringLiteral("8 ");

void addHandsetsOptions(QCommandLineParser &parser)
{
    namespace T = CliTexts::Handsets;
    parser.addOption(QCommandLineOption(kRange, T::kRange, QStringLiteral("RANGE")));
    parser.addOption(QCommandLineOption(kType, T::kType.arg(kDefaultType), QStringLiteral("TYPE"), kDefaultType));
}

int runHandsets(const QCommandLineParser &parser)
{
    const QStringList ranges = parser.values(kRange);
    if (ranges.isEmpty())
        return UsageError(CliTexts::kMissingOption.arg(kRange), kHandsets);

    // Every range is checked before the first is added, so a usage error shows no message of the tool.
    QList<QStringList> fields;
    for (const QString &range : ranges) {
        fields.append(range.split(QLatin1Char(':')));
        if (fields.last().size() != 4)
            return UsageError(CliTexts::kBadValue.arg(kRange, CliTexts::Handsets::kRangeForm, range), kHandsets);
    }

    CliPrompter prompter;
    Version6Tool tool(prompter);
    tool.defaultHandsetChanged(parser.value(kType));
    for (const QStringList &parts : fields) {
        tool.fpChanged(parts[0]);
        tool.startLenChanged(parts[1]);
        tool.stopLenChanged(parts[2]);
        tool.startExtChanged(parts[3]);
        if (tool.add() != RangeScreen::AddResult::Added)
            return ExitCode::Failed;
    }
    tool.next();
    const bool warned = prompter.messagesShown() > 0;
    if (!tool.exportDataTo(parser.positionalArguments().at(0)))
        return ExitCode::Failed;
    return warned || prompter.charactersReplaced() ? ExitCode::Warning : ExitCode::Ok;
}

const QString kCompile = QStringLiteral("compile");
const QString kStart = QStringLiteral("start");
const QString kFormat = QStringLiteral("format");
const QString kSheet = QStringLiteral("sheet");
const QString kFirstBlock = QStringLiteral("000");
const QString kCsv = QStringLiteral("csv");

const char *const kOutputNames[OutputGrids::Count] = {"handset-data", "pickup-groups", "personal-speed-dials",
                                                      "master-output"};

void addCompileOptions(QCommandLineParser &parser)
{
    namespace T = CliTexts::Compile;
    parser.addOption(QCommandLineOption(kStart, T::kStart.arg(kFirstBlock), QStringLiteral("BLOCK"), kFirstBlock));
    parser.addOption(QCommandLineOption(kFormat, T::kFormat.arg(kCsv), T::kFormatValue, kCsv));
    parser.addOption(SheetOption(QStringLiteral("HANDSETS")));
    parser.addOption(PdfOption(CliTexts::Compile::kPrinted));
}

int runCompile(const QCommandLineParser &parser)
{
    const QString format = parser.value(kFormat).toLower();
    if (format != kCsv && !WorkbookFormatOf(format.toUpper()))
        return UsageError(CliTexts::kBadValue.arg(kFormat, CliTexts::Compile::kFormats, parser.value(kFormat)),
                          kCompile);
    const QString outDir = parser.positionalArguments().at(1);

    CliPrompter prompter;
    prompter.queueInput(parser.value(kSheet));
    Version6Tool tool(prompter);
    // Outputs without the templates would look complete and hold no template line.
    if (!tool.open()) {
        std::fprintf(stderr, "%s\n", qPrintable(CliTexts::Compile::kNotCompiled));
        return ExitCode::Failed;
    }
    if (!tool.importDataFrom(parser.positionalArguments().at(0)))
        return ExitCode::Failed;
    // Only once there is something to write: a failed import leaves no folder behind.
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "%s\n", qPrintable(CliTexts::kCannotCreateFolder.arg(outDir)));
        return ExitCode::Failed;
    }

    CompileOptions options;
    options.startLocation = parser.value(kStart);
    options.checkSite = false;
    QStringList names;
    for (const char *name : kOutputNames)
        names.append(QString::fromLatin1(name) + QLatin1Char('.') + format);
    const QString fileType = format.toUpper();
    const FileKind kind = KindOfExt(fileType, false, FileUse::Write);

    CompileResult result;
    std::array<CodePageLoss, OutputGrids::Count> losses;
    Outcome written = Outcome::success();
    if (kind == FileKind::Text) {
        // Text outputs are written as the compile makes their lines.
        written = ReplaceTogether(outDir, names, [&](const QStringList &stagedPaths) {
            OutputTextFiles files(stagedPaths);
            if (Outcome opened = files.open(); !opened)
                return opened;
            result = tool.compileInto(files, options);
            for (int i = 0; i < OutputGrids::Count; ++i)
                losses[size_t(i)] = files.loss(i);
            return files.commit();
        });
    } else {
        result = tool.compile(options);
        written = ReplaceTogether(outDir, names, [&](int index, const QString &path) {
            return Version6Export::WriteOutputGrid(tool.outputs().grid(index), path, fileType);
        });
    }
    if (!written) {
        Version6Export::ReportExport(prompter, kind, outDir, written);
        std::fprintf(stderr, "%s\n", qPrintable(CliTexts::Compile::kNoneReplaced.arg(outDir)));
        return ExitCode::Failed;
    }
    for (int i = 0; i < OutputGrids::Count; ++i)
        Version6Export::ReportExport(prompter, kind, AppPaths::join(outDir, names[i]), written, losses[size_t(i)]);
    const QString pdf = parser.value(kPdfOptionName);
    NoPrinter printer;
    if (!pdf.isEmpty() && !tool.writePdf(printer, pdf))
        return ExitCode::Failed;
    std::fputs(qPrintable(CliTexts::Compile::kNextBlock.arg(tool.startBlock().text())), stdout);
    return result.capacityExceeded || prompter.charactersReplaced() ? ExitCode::Warning : ExitCode::Ok;
}

} // namespace

CliCommand HandsetsCommand()
{
    namespace T = CliTexts::Handsets;
    return {kHandsets,          T::kSynopsis, T::kSummary, T::kDescription, {{QStringLiteral("OUTPUT"), T::kOutput}},
            addHandsetsOptions, runHandsets};
}

CliCommand CompileCommand()
{
    namespace T = CliTexts::Compile;
    return {kCompile,
            T::kSynopsis,
            T::kSummary,
            T::kDescription,
            {{QStringLiteral("HANDSETS"), T::kHandsets}, {QStringLiteral("OUTDIR"), T::kOutDir}},
            addCompileOptions,
            runCompile};
}
