#pragma once

#include "files/CodePageLoss.h"
#include "files/Outcome.h"
#include "version6/compile/Compiler.h"

#include <QStringList>

#include <memory>
#include <vector>

// The four results of a compile written to text files while the compile makes
// them, in the bytes a text export of their grids gives (rows 1 .. Rows - 2 as
// five quoted fields), so that a site of any size needs no memory for its
// output. No file takes its target's place until commit().
class OutputTextFiles : public CompileLines {
public:
    // paths: one per result, in the order of CompileLines::Index.
    explicit OutputTextFiles(const QStringList &paths);
    ~OutputTextFiles() override;

    Outcome open();
    void append(int index, const QString *cells) override;
    // Writes what is left and puts every file in place; the first failure.
    Outcome commit();
    // The fields of a result that the file holds with "?", as CodePageLoss::find
    // counts them in a grid.
    const CodePageLoss &loss(int index) const;

private:
    struct File;
    std::vector<std::unique_ptr<File>> m_files;
};
