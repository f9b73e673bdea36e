#include "version6/compile/Placeholders.h"

#include "files/Codec.h"
#include "grid/GridTable.h"
#include "version6/entry/HandsetColumns.h"

#include <QVarLengthArray>

#include <algorithm>
#include <cstring>

HandsetValues HandsetValues::ofRow(const GridTable &handsets, int row)
{
    using namespace HandsetColumns;
    return {handsets.textAt(row, Ext), handsets.textAt(row, Len),      handsets.textAt(row, Drd),
            handsets.textAt(row, Drn), handsets.textAt(row, ClassDay), handsets.textAt(row, ClassNight),
            handsets.textAt(row, Loc)};
}

QString ScriptUpperCase(const QString &text)
{
    QString upper = text;
    QChar *out = upper.data();
    for (qsizetype i = 0; i < upper.size(); ++i) {
        const QChar up = out[i].toUpper();
        if (up != out[i] && Codec::ansiCode(up) != '?')
            out[i] = up;
    }
    return upper;
}

QString SubstituteInUpperCase(const QString &upperCell, const HandsetValues &values)
{
    // Every token starts with "%": a cell without one is its own result (and the
    // copy shares its text).
    if (!upperCell.contains(QLatin1Char('%')))
        return upperCell;
    const std::pair<QLatin1String, const QString *> tokens[] = {
        {QLatin1String("%EXT%"), &values.ext}, {QLatin1String("%LEN%"), &values.len},
        {QLatin1String("%DR%"), &values.dr},   {QLatin1String("%NR%"), &values.nr},
        {QLatin1String("%DS%"), &values.ds},   {QLatin1String("%NS%"), &values.ns},
        {QLatin1String("%LC%"), &values.lc}};
    // A cell that is one token is the value itself (and shares its text), unless the
    // value holds a later token in turn: the common case, and no allocation.
    for (const auto &[token, value] : tokens)
        if (upperCell == token && value->count(QLatin1Char('%')) < 2)
            return *value;
    // Replaced on the stack, so that the result is allocated once, at its size.
    QVarLengthArray<QChar, 256> text(upperCell.constData(), upperCell.constData() + upperCell.size());
    // Once fewer than two "%" are left, no later token can be found.
    qsizetype percents = upperCell.count(QLatin1Char('%'));
    for (const auto &[token, value] : tokens) {
        if (percents < 2)
            break;
        const qsizetype at = QStringView(text.constData(), text.size()).indexOf(token);
        if (at < 0)
            continue;
        const qsizetype tail = text.size() - at - token.size();
        const qsizetype grown = value->size() - token.size();
        if (grown > 0)
            text.resize(text.size() + grown);
        QChar *data = text.data();
        std::memmove(data + at + value->size(), data + at + token.size(), size_t(tail) * sizeof(QChar));
        std::copy(value->constData(), value->constData() + value->size(), data + at);
        if (grown < 0)
            text.resize(text.size() + grown);
        percents += value->count(QLatin1Char('%')) - 2;
    }
    return QString(text.constData(), text.size());
}

QString SubstitutePlaceholders(const QString &cell, const HandsetValues &values)
{
    return SubstituteInUpperCase(ScriptUpperCase(cell), values);
}
