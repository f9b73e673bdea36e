#include "platform/AppInfo.h"
#include "store/ScriptStore.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::title());
    QApplication::setApplicationVersion(AppInfo::fullVersion());
    QApplication::setQuitOnLastWindowClosed(false);
    ScriptStore::standard().ensureExists();
    return 0;
}
