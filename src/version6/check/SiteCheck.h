#pragma once

#include "check/CheckReport.h"

#include <QString>

class GridTable;
class TemplateSet;

// The check of a Version 6.0 site: what the compiler will drop without a word
// or the switch will refuse, found before the script reaches it. It reads the
// handset grid, the templates with their tab captions and the Speed Dial
// Starting Block, counts as the compiler does, and changes nothing.
//
// Errors: an EXT or LEN used twice, a LEN that is no FP and circuit, a handset
// type that no tab has, speed-dial blocks that run out. Warnings: a value the
// cell rule would replace, a pickup value that joins no group, a pickup group of
// one, a template line that can never be complete, a token that is no
// placeholder. Information: a template no handset uses.
CheckReport CheckSite(const GridTable &handsets, const TemplateSet &templates, const QString &startBlock);

// The template part of it; usedTabs[tab] tells which templates handsets select.
void CheckTemplates(const TemplateSet &templates, const bool *usedTabs, CheckReport &report);
