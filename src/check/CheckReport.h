#pragma once

#include "check/CheckFinding.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// What a check found, in the order the results list shows it: grid by grid,
// then by row and column.
class CheckReport {
public:
    void add(CheckFinding finding) { m_findings.append(std::move(finding)); }
    // Orders the findings by grid, row, column and severity; equal ones keep
    // the order they were found in.
    void sort();

    const QList<CheckFinding> &findings() const { return m_findings; }
    bool isEmpty() const { return m_findings.isEmpty(); }
    int count(CheckFinding::Severity severity) const;
    int errors() const { return count(CheckFinding::Severity::Error); }
    int warnings() const { return count(CheckFinding::Severity::Warning); }

    // "row 12, EXT: error: extension 2001 is used by rows 3 and 12"; a template's
    // finding starts with the template.
    static QString textLine(const CheckFinding &finding);
    QStringList textLines() const;
    // An array of objects with severity, row, column, code and message (and the
    // template's tab for a template's finding).
    QByteArray json() const;

private:
    QList<CheckFinding> m_findings;
};
