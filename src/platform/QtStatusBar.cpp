#include "platform/QtStatusBar.h"

#include <QLabel>
#include <QStatusBar>

QStatusBar *NewToolStatusBar(QWidget *parent, QLabel *&panel)
{
    auto *status = new QStatusBar(parent);
    status->setObjectName(QStringLiteral("StatusBar1"));
    panel = new QLabel(status);
    panel->setObjectName(QStringLiteral("StatusPanel1"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setMinimumWidth(320);
    status->addWidget(panel, 1);
    return status;
}
