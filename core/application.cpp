#include "application.h"

#include "apppaths.h"
#include "inifile.h"
#include "messages.h"
#include "usererror.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <exception>

namespace optolune {

Application::Application(int &argc, char **argv) : QApplication(argc, argv) {}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportCurrentException();
    }
    return false;
}

void reportCurrentException()
{
    try {
        throw;
    } catch (const UserError &e) {
        messages().error(e.text());
    } catch (const std::bad_alloc &) {
        messages().error(QCoreApplication::translate("Application", "Mémoire insuffisante"));
    } catch (const std::exception &e) {
        messages().error(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        messages().error(QCoreApplication::translate("Application", "Erreur inconnue"));
    }
}

QTranslator *installFrenchTranslation(const QString &folder)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_fr"), folder) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

QTranslator *installFrenchTranslation()
{
    return installFrenchTranslation(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

Language ChosenLanguage(const QString &iniFileName)
{
    const auto stored = LanguageFromKey(readSettingsSection<LanguageSettings>(iniFileName).language);
    return stored ? *stored : LanguageOfLocale(QLocale::system().uiLanguages());
}

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Optolune"));
    // Qt's own dialogs speak English by themselves; French needs Qt's
    // French translation.
    if (ChosenLanguage(appPaths().iniFileName) == Language::English &&
        InstallProgramTranslation(Language::English))
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    else
        installFrenchTranslation();
}

} // namespace optolune
