#pragma once

#include "platform/Tray.h"

// A notification area for tests: records the icon and lets the test touch it.
class FakeTray : public Tray {
public:
    explicit FakeTray(bool available = true) : m_available(available) {}

    bool available() const override { return m_available; }
    void add(const QString &tip) override
    {
        this->tip = tip;
        m_shown = true;
        ++adds;
    }
    void remove() override { m_shown = false; }
    bool shown() const override { return m_shown; }

    void touch() { contact(); }
    void setAvailable(bool available) { m_available = available; }

    QString tip;
    int adds = 0;

private:
    bool m_available;
    bool m_shown = false;
};
