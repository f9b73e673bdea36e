#pragma once

#include <QString>

// The command line's own texts: the help pages and the usage messages. The tools'
// messages are the windows' and live with the tools.
namespace CliTexts {
inline const QString kProgram = QStringLiteral("halvoran-cli");

// halvoran-cli --help. The commands, the options and the exit statuses are listed
// between the paragraph and the environment.
inline const QString kUsage = QStringLiteral("Usage: halvoran-cli COMMAND [ARGUMENTS]\n"
                                             "       halvoran-cli help COMMAND | COMMAND --help\n"
                                             "       halvoran-cli --help | --version\n");
inline const QString kAbout =
    QStringLiteral("Does the work of Halvoran's tools without a window, with the same readers, writers and rules. "
                   "Files are chosen by their names: .csv, .txt, .nev and .nes are quoted comma-delimited text, "
                   ".xls, .xlsx and .ods workbooks (.xlsm is read too). Messages go to standard error with the texts "
                   "the windows show.");
inline const QString kCommandsHeading = QStringLiteral("Commands:");
inline const QString kHelpCommand = QStringLiteral("help");
inline const QString kHelpSummary = QStringLiteral("Shows the help of COMMAND, or this help");
inline const QString kExitStatus = QStringLiteral("Exit status:\n"
                                                  "  0  done\n"
                                                  "  1  an input or output error; nothing was written\n"
                                                  "  2  a usage error\n"
                                                  "  3  the output was written, but a warning was shown; check:\n"
                                                  "     only warnings were found\n"
                                                  "  4  check: errors were found\n");
inline const QString kEnvironment =
    QStringLiteral("Environment:\n"
                   "  HALVORAN_HOME  the program's folder (default scripts and settings), when set\n");

// The first line of a command's --help: %1 the command, %2 its synopsis.
inline const QString kCommandUsage = QStringLiteral("Usage: halvoran-cli %1 %2");
inline const QString kVersionLine = QStringLiteral("halvoran-cli %1");

// Options every parser knows.
inline const QString kHelpOption = QStringLiteral("Shows this help.");
inline const QString kVersionOption = QStringLiteral("Shows the version.");
// %1 the argument that names the workbook, %2 the sheet read when none is given.
inline const QString kSheetOption = QStringLiteral("The sheet of a workbook %1 (default: %2).");
// %1 what PRINT prints in the window.
inline const QString kPdfOption = QStringLiteral("Also writes %1 to FILE as a PDF file, as PRINT prints them.");

// Usage errors: "halvoran-cli: message", then the hint.
inline const QString kTryHelp = QStringLiteral("Try 'halvoran-cli --help'.");
inline const QString kTryCommandHelp = QStringLiteral("Try 'halvoran-cli %1 --help'.");
inline const QString kNoCommand = QStringLiteral("No command given.");
inline const QString kUnknownCommand = QStringLiteral("Unknown command '%1'.");
inline const QString kMissingArgument = QStringLiteral("Missing argument %1.");
inline const QString kUnexpectedArgument = QStringLiteral("Unexpected argument '%1'.");
// As the parser says it of "--name" at the end; "--name=" is no better.
inline const QString kMissingValue = QStringLiteral("Missing value after '--%1'.");
inline const QString kMissingOption = QStringLiteral("Missing option '--%1'.");
// %1 the option, %2 what it takes, %3 what it was given.
inline const QString kBadValue = QStringLiteral("--%1 takes %2, not '%3'.");

// Errors of the commands' files, not of their usage.
// %1 the path, %2 the endings the command writes.
inline const QString kNoFileType = QStringLiteral("halvoran-cli: %1 has no file type; name it %2");
inline const QString kCannotCreateFolder = QStringLiteral("halvoran-cli: cannot create the folder %1");

namespace Names {
inline const QString kSynopsis = QStringLiteral("INPUT OUTPUT [--sheet NAME] [--pdf FILE]");
inline const QString kPrinted = QStringLiteral("the input and output lines");
inline const QString kSummary = QStringLiteral("Name Assigner: writes the \"770\" name lines of a list of names");
inline const QString kDescription = QStringLiteral(
    "The Name Assigner without a window: imports extensions and names from INPUT (text records of two fields, "
    "or the sheet NAME of a workbook) as the import button does and writes the \"770\" name lines to OUTPUT as "
    "\"EXPORT NOW\" does: five quoted fields a row as text, or six columns under the header row as a workbook. "
    "An import error prints the window's message and ends with exit 1, nothing written.");
inline const QString kInput =
    QStringLiteral("The extensions and names: .csv, .txt, .nev, .nes, .xls, .xlsx, .xlsm or .ods.");
inline const QString kOutput = QStringLiteral("The name lines to write: .csv, .txt, .nev, .nes, .xls, .xlsx or .ods.");
} // namespace Names

namespace SpeedDial {
inline const QString kSynopsis =
    QStringLiteral("INPUT OUTPUT [--start LOC] [--leading-zero] [--sheet NAME] [--pdf FILE]");
inline const QString kPrinted = QStringLiteral("the input and output lines");
inline const QString kSummary = QStringLiteral("Speed Dial Assigner: writes the \"720\"/\"721\" pairs of speed dials");
inline const QString kDescription = QStringLiteral(
    "The Speed Dial Assigner without a window: starts with LOC in the location box, imports the speed dials of "
    "INPUT (text records of name, access code and number, or the sheet NAME of a workbook) as the import button "
    "does, writes the \"720\"/\"721\" pairs to OUTPUT as \"EXPORT NOW\" does (five quoted fields a row as text, "
    "six columns without a header row as a workbook) and prints \"next location: NNN\". When the memory "
    "locations run out (299 was used) the entries imported until then are written, the maximum message is "
    "printed and the exit status is 3. An import error prints the window's message and ends with exit 1, "
    "nothing written.");
inline const QString kInput = QStringLiteral("The speed dials: .csv, .txt, .nev, .nes, .xls, .xlsx, .xlsm or .ods.");
inline const QString kOutput = QStringLiteral("The pairs to write: .csv, .txt, .nev, .xls, .xlsx or .ods.");
inline const QString kStart = QStringLiteral("The first memory location, 000 to 299 (default: %1).");
inline const QString kLeadingZero = QStringLiteral("Puts a \"0\" before numbers longer than 5 digits.");
inline const QString kLocation = QStringLiteral("a memory location of three digits, 000 to 299");
inline const QString kNextLocation = QStringLiteral("next location: %1\n");
} // namespace SpeedDial

namespace Handsets {
inline const QString kSynopsis =
    QStringLiteral("OUTPUT --range FP:STARTLEN:STOPLEN:STARTEXT [--range ...] [--type TYPE]");
inline const QString kSummary = QStringLiteral("Version 6.0: writes a handset file built from ranges");
inline const QString kDescription = QStringLiteral(
    "Version 6.0 without a window: adds each range as \"ADD\" does (a conflict prints its message and ends with "
    "exit 1), builds the handset grid as \"NEXT\" does with TYPE as the default handset and writes it to OUTPUT "
    "as \"EXPORT DATA\" does.");
inline const QString kOutput = QStringLiteral("The handset file to write: .csv, .txt, .nev, .xls, .xlsx or .ods.");
inline const QString kRangeForm = QStringLiteral("FP:STARTLEN:STOPLEN:STARTEXT");
inline const QString kRange =
    QStringLiteral("A range of handsets, FP:STARTLEN:STOPLEN:STARTEXT: those of FP from LEN STARTLEN to STOPLEN, "
                   "numbered from extension STARTEXT (none when empty). Repeat it for more ranges.");
inline const QString kType = QStringLiteral("The default handset (default: \"%1\").");
} // namespace Handsets

namespace Compile {
inline const QString kSynopsis =
    QStringLiteral("HANDSETS OUTDIR [--start BLOCK] [--format csv|xls|xlsx|ods] [--sheet NAME] [--pdf FILE]");
inline const QString kPrinted = QStringLiteral("the handset rows");
inline const QString kSummary = QStringLiteral("Version 6.0: compiles a handset file into the output scripts");
inline const QString kDescription = QStringLiteral(
    "Version 6.0 without a window: reads HANDSETS as \"IMPORT DATA\" does, compiles it with the templates and tab "
    "names of the program's folder from the Speed Dial Starting Block BLOCK (no question asked), writes "
    "handset-data, pickup-groups, personal-speed-dials and master-output into OUTDIR as \"EXPORT THIS\" does and "
    "prints \"next block: NNN\". The four outputs are replaced together or not at all. Reaching the PABX's "
    "speed-dial capacity prints its message and ends with exit 3, the outputs written all the same.");
inline const QString kHandsets =
    QStringLiteral("The handset file to read: .csv, .txt, .nev, .xls, .xlsx, .xlsm or .ods.");
inline const QString kOutDir = QStringLiteral("The folder of the outputs; created when missing.");
inline const QString kStart = QStringLiteral("The Speed Dial Starting Block (default: %1).");
inline const QString kFormatValue = QStringLiteral("csv|xls|xlsx|ods");
inline const QString kFormat = QStringLiteral("The outputs' file type (default: %1).");
inline const QString kFormats = QStringLiteral("csv, xls, xlsx or ods");
inline const QString kNextBlock = QStringLiteral("next block: %1\n");
// After a failed write: the folder still holds the outputs it held before.
inline const QString kNoneReplaced = QStringLiteral("halvoran-cli: none of the four outputs in %1 was replaced");
// When the templates or tab names cannot be read: no outputs without them.
inline const QString kNotCompiled =
    QStringLiteral("halvoran-cli: nothing was compiled; the templates and tab names must be readable");
} // namespace Compile

namespace Check {
inline const QString kSynopsis =
    QStringLiteral("FILE [--tool names|speeddial|handsets] [--start BLOCK] [--format text|json] [--sheet NAME]");
inline const QString kSummary = QStringLiteral("Finds what will go wrong before the script reaches the switch");
inline const QString kDescription = QStringLiteral(
    "Checks FILE, read as the tool's import reads it, and changes nothing: a Version 6.0 handset file (with the "
    "templates and tab names of the program's folder, the speed-dial blocks counted as the compiler allocates "
    "them from BLOCK), a Name Assigner list, or a Speed Dial Assigner list (its entries taking memory locations "
    "from BLOCK, a location 000 to 299). Prints one line per finding (\"row 12, EXT: error: ...\") or, as json, "
    "an array of objects with severity, row, column, code and message. Exit status: 0 nothing found (or only "
    "information), 3 only warnings, 4 errors, 1 the file cannot be read, 2 a usage error.");
inline const QString kFile = QStringLiteral("The file to check: .csv, .txt, .nev, .nes, .xls, .xlsx, .xlsm or .ods.");
inline const QString kToolValue = QStringLiteral("names|speeddial|handsets");
inline const QString kTool = QStringLiteral("The tool whose input FILE is (default: %1).");
inline const QString kTools = QStringLiteral("names, speeddial or handsets");
inline const QString kStart =
    QStringLiteral("The Speed Dial Starting Block of a handset file, or the first memory location of a speed-dial list "
                   "(default: %1).");
inline const QString kFormatValue = QStringLiteral("text|json");
inline const QString kFormat = QStringLiteral("How the findings are printed (default: %1).");
inline const QString kFormats = QStringLiteral("text or json");
} // namespace Check
} // namespace CliTexts
