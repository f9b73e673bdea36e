#pragma once

#include <QString>

// The Name Assigner's own texts; those it shares with the Speed Dial Assigner are
// in assigner/AssignerTexts.h.
namespace NameAssignerTexts {
inline const QString kWindowTitle = QStringLiteral("Dterm Name Assigner");

// The input grid's popup menu.
inline const QString kAddRowCaption = QStringLiteral("Add Row");
inline const QString kRemoveRowCaption = QStringLiteral("Remove Row");
inline const QString kUpdateInputFileCaption = QStringLiteral("Update Input File");
inline const QString kResetGridsCaption = QStringLiteral("Reset Grids");
} // namespace NameAssignerTexts
