// The main window: a bar of buttons and a menu from which the user opens the
// depth-of-field table, the variations calculator and the notes file. On its
// first activation it checks the installation data files (datafiles) and, at
// close, stores the shell's one setting (inifile).
#pragma once

#include <QMainWindow>
#include <functional>

class QToolButton;
class QAction;

namespace optolune {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Opens a child window modally, with the main window as owner.
    using Opener = std::function<void(QWidget *owner)>;
    // Opens the table window, which reads its tmp table from tmpTablePath and
    // leaves there the one it writes.
    using TableOpener = std::function<void(QWidget *owner, QString &tmpTablePath)>;

    explicit MainWindow(QWidget *parent = nullptr);

    void setTableOpener(TableOpener opener) { m_openTable = std::move(opener); }
    void setVariationsOpener(Opener opener) { m_openVariations = std::move(opener); }
    // Ctrl+O: the table window's open command, then the table window.
    void setOpenTableFileCommand(TableOpener opener) { m_openTableFile = std::move(opener); }
    // The path of the table window's tmp table, read from the settings file at
    // start-up and written back there when the main window closes.
    void setTmpTablePath(const QString &path) { m_tmpTablePath = path; }
    const QString &tmpTablePath() const { return m_tmpTablePath; }
    // "Favoris" and "A propos": the program's windows unless a test puts
    // its own.
    void setFavouritesOpener(Opener opener) { m_openFavourites = std::move(opener); }
    void setAboutOpener(Opener opener) { m_openAbout = std::move(opener); }

    static QString rightsNotice();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *buildButtonBar();
    void buildMenuAndActions();
    void FormActivate();
    void openNotes();
    // Stores the language chosen in the "Langue" menu ("fr", "en", or empty
    // for the system's) and says it applies at the next start.
    void chooseLanguage(const QString &key);

    struct Buttons {
        QToolButton *table = nullptr;
        QToolButton *isol = nullptr;
        QToolButton *notes = nullptr;
        QToolButton *quit = nullptr;
    } m_buttons;
    bool m_activated = false;
    TableOpener m_openTable;
    Opener m_openVariations;
    TableOpener m_openTableFile;
    QString m_tmpTablePath;
    Opener m_openFavourites;
    Opener m_openAbout;
};

} // namespace optolune
