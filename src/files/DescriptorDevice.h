#pragma once

#include <QIODevice>

// A write-only device over a file descriptor that keeps why a write failed: a
// disk that fills up part way through a write is told as such, not as a short
// write without a reason. It neither owns nor closes the descriptor.
class DescriptorDevice : public QIODevice {
public:
    explicit DescriptorDevice(int descriptor);

    bool isSequential() const override { return true; }
    // The errno of the first failed write, 0 while none failed.
    int failure() const { return m_failure; }
    qint64 written() const { return m_written; }

    // Why writing failed with errno `error` after `written` bytes, in words for
    // the user: a full disk or quota says so.
    static QString describe(int error, qint64 written);

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override;

private:
    int m_descriptor;
    int m_failure = 0;
    qint64 m_written = 0;
};
