#include "english.h"

#include "core/language.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace optolune::test {

EnglishScope::EnglishScope()
{
    EXPECT_TRUE(InstallProgramTranslation(Language::English, QStringLiteral(OPTOLUNE_TRANSLATIONS_DIR)))
        << "no optolune_en.qm in " OPTOLUNE_TRANSLATIONS_DIR;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

EnglishScope::~EnglishScope()
{
    InstallProgramTranslation(Language::French);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}

} // namespace optolune::test
