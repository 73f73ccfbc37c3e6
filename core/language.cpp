#include "language.h"

#include "numerictext.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QTranslator>
#include <memory>

namespace optolune {

namespace {

Language g_language = Language::French;

} // namespace

Language UiLanguage() { return g_language; }

void SetUiLanguage(Language language) { g_language = language; }

std::optional<Language> LanguageFromKey(QStringView key)
{
    if (key == u"fr")
        return Language::French;
    if (key == u"en")
        return Language::English;
    return std::nullopt;
}

QString LanguageKey(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("fr");
}

Language LanguageOfLocale(const QStringList &uiLanguages)
{
    if (uiLanguages.isEmpty())
        return Language::English;
    const QString first = uiLanguages.first().toLower();
    const bool french = first == u"fr" || first.startsWith(u"fr-") || first.startsWith(u"fr_");
    return french ? Language::French : Language::English;
}

QString LocalNumbers(const QString &text)
{
    if (g_language == Language::French)
        return text;
    QString out = text;
    for (qsizetype i = 1; i + 1 < out.size(); ++i) {
        if (out[i] == u',' && out[i - 1].isDigit() && out[i + 1].isDigit())
            out[i] = u'.';
    }
    return out;
}

bool InstallProgramTranslation(Language language, const QString &folder)
{
    // One translation of the program at a time, owned by the application.
    // (a guarded pointer: the application object deletes it with itself)
    static QPointer<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    SetUiLanguage(Language::French);
    if (language == Language::French)
        return true;
    const QDir exe(QCoreApplication::applicationDirPath());
    const QStringList folders =
        folder.isEmpty() ? QStringList{exe.filePath(QStringLiteral("translations")),
                                       exe.filePath(QStringLiteral("../share/optolune/translations"))}
                         : QStringList{folder};
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    for (const QString &candidate : folders) {
        if (translator->load(QStringLiteral("optolune_en"), candidate) &&
            QCoreApplication::installTranslator(translator.get())) {
            installed = translator.release();
            SetUiLanguage(Language::English);
            return true;
        }
    }
    return false;
}

QString CommaNumber(const QString &shown)
{
    return g_language == Language::English ? DecimalCommaText(shown) : shown;
}

QChar CsvSeparator() { return g_language == Language::English ? u',' : u';'; }

} // namespace optolune
