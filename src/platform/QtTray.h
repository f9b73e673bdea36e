#pragma once

#include "platform/Tray.h"

#include <QIcon>

#include <memory>

class QSystemTrayIcon;

// The tray icon through QSystemTrayIcon (StatusNotifierItem or the XEmbed tray).
class QtTray : public Tray {
public:
    explicit QtTray(QIcon icon);
    ~QtTray() override;

    bool available() const override;
    void add(const QString &tip) override;
    void remove() override;
    bool shown() const override;

private:
    QIcon m_icon;
    std::unique_ptr<QSystemTrayIcon> m_trayIcon;
};
