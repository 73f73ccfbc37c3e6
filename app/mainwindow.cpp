#include "mainwindow.h"

#include "aboutbox.h"
#include "glyphs.h"
#include "favouriteswindow.h"
#include "core/application.h"
#include "core/apppaths.h"
#include "core/datafiles.h"
#include "core/inifile.h"
#include "core/language.h"
#include "core/messages.h"
#include "core/notes.h"
#include "core/widgets.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace optolune {

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("SDIAppForm"));
    setMinimumSize(450, 110);
    setWindowTitle(VersionText());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Dark)); // the button-shadow colour
    setPalette(pal);
    setAutoFillBackground(true);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(central);
    layout->addWidget(buildButtonBar());

    auto *scroll = make<QScrollArea>(central, "ScrollBox1");
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *image = make<QLabel>(scroll, "Image1");
    image->setScaledContents(true);
    scroll->setWidget(image);
    layout->addWidget(scroll, 1);

    auto *bar = make<QStatusBar>(this, "StatusBar");
    bar->setAutoFillBackground(true);
    setStatusBar(bar);
    buildMenuAndActions();
    m_openFavourites = [](QWidget *owner) { ShowFavourites(owner); };
    m_openAbout = [](QWidget *owner) { ShowAboutBox(owner); };
}

QString MainWindow::rightsNotice()
{
    return tr("© 2026 Optolune. Tous droits réservés.");
}

QWidget *MainWindow::buildButtonBar()
{
    auto *panel = make<QWidget>(this, "Panel1");
    panel->setAutoFillBackground(true);
    panel->setPalette(QApplication::palette());
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 4, 4, 4);
    row->setSpacing(2);

    struct ButtonDef {
        QToolButton **slot;
        const char *name;
        const char *hint;
        Glyph glyph;
        void (MainWindow::*action)();
    };
    const ButtonDef buttons[] = {
        {&m_buttons.table, "TableBtn", QT_TRANSLATE_NOOP("optolune::MainWindow", "Table de profondeur de champ"),
         Glyph::Table, nullptr},
        {&m_buttons.isol, "IsolBtn", QT_TRANSLATE_NOOP("optolune::MainWindow", "Variations de la profondeur de champ"),
         Glyph::Variations, nullptr},
        {&m_buttons.notes, "NotesBtn", QT_TRANSLATE_NOOP("optolune::MainWindow", "Bloc-notes de Windows"), Glyph::Notes,
         &MainWindow::openNotes},
        {&m_buttons.quit, "SpeedButton5", QT_TRANSLATE_NOOP("optolune::MainWindow", "Quitter OPTOLUNE"), Glyph::Quit,
         nullptr},
    };
    for (const ButtonDef &s : buttons) {
        auto *button = make<QToolButton>(panel, s.name);
        button->setAutoRaise(true);
        button->setIcon(glyphIcon(s.glyph));
        button->setIconSize(QSize(32, 32));
        applyHint(button, tr(s.hint));
        row->addWidget(button);
        *s.slot = button;
        if (s.action)
            connect(button, &QToolButton::clicked, this,
                    [this, action = s.action] { guarded([this, action] { (this->*action)(); }); });
    }
    row->addStretch(1);

    connect(m_buttons.table, &QToolButton::clicked, this, [this] {
        guarded([this] {
            if (m_openTable)
                m_openTable(this, m_tmpTablePath);
        });
    });
    connect(m_buttons.isol, &QToolButton::clicked, this, [this] {
        guarded([this] {
            if (m_openVariations)
                m_openVariations(this);
        });
    });
    connect(m_buttons.quit, &QToolButton::clicked, this, &QWidget::close);
    return panel;
}

