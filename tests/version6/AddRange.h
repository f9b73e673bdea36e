#pragma once

#include "version6/tool/Version6Tool.h"

// Types a range into the range screen's inputs and presses "ADD".
inline RangeScreen::AddResult AddRange(Version6Tool &tool, const QString &fp, const QString &startLen,
                                       const QString &stopLen, const QString &startExt)
{
    tool.fpChanged(fp);
    tool.startLenChanged(startLen);
    tool.stopLenChanged(stopLen);
    tool.startExtChanged(startExt);
    return tool.add();
}
