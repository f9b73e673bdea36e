#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

// A fresh program folder for one test: HALVORAN_HOME points into a temporary
// folder that is removed afterwards.
class TestHome {
public:
    TestHome()
    {
        QVERIFY2(m_dir.isValid(), "cannot create a temporary folder");
        qputenv("HALVORAN_HOME", m_dir.path().toUtf8());
    }
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

// A file of the committed test data.
inline QString TestData(const QString &name)
{
    return QStringLiteral(HALVORAN_TEST_DATA "/") + name;
}

inline QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

inline bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}
