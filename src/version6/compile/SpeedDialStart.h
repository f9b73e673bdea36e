#pragma once

#include <QString>

class Prompter;

// The "Speed Dial Starting Block" field (Text5) and the abort flag (Check4). The
// field holds the next free block of personal speed-dial memory (ten locations a
// block); the compiler advances it. Every change of its text is checked: a block
// above 999 is more than the PABX holds, which is reported and sets the flag.
class SpeedDialStart {
public:
    explicit SpeedDialStart(Prompter &prompter) : m_prompter(prompter) {}

    const QString &text() const { return m_text; }
    // A change of the field, typed or set by the compiler; runs the capacity check.
    void setText(const QString &text);

    bool abort() const { return m_abort; }
    void clearAbort() { m_abort = false; }

    // How often the capacity message was shown; lets a caller see whether a
    // compile reached the limit.
    int capacityMessages() const { return m_capacityMessages; }

private:
    Prompter &m_prompter;
    QString m_text = QStringLiteral("000");
    bool m_abort = false;
    int m_capacityMessages = 0;
};
