#pragma once

// Sheets as other programs read them (peer_cells.py), and the comparison of rows.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QProcess>
#include <QStringList>

#include <optional>

using Records = QList<QStringList>;

// Rows compared without the empty cells at their ends and the empty rows at the
// end of the sheet: readers differ in whether they keep them, callers read
// fields with value(i).
inline Records Trimmed(Records records)
{
    for (QStringList &record : records)
        while (!record.isEmpty() && record.last().isEmpty())
            record.removeLast();
    while (!records.isEmpty() && records.last().isEmpty())
        records.removeLast();
    return records;
}

struct PeerCell {
    QString text;
    QString kind;   // text, number, boolean, error or empty
    QString format; // the number format (xlrd only)
};
using PeerRows = QList<QList<PeerCell>>;

// Every sheet by name (xlrd), or the first sheet under the name "first"
// (libreoffice, gnumeric); nullopt when the program failed.
inline std::optional<QMap<QString, PeerRows>> ReadWithPeer(const QString &peer, const QString &path)
{
    QProcess python;
    python.start(QStringLiteral(HALVORAN_SYSTEM_PYTHON),
                 {QStringLiteral(WORKBOOK_TEST_DIR "/peer_cells.py"), peer, path});
    if (!python.waitForFinished(180000) || python.exitCode() != 0) {
        qWarning() << python.readAllStandardError();
        return std::nullopt;
    }
    QMap<QString, PeerRows> sheets;
    const QJsonObject json = QJsonDocument::fromJson(python.readAllStandardOutput()).object()["sheets"].toObject();
    for (auto sheet = json.begin(); sheet != json.end(); ++sheet) {
        PeerRows &rows = sheets[sheet.key()];
        for (const QJsonValue row : sheet.value().toArray()) {
            rows.append(QList<PeerCell>());
            for (const QJsonValue cell : row.toArray()) {
                const QJsonObject object = cell.toObject();
                rows.last().append({object["text"].toString(), object["kind"].toString(), object["format"].toString()});
            }
        }
    }
    return sheets;
}

inline Records TextsOf(const PeerRows &rows)
{
    Records texts;
    for (const QList<PeerCell> &row : rows) {
        texts.append(QStringList());
        for (const PeerCell &cell : row)
            texts.last().append(cell.text);
    }
    return texts;
}
