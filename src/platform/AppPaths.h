#pragma once

#include <QString>

// The program's folder (App.Path, without a trailing "/"): $HALVORAN_HOME when
// set, else the executable's folder when it is writable and not an installed
// program's bin folder, else
// $XDG_DATA_HOME/halvoran (created when missing). Everything the program keeps
// lives under it.
namespace AppPaths {
QString appPath();
QString storePath();    // App.Path/HVN-Data/HVNdataX
QString tabNamesPath(); // App.Path/TabNames.dta
QString scriptsPath();  // App.Path/Scripts
// Joins a folder and a name with exactly one "/".
QString join(const QString &folder, const QString &name);
} // namespace AppPaths
