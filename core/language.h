// The language the program speaks to its user: French, the language its texts
// are written in, or English through Qt's translation system. It is chosen
// once at the start (the settings file's choice, else the user's locale) and
// holds for the whole run. Whatever the language, the files the program
// writes keep one format: numbers with the decimal comma.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace optolune {

enum class Language { French, English };

// The language of this run; French until SetUiLanguage says otherwise.
Language UiLanguage();
void SetUiLanguage(Language language);

// "fr" and "en", the keys of the settings file and of the command line's
// --lang; nothing for any other text.
std::optional<Language> LanguageFromKey(QStringView key);
QString LanguageKey(Language language);

// French when the first of the user's languages (as QLocale::uiLanguages
// lists them from LANGUAGE, LC_ALL, LC_MESSAGES and LANG) is French, English
// for any other.
Language LanguageOfLocale(const QStringList &uiLanguages);

// The numbers of a text as the user's language writes them: in English every
// comma standing between two digits becomes a decimal point; in French the
// text is returned as it is. The program computes and stores its numbers as
// decimal-comma texts and turns them with this where a user reads them.
QString LocalNumbers(const QString &text);

// Loads the program's translation for the language (none is needed for
// French, its own) and installs it on the application object in place of
// the one installed before, looking in `folder` when one is given, else
// beside the executable (translations/, the build tree) and in the
// installation's share/optolune/translations. Sets the language of the run.
// Returns false when the English translation cannot be found: the run then
// stays in French rather than mixing the two.
bool InstallProgramTranslation(Language language, const QString &folder = QString());

// A number as the user typed or the window shows it, in the form the program
// keeps: in English the decimal point becomes the comma; in French the text
// is returned as it is.
QString CommaNumber(const QString &shown);

// The separator of the fields of a CSV file: ';' for a French spreadsheet,
// whose decimal separator is the comma, ',' in English.
QChar CsvSeparator();

} // namespace optolune
