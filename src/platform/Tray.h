#pragma once

#include <QString>

#include <functional>
#include <utility>

// The program's icon in the desktop's notification area. Every contact with the
// icon (a click with any button: the notification area reports clicks, not
// pointer movement) calls the contact handler.
class Tray {
public:
    virtual ~Tray() = default;

    // Whether the desktop has a notification area to hold the icon.
    virtual bool available() const = 0;
    // Shows the icon with its tip; failures are ignored.
    virtual void add(const QString &tip) = 0;
    virtual void remove() = 0;
    virtual bool shown() const = 0;

    void setContactHandler(std::function<void()> handler) { m_contact = std::move(handler); }

protected:
    void contact()
    {
        if (m_contact)
            m_contact();
    }

private:
    std::function<void()> m_contact;
};
