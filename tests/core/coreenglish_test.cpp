// The messages of the program's services in English: the numeric fields'
// repairs with decimal points, the installation data check, the files.
#include "core/apppaths.h"
#include "core/datafiles.h"
#include "core/diffractiontext.h"
#include "core/memoryfile.h"
#include "core/numerictext.h"
#include "core/textfile.h"
#include "core/usererror.h"
#include "support/english.h"
#include "support/programfolder.h"
#include "support/qtprint.h"
#include "support/recorder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

TEST(CoreEnglish, NumericFieldsWarnInEnglishWithDecimalPoints)
{
    EXPECT_EQ(RangeText(0.005L, 0.5L, 3), QStringLiteral("0,005-0,500"));
    EnglishScope english;
    EXPECT_EQ(RangeText(0.005L, 0.5L, 3), QStringLiteral("0.005-0.500"));
    EXPECT_EQ(RangeText(-150, 150, 1), QStringLiteral("-150.0-150.0"));
    Recorder rec;
    QString empty, word = QStringLiteral("abc"), high = QStringLiteral("9"),
                   good = QStringLiteral("0.05");
    Notices warnings;
    for (const NumericField::Report &report :
         {NumericField::Fit(empty, 12, 3, 0.005L, 0.5L, true),
          NumericField::Fit(word, 12, 3, 0.005L, 0.5L, true),
          NumericField::Fit(high, 12, 3, 0.005L, 0.5L, true),
          NumericField::Check(QStringLiteral("x"), 12, 1, QStringLiteral("f"), 10, 1200),
          NumericField::Check(QStringLiteral("5"), 12, 1, QStringLiteral("f"), 10, 1200)}) {
        if (report.warning)
            warnings.push_back(WarningNotice(*report.warning));
    }
    EXPECT_EQ(Said(warnings),
              (std::vector<Message>{
                  {"warning", "Empty field"},
                  {"warning", "Type a decimal number in the range 0.005-0.500"},
                  {"warning", "Value out of the range 0.005-0.500"},
                  {"warning", "f must be a decimal number in the range 10.0-1200.0"},
                  {"warning", "f out of the range 10.0-1200.0"},
              }));
    // What the field keeps is the comma form, whatever the language.
    EXPECT_EQ(empty, QStringLiteral("0,005"));
    EXPECT_EQ(high, QStringLiteral("0,500"));
    EXPECT_EQ(DiffractionTitleText(0.5461L, BlurModel::RootSumSquare),
              QStringLiteral("with diffraction (λ 0.5461 µm)"));
    EXPECT_EQ(WavelengthText(0.5461L), QStringLiteral("0,5461")); // as the files keep it
}

TEST(CoreEnglish, FilesAndDataMessagesInEnglish)
{
    ProgramFolder folder;
    EnglishScope english;
    Recorder rec;
    QFile::remove(folder.dataPath() + "cbxdis7.stf");
    const DataFilesCheck check = CheckDataFiles(appPaths().dataFolder);
    EXPECT_TRUE(check.usable);
    EXPECT_EQ(Said(check.notices),
              (std::vector<Message>{{"plain", "Missing file " + folder.dataPath() + "cbxdis7.stf"},
                                    {"plain", "Trying to recover it"}}));
    try {
        writeWhole(folder.file(QStringLiteral("no/such/folder/f.txt")), "x");
        ADD_FAILURE() << "written";
    } catch (const UserError &e) {
        EXPECT_EQ(e.text(),
                  "Cannot create the file " + folder.file(QStringLiteral("no/such/folder/f.txt")));
    }
    folder.write(QStringLiteral("Data/memf.slc"), "x");
    try {
        ReadMemoryFile(MemoryFilePath());
        ADD_FAILURE() << "read";
    } catch (const UserError &e) {
        EXPECT_TRUE(e.text().startsWith(QStringLiteral("File unreadable or damaged: ")))
            << e.text().toStdString();
    }
}
