// Where the program keeps its files: everything lives beside the program file,
// or in the folder named by OPTOLUNE_HOME when it is set (installed copies and
// tests use it).
#pragma once

#include <QString>
#include <QStringList>

namespace optolune {

struct AppPaths {
    QString exeFileName;   // full path of the program file
    QString programFolder; // ends with the path separator
    QString iniFileName;   // settings file: the program's name with ".INI"
    QString helpFileName;  // ".HLP"
    QString scaFileName;   // ".SCA"
    QString utiFileName;   // ".UTI"
    QString dataFolder;    // programFolder + "Data" + separator

    // The derived names for a program file; `home`, when not empty, replaces
    // the program's folder.
    static AppPaths compute(const QString &exeFileName, const QString &home = QString());

    QString tablesFolder() const { return programFolder + QStringLiteral("Tables/"); }
    QString tmpFolder() const { return programFolder + QStringLiteral("tmp/"); }
    QString bitmapFolder() const { return programFolder + QStringLiteral("bmp_dev/"); }
};

// The paths of this run. Computed on first use from the running program and
// OPTOLUNE_HOME; resetAppPaths() makes the next use compute them again.
const AppPaths &appPaths();
void resetAppPaths();

// The lines of the ".SCA" file beside the program, loaded at start-up when it
// exists. Nothing reads them; they are kept for the run.
QStringList &scaLines();
void loadScaLines(const AppPaths &paths);

// "Version 1.0.0.0", from the version the program was built with;
// "Version Inconnue" when the text given holds no four numbers.
QString VersionText();
QString VersionTextFor(const QString &dottedVersion);

} // namespace optolune

namespace optolune {

// The full path of the table window's temporary table, kept in the settings
// file between runs. Empty when there is none.
QString &TempTablePath();

} // namespace optolune
