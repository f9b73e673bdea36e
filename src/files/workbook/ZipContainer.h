#pragma once

#include "files/Outcome.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>

#include <memory>

// The zip archives that hold .xlsx and .ods workbooks, through libgsf.
//
// libgsf inflates members but trusts what the archive says about them, so the
// reader checks what it leaves out: the central directory is read here too, and
// a member is refused when its stored data lies beyond the end of the file (an
// archive cut short), when it claims to inflate beyond a fixed ratio or size (a
// zip bomb), when it is encrypted or compressed in a way other than deflate, and
// when the bytes inflated differ from its recorded size or CRC-32.

// A member that inflates to more than this is refused, whatever its ratio.
constexpr qint64 kMaxZipMemberBytes = 1024LL * 1024 * 1024;
// ... and so is one that inflates to more than this many times its stored size
// (plus a little, so that small members are never refused). XML of workbooks
// compresses some 5 to 60 times; deflate cannot go beyond about 1,030.
constexpr qint64 kMaxZipRatio = 250;
constexpr qint64 kZipRatioSlack = 1024 * 1024;

// The bytes of one member as they are inflated, never held whole. Reading stops
// with an error (read() returns -1) when the member is damaged; failure() says
// why. The size and CRC-32 are checked when its last byte has been read.
class ZipMember : public QIODevice {
public:
    ~ZipMember() override;
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    // Why reading failed; empty while the member reads well.
    const QString &failure() const;
    // Reads what is left of the member, so that its checks are made; the
    // failure, if any.
    Outcome finish();

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    friend class ZipArchive;
    struct State;
    explicit ZipMember(std::unique_ptr<State> state);
    std::unique_ptr<State> m_state;
};

// A member read from it must not outlive the archive.
class ZipArchive {
public:
    ~ZipArchive();
    ZipArchive(const ZipArchive &) = delete;
    ZipArchive &operator=(const ZipArchive &) = delete;

    // Opens an archive held in memory (a snapshot of its file); members are
    // inflated as they are read, never whole. The failure says what is wrong.
    static Expected<std::unique_ptr<ZipArchive>> fromBytes(QByteArray bytes);

    // The member's name as stored, found without regard to case (names of parts
    // compare so); "" when there is none.
    QString find(const QString &name) const;
    // The size the member inflates to, as the archive records it (-1: none).
    qint64 size(const QString &name) const;
    // A member to read; the failure says why it cannot be (no such member, a
    // zip bomb, data beyond the end of the file, ...).
    Expected<std::unique_ptr<ZipMember>> member(const QString &name);
    // A small member whole (at most maxBytes), its checks made.
    Expected<QByteArray> readAll(const QString &name, qint64 maxBytes);

private:
    struct State;
    explicit ZipArchive(std::unique_ptr<State> state);
    static Expected<std::unique_ptr<ZipArchive>> openState(std::unique_ptr<State> state);
    std::unique_ptr<State> m_state;
};

// A zip archive built in memory, member after member. Names may hold folders
// ("xl/worksheets/sheet1.xml"). A member is deflated unless stored is set; a
// stored member written first is placed so that its bytes start right after
// its name (as the "mimetype" of an OpenDocument file must).
class ZipWriter {
public:
    ZipWriter();
    ~ZipWriter();
    ZipWriter(const ZipWriter &) = delete;
    ZipWriter &operator=(const ZipWriter &) = delete;

    bool begin(const QString &name, bool stored = false);
    bool write(QByteArrayView bytes);
    bool end();
    // The archive's bytes; fails when any step failed.
    Expected<QByteArray> finish();

private:
    struct State;
    std::unique_ptr<State> m_state;
};
