#include "programfolder.h"

#include "core/apppaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#ifndef OPTOLUNE_TEST_DATA_DIR
#error "OPTOLUNE_TEST_DATA_DIR must name the built Data folder"
#endif

namespace optolune::test {

QString builtDataFolder() { return QStringLiteral(OPTOLUNE_TEST_DATA_DIR); }

ProgramFolder::ProgramFolder(bool withData)
{
    EXPECT_TRUE(m_dir.isValid());
    m_hadHome = qEnvironmentVariableIsSet("OPTOLUNE_HOME");
    m_previousHome = qgetenv("OPTOLUNE_HOME");
    qputenv("OPTOLUNE_HOME", QFile::encodeName(m_dir.path()));
    resetAppPaths();
    if (withData) {
        QDir().mkpath(dataPath());
        const QDir source(builtDataFolder());
        for (const QString &name : source.entryList(QDir::Files))
            QFile::copy(source.filePath(name), dataPath() + name);
    }
}

ProgramFolder::~ProgramFolder()
{
    if (m_hadHome)
        qputenv("OPTOLUNE_HOME", m_previousHome);
    else
        qunsetenv("OPTOLUNE_HOME");
    resetAppPaths();
}

QString ProgramFolder::path() const { return m_dir.path() + u'/'; }
QString ProgramFolder::dataPath() const { return path() + QStringLiteral("Data/"); }

void ProgramFolder::write(const QString &relative, const QByteArray &bytes) const
{
    const QString full = file(relative);
    QDir().mkpath(QFileInfo(full).path());
    QFile f(full);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << full.toStdString();
    f.write(bytes);
}

QByteArray ProgramFolder::read(const QString &relative) const
{
    QFile f(file(relative));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

bool ProgramFolder::exists(const QString &relative) const
{
    return QFileInfo::exists(file(relative));
}

QMap<QString, QByteArray> ProgramFolder::contents() const
{
    QMap<QString, QByteArray> found;
    const QDir root(path());
    QDirIterator it(path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString full = it.next();
        const QString relative = root.relativeFilePath(full);
        found.insert(relative, it.fileInfo().isDir() ? QByteArray("<dossier>") : read(relative));
    }
    return found;
}

} // namespace optolune::test
