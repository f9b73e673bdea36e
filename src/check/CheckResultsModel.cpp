#include "check/CheckResultsModel.h"

#include "check/CheckTexts.h"

#include <QApplication>
#include <QStyle>

void CheckResultsModel::setReport(CheckReport report)
{
    beginResetModel();
    m_report = std::move(report);
    endResetModel();
}

int CheckResultsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_report.findings().size());
}

int CheckResultsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Count;
}

QVariant CheckResultsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const CheckFinding &f = finding(index.row());
    if (role == Qt::DecorationRole && index.column() == Severity) {
        const QStyle::StandardPixmap icon = f.severity == CheckFinding::Severity::Error ? QStyle::SP_MessageBoxCritical
            : f.severity == CheckFinding::Severity::Warning                             ? QStyle::SP_MessageBoxWarning
                                                            : QStyle::SP_MessageBoxInformation;
        return QApplication::style()->standardIcon(icon);
    }
    if (role == Qt::ToolTipRole && index.column() == Message)
        return f.message;
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Severity:
        return CheckTexts::SeverityWord(f.severity);
    case Row:
        return f.row > 0 ? QVariant(f.row) : QVariant();
    case ColumnName:
        return f.place.isEmpty() ? f.columnName
                                 : f.place + (f.columnName.isEmpty() ? QString() : QStringLiteral(", ") + f.columnName);
    case Message:
        return f.message;
    default:
        return {};
    }
}

QVariant CheckResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return CheckTexts::kColumnCaptions.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
