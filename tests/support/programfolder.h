// A fresh, temporary program folder for one test: OPTOLUNE_HOME points at it
// while the object lives, so the program's paths, settings file and data
// folder are the test's own.
#pragma once

#include "qtprint.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

namespace optolune::test {

class ProgramFolder {
public:
    // withData: a Data/ folder holding the installation data as built.
    explicit ProgramFolder(bool withData = true);
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder &) = delete;
    ProgramFolder &operator=(const ProgramFolder &) = delete;

    QString path() const;        // ends with '/'
    QString dataPath() const;    // path() + "Data/"
    QString file(const QString &relative) const { return path() + relative; }

    void write(const QString &relative, const QByteArray &bytes) const;
    QByteArray read(const QString &relative) const;
    bool exists(const QString &relative) const;
    // Every file and folder inside, by relative path, with the bytes of each
    // file: compare two to see that a command wrote nothing.
    QMap<QString, QByteArray> contents() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previousHome;
    bool m_hadHome = false;
};

// The installation data folder the build produced.
QString builtDataFolder();

} // namespace optolune::test
