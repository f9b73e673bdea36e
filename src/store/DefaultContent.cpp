#include "store/DefaultContent.h"

namespace DefaultContent {

QStringList templateColumns()
{
    return {QStringLiteral("Command"), QStringLiteral("firstdata"), QStringLiteral("seconddata"),
            QStringLiteral("blank"), QStringLiteral("Text")};
}

namespace {

TemplateRecord row(const char *command, const char *first, const char *second, const char *text)
{
    TemplateRecord record;
    record.fields[0] = QString::fromLatin1(command);
    record.fields[1] = QString::fromLatin1(first);
    record.fields[2] = QString::fromLatin1(second);
    record.fields[3] = std::nullopt; // an empty BLANK is stored as Null
    record.fields[4] = QString::fromLatin1(text);
    return record;
}

// The lines every handset template shares: the station itself, its classes of
// service, dialling restrictions and location. The handset-type line differs.
QList<TemplateRecord> handsetTemplate(const char *typeCode, const char *typeText)
{
    return {
        row("10", "%LEN%", "%EXT%", "Assign extension to line equipment"),
        row("90", "%EXT%", typeCode, typeText),
        row("12", "%EXT%", "%DS%", "Class of service, day"),
        row("13", "%EXT%", "%NS%", "Class of service, night"),
        row("14", "%EXT%", "%DR%", "Dialling restriction, day"),
        row("15", "%EXT%", "%NR%", "Dialling restriction, night"),
        row("52", "%EXT%", "%LC%", "Location"),
    };
}

Table templateTable(const QString &name, QList<TemplateRecord> rows)
{
    return {name, templateColumns(), true, std::move(rows), {}};
}

Table settingsTable(const QString &name, QStringList columns, QStringList record)
{
    return {name, std::move(columns), false, {}, std::move(record)};
}

} // namespace

QList<Table> tables()
{
    QList<Table> all;
    all.append(templateTable(StoreTables::kNameAssign,
                             {row("770", "%EXT%", "4E414D45", "Display name in hexadecimal"),
                              row("770", "%EXT%", "", "Second data is the name, 32 digits at most")}));
    // Every settings table starts with the tool's name and ends with the dialog's
    // folder and filter.
    const QString tool = QStringLiteral("Tool");
    const QString folder = QStringLiteral("Folder");
    const QString filterIndex = QStringLiteral("FilterIndex");
    all.append(settingsTable(StoreTables::kNameSettings, {tool, folder, filterIndex},
                             {QStringLiteral("Name Assigner"), QString(), QString()}));
    all.append(settingsTable(StoreTables::kSpeedDialSettings, {tool, folder, filterIndex},
                             {QStringLiteral("Speed Dial Assigner"), QString(), QString()}));
    all.append(settingsTable(
        StoreTables::kVersionSixSettings,
        {tool, QStringLiteral("Field1"), QStringLiteral("Field2"), QStringLiteral("Field3"), QStringLiteral("Field4"),
         QStringLiteral("Field5"), folder, filterIndex},
        {QStringLiteral("Version 6.0"), QString(), QString(), QString(), QString(), QString(), QString(), QString()}));

    const struct {
        const char *code;
        const char *text;
    } handsets[8] = {{"1", "Handset type 8 line"},         {"2", "Handset type 8 line display"},
                     {"3", "Handset type 8 line IP"},      {"4", "Handset type 16 line display"},
                     {"5", "Handset type 16 line IP"},     {"6", "Handset type 32 line display"},
                     {"7", "Handset type 2 line display"}, {"0", "Analogue extension"}};
    for (int tab = 0; tab < 8; ++tab)
        all.append(templateTable(ScriptStore::versionSixTemplate(tab),
                                 handsetTemplate(handsets[tab].code, handsets[tab].text)));
    // Tab 8 is the Speed Dial Assigner's template as well.
    all.append(templateTable(ScriptStore::versionSixTemplate(8),
                             {row("720", "000", "9,0123456789", "System speed dial number"),
                              row("721", "000", "5245434550544F4E", "System speed dial name")}));
    all.append(templateTable(ScriptStore::versionSixTemplate(9),
                             {row("160", "%EXT%", "%EXT%", "Pickup group member to next member")}));
    all.append(
        templateTable(ScriptStore::versionSixTemplate(10), {row("20", "%EXT%", "%LC%", "Data terminal location")}));
    all.append(templateTable(ScriptStore::versionSixTemplate(11), {row("21", "%LEN%", "%DS%", "Data line class")}));
    all.append(
        templateTable(ScriptStore::versionSixTemplate(12), {row("22", "%EXT%", "%DR%", "Data line restriction")}));
    return all;
}

} // namespace DefaultContent
