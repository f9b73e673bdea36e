#pragma once

#include "files/Outcome.h"

#include <QString>

// The file a write goes to before it takes the target's place, in the target's
// folder. Where the file system has anonymous files (O_TMPFILE) it has no name
// until it is complete, so a killed program leaves nothing behind. Elsewhere
// (network shares, FUSE) it is named ".<target>.halvoran-XXXXXX" and locked
// while it is written, and opening one removes the stale ones of that folder:
// those whose writer is gone.
class TemporaryFile {
public:
    enum class Kind { Anonymous, Named };
    enum class Replace { Yes, No };

    // target: the final path, symbolic links already followed.
    explicit TemporaryFile(QString target);
    // Discards the file unless it was committed.
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    // Creates the file (Named gives it a name from the start, for writers that
    // open it by name); an existing target's permissions are taken over.
    Outcome open(Kind kind = Kind::Anonymous);
    int descriptor() const { return m_descriptor; }
    // The file's name; empty for an anonymous file.
    const QString &path() const { return m_path; }

    // Makes the content durable, renames the file over the target (Replace::No:
    // fails when there is one) and syncs the folder, so that a power loss keeps
    // the new name. The reason of a failure is in words for the user.
    Outcome commit(Replace replace = Replace::Yes);
    void discard();

    // Whether a file name is of our temporary files (a database's -journal,
    // -wal and -shm beside one included).
    static bool isTemporaryName(const QString &fileName);
    // Removes the stale temporary files of ours in a folder: those no writer
    // holds locked that have not changed for a few seconds (an hour where the
    // file system cannot lock), and the database companions left without
    // their file. Ages count from `now` on the folder's own clock (seconds
    // since the epoch), so that a file server's clock may differ from ours.
    static int removeStale(const QString &folder, qint64 now, const QString &keep = QString());
    static int removeStale(const QString &folder);

private:
    Outcome createNamed();

    QString m_target;
    QString m_folder;
    QString m_path;
    int m_descriptor = -1;
    bool m_committed = false;
};
