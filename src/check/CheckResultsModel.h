#pragma once

#include "check/CheckReport.h"

#include <QAbstractTableModel>

// The findings of a check as a table: severity, row, column, message.
class CheckResultsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Severity = 0, Row, ColumnName, Message, Count };

    explicit CheckResultsModel(QObject *parent = nullptr) : QAbstractTableModel(parent) {}

    void setReport(CheckReport report);
    const CheckReport &report() const { return m_report; }
    const CheckFinding &finding(int row) const { return m_report.findings()[row]; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    CheckReport m_report;
};
