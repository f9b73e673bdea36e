#include "platform/QtTray.h"

#include <QSystemTrayIcon>

QtTray::QtTray(QIcon icon) : m_icon(std::move(icon)) {}

QtTray::~QtTray() = default;

bool QtTray::available() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTray::add(const QString &tip)
{
    if (!m_trayIcon) {
        m_trayIcon = std::make_unique<QSystemTrayIcon>(m_icon);
        // Every activation, whatever the button, counts as a contact.
        QObject::connect(m_trayIcon.get(), &QSystemTrayIcon::activated, m_trayIcon.get(),
                         [this](QSystemTrayIcon::ActivationReason) { contact(); });
    }
    m_trayIcon->setToolTip(tip);
    m_trayIcon->show();
}

void QtTray::remove()
{
    if (m_trayIcon)
        m_trayIcon->hide();
}

bool QtTray::shown() const
{
    return m_trayIcon && m_trayIcon->isVisible();
}
