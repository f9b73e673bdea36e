#pragma once

#include <QString>

#include <optional>
#include <utility>

// The result of a file or store operation: success, or a failure with a message
// that says what went wrong (for logs, the command line and detailed dialogs; the
// windows show their own fixed texts).
class Outcome {
public:
    static Outcome success() { return Outcome(); }
    static Outcome failure(QString reason) { return Outcome(std::move(reason), false); }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const QString &reason() const { return m_reason; }

private:
    Outcome() = default;
    Outcome(QString reason, bool ok) : m_reason(std::move(reason)), m_ok(ok) {}
    QString m_reason;
    bool m_ok = true;
};

// A value, or the reason there is none.
template <typename T>
class Expected {
public:
    Expected(T value) : m_value(std::move(value)) {}
    static Expected failure(QString reason) { return Expected(std::move(reason)); }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    T &value() { return *m_value; }
    const T &value() const { return *m_value; }
    T *operator->() { return &*m_value; }
    const T *operator->() const { return &*m_value; }
    T &operator*() { return *m_value; }
    const T &operator*() const { return *m_value; }
    const QString &reason() const { return m_reason; }
    Outcome outcome() const { return ok() ? Outcome::success() : Outcome::failure(m_reason); }

private:
    explicit Expected(QString reason) : m_reason(std::move(reason)) {}
    std::optional<T> m_value;
    QString m_reason;
};
