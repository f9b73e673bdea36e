#pragma once

#include "files/Outcome.h"

#include <QString>
#include <QStringList>

#include <functional>

// Files that belong together (the outputs of one compile) are replaced all at
// once or not at all: a folder holding the outputs of two different sites would
// be worse than an error. Each file is written by write(index, path) to a
// staging folder inside dir; only when every one is complete are they moved over
// the files of the same names in dir. A name taken by a folder or a read-only
// file refuses them all before anything is written, and a move that fails puts
// back the files already replaced.
Outcome ReplaceTogether(const QString &dir, const QStringList &names,
                        const std::function<Outcome(int index, const QString &path)> &write);
// The same with one writer for all of them at once (a compile that writes its
// outputs as it goes), given the staged paths in the order of names.
Outcome ReplaceTogether(const QString &dir, const QStringList &names,
                        const std::function<Outcome(const QStringList &stagedPaths)> &writeAll);