void MainWindow::buildMenuAndActions()
{
    auto *favourites = menuBar()->addAction(tr("Favoris"));
    favourites->setObjectName(QStringLiteral("Favoris1"));
    connect(favourites, &QAction::triggered, this, [this] {
        guarded([this] {
            if (m_openFavourites)
                m_openFavourites(this);
        });
    });
    auto *about = menuBar()->addAction(tr("A propos"));
    about->setObjectName(QStringLiteral("Apropos1"));
    connect(about, &QAction::triggered, this, [this] {
        guarded([this] {
            if (m_openAbout)
                m_openAbout(this);
        });
    });

    // The language of the program: kept in the settings file, taken at the
    // next start (every window is built in one language).
    QMenu *language = menuBar()->addMenu(tr("Langue"));
    language->setObjectName(QStringLiteral("Langue1"));
    auto *languages = new QActionGroup(this);
    const QString stored = readSettingsSection<LanguageSettings>(appPaths().iniFileName).language;
    const struct {
        const char *name;
        QString caption;
        QString key;
    } choices[] = {{"LangueFrancais", QStringLiteral("Français"), QStringLiteral("fr")},
                   {"LangueAnglais", QStringLiteral("English"), QStringLiteral("en")},
                   {"LangueSysteme", tr("Langue du système"), QString()}};
    for (const auto &choice : choices) {
        QAction *action = language->addAction(choice.caption);
        action->setObjectName(QString::fromLatin1(choice.name));
        action->setCheckable(true);
        action->setChecked(LanguageFromKey(stored) ? stored == choice.key : choice.key.isEmpty());
        languages->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, key = choice.key] { guarded([this, key] { chooseLanguage(key); }); });
    }

    auto *quit = menuBar()->addAction(tr("Quitter"));
    quit->setObjectName(QStringLiteral("Quitter1"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setShortcutContext(Qt::ApplicationShortcut);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    // The file actions have no visible menu; their shortcuts still work from
    // the main window.
    auto addHidden = [this](const char *name, const QString &caption, const QString &hint,
                            QKeySequence shortcut) {
        auto *action = new QAction(caption, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setToolTip(shortHint(hint));
        action->setStatusTip(longHint(hint));
        action->setShortcut(shortcut);
        addAction(action);
        return action;
    };
    addHidden("FileNew1", tr("&Nouveau"), tr("Nouveau|Créer un nouveau fichier"),
              QKeySequence(Qt::CTRL | Qt::Key_N));
    auto *open = addHidden("FileOpen1", tr("&Ouvrir"),
                           tr("Ouvrir|Ouvrir un fichier"),
                           QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(open, &QAction::triggered, this, [this] {
        guarded([this] {
            if (m_openTableFile && m_buttons.table->isEnabled())
                m_openTableFile(this, m_tmpTablePath);
        });
    });
    addHidden("FileSave1", tr("&Enregistrer"),
              tr("Enregistrer|Enregistrer le fichier en cours"),
              QKeySequence(Qt::CTRL | Qt::Key_S));
    addHidden("FileSaveAs1", tr("Enregistrer &sous..."),
              tr("Enregistrer sous|Enregistrer le fichier en cours sous un nouveau nom"),
              QKeySequence());
    auto *exit = addHidden("FileExit1", tr("&Quitter"),
                           tr("Quitter|Quitter l'application"), QKeySequence());
    connect(exit, &QAction::triggered, this, &QWidget::close);
}

void MainWindow::chooseLanguage(const QString &key)
{
    LanguageSettings settings;
    settings.language = key;
    writeSettingsSection(appPaths().iniFileName, settings);
    messages().information(tr("La langue choisie s'appliquera au prochain démarrage d'Optolune."));
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    activateOnce(this, m_activated, [this] { FormActivate(); });
}

void MainWindow::FormActivate()
{
    setWindowTitle(QStringLiteral("OPTOLUNE ") + VersionText() + QString(11, u' ') +
                   rightsNotice());
    const DataFilesCheck dataFiles = CheckDataFiles(appPaths().dataFolder);
    ShowNotices(dataFiles.notices);
    if (!dataFiles.usable) {
        m_buttons.table->setEnabled(false);
        m_buttons.isol->setEnabled(false);
    }
}

void MainWindow::openNotes()
{
    try {
        OpenNotes(appPaths().programFolder, QStringLiteral("memo.txt"));
    } catch (...) {
        reportCurrentException();
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The file is read again so that the sections other windows wrote during
    // the run are kept.
    try {
        writeSettingsSection(appPaths().iniFileName, FichtempSettings{m_tmpTablePath});
    } catch (...) {
        reportCurrentException();
    }
    event->accept();
}

} // namespace optolune
