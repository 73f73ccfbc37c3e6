// Where the program keeps its files. Three rules, in this order:
// - OPTOLUNE_HOME, when set, names the folder (tests and portable copies);
// - a Data/ folder beside the program file: everything lives beside it (the
//   build tree, a copy unpacked anywhere);
// - an installed program (no Data/ beside it, but the installation data in
//   <prefix>/share/optolune/Data): each user gets a folder of their own,
//   ~/.local/share/optolune, seeded from the installation data at start-up.
// The choice is made by the layout of the files, never by write permission.
#pragma once

#include <QString>
#include <QStringList>

namespace optolune {

enum class FolderRule {
    Home,          // OPTOLUNE_HOME
    BesideProgram, // the program file's own folder
    PerUser,       // the user's data folder, for an installed program
};

struct AppPaths {
    FolderRule rule = FolderRule::BesideProgram;
    // PerUser only: the installation data the user's Data/ is seeded from,
    // ending with '/'.
    QString installedDataFolder;
    QString exeFileName;   // full path of the program file
    QString programFolder; // ends with the path separator
    QString iniFileName;   // settings file: the program's name with ".INI"
    QString helpFileName;  // ".HLP"
    QString utiFileName;   // ".UTI"
    QString dataFolder;    // programFolder + "Data" + separator

    // The derived names for a program file; `home`, when not empty, replaces
    // the program's folder.
    static AppPaths compute(const QString &exeFileName, const QString &home = QString());
    // The three rules above. `userFolder` is the folder an installed program
    // uses (empty when the user has none: the program's folder is kept).
    static AppPaths resolve(const QString &exeFileName, const QString &home,
                            const QString &userFolder);

    QString tablesFolder() const { return programFolder + QStringLiteral("Tables/"); }
    QString tmpFolder() const { return programFolder + QStringLiteral("tmp/"); }
    QString bitmapFolder() const { return programFolder + QStringLiteral("bmp_dev/"); }
};

// The paths of this run. Computed on first use from the running program,
// OPTOLUNE_HOME and the user's data folder (XDG_DATA_HOME, by default
// ~/.local/share, + "/optolune"); resetAppPaths() makes the next use compute
// them again.
const AppPaths &appPaths();
void resetAppPaths();

// For an installed program (FolderRule::PerUser): creates the user's program
// folder and its Data/, copies each installation file that is missing there,
// and brings the delivered test table up to the installed version. A user's
// lists, grids and tables are never replaced, and a name that is taken by
// anything else (a folder, a link) is left alone. Does nothing under the other
// rules. Returns the French text of the first failure, or an empty text.
QString SeedProgramFolder(const AppPaths &paths);


// "Version 1.0.0.0", from the version the program was built with;
// "Version Inconnue" when the text given holds no four numbers.
QString VersionText();
QString VersionTextFor(const QString &dottedVersion);
// Whether the text is the version text of some version of this program:
// "Version " and four numbers of 0 to 65535 joined by ".", written without
// leading zeros, as VersionTextFor writes them.
bool IsVersionText(const QString &text);

} // namespace optolune

namespace optolune {

} // namespace optolune
