// The inputs fuzzing found, replayed the way the harness that found each
// used it, with the check that failed then.
#include "cli/clitable.h"
#include "core/apppaths.h"
#include "core/inifile.h"
#include "core/numerictext.h"
#include "support/programfolder.h"
#include "support/recorder.h"
#include "table/displayoptions.h"
#include "table/tablecompute.h"
#include "table/tablefiles.h"
#include "table/tablemodel.h"
#include "table/tablestate.h"

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

QByteArray fuzzCase(const char *name)
{
    QFile file(QStringLiteral(OPTOLUNE_FUZZCASES_DIR "/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "missing input " << name;
    return file.readAll();
}

// The ranges and digits the program checks its fields with.
struct FieldRange {
    int precision, decimals;
    long double minimum, maximum;
};
constexpr FieldRange kFieldRanges[] = {
    {12, 3, 0.1L, 5}, {12, 1, -150, 150}, {12, 3, 0.005L, 0.5L},
    {12, 1, 10, 1200}, {8, 2, 0.001L, 900}, {12, 1, 1, 256},
};

// Every repair leaves a number in the field and none throws.
void checkFieldRepairs(const QString &text)
{
    Recorder rec;
    for (const FieldRange &r : kFieldRanges) {
        for (const bool toMinimum : {true, false}) {
            QString quiet = text;
            EXPECT_NO_THROW(NumericField::FitQuiet(quiet, r.precision, r.decimals, r.minimum,
                                                   r.maximum, toMinimum));
            EXPECT_TRUE(ReadNumber(quiet)) << quiet.toStdString();
            QString loud = text;
            EXPECT_NO_THROW(static_cast<void>(
                NumericField::Fit(loud, r.precision, r.decimals, r.minimum, r.maximum, toMinimum)));
            EXPECT_TRUE(ReadNumber(loud)) << loud.toStdString();
        }
        EXPECT_EQ(NumericField::Check(text, r.precision, r.decimals, QStringLiteral("x"), r.minimum,
                                      r.maximum)
                      .code,
                  3);
    }
}

} // namespace

TEST(FuzzCases, Procs1TwelveDigitsPastTheLargestValue)
{
    const QByteArray input = fuzzCase("procs-1");
    ASSERT_EQ(input[0], '\0'); // Latin-1 text
    const QString text = QString::fromLatin1(input.mid(1));
    checkFieldRepairs(text);
    EXPECT_NO_THROW(TrimWholeText(text, 0));
}

TEST(FuzzCases, Procs2EightDigitsPastTheLargestValue)
{
    const QByteArray input = fuzzCase("procs-2");
    ASSERT_EQ(input[0] & 3, 3); // a typed field: '.' is a decimal comma
    QString text = QString::fromLatin1(input.mid(1));
    text.replace(u'.', u',');
    checkFieldRepairs(text);
    EXPECT_NO_THROW(TrimWholeText(text, (input[0] & 0xFF) >> 4));
}

TEST(FuzzCases, TableFile1FocalLengthPastTheLargestValue)
{
    ProgramFolder folder;
    Recorder rec;
    const QByteArray input = fuzzCase("tablefile-1");
    ASSERT_EQ(input[0] & 3, 0); // a file the user chose, in Tables/
    const QString path = folder.file(QStringLiteral("Tables/F80_C0050_Fa_PL_10x12 in_Planar T_2,8.stf"));
    QDir().mkpath(folder.file(QStringLiteral("Tables")));
    folder.write(QStringLiteral("Tables/F80_C0050_Fa_PL_10x12 in_Planar T_2,8.stf"), input.mid(1));
    TableState state;
    ASSERT_EQ(rec.keep(ReadTableFile(state, path, TableSource::UserFile)).status,
              TableStatus::Read);
    TableModel model;
    bool refreshed = true;
    EXPECT_NO_THROW(refreshed = rec.keep(RefreshTable(state, model)).done);
    // The focal length is repaired to the maximum, as any value out of range.
    EXPECT_EQ(state.focal, QStringLiteral("1200"));
    EXPECT_TRUE(rec.texts().contains(QStringLiteral("Valeur hors intervalle 10,0-1200,0")))
        << rec.texts().join(u'\n').toStdString();
    // The file holds no distance (and empty f-numbers): nothing to compute.
    EXPECT_FALSE(refreshed);
    EXPECT_TRUE(model.isEmpty());

    // The same focal length in a table that can be computed: repaired the
    // same way, and the table is made at 1200 mm.
    QByteArray complete = input.mid(1);
    QList<QByteArray> lines = complete.split('\n');
    ASSERT_GE(lines.size(), 31);
    lines[13] = "0,100"; // circle
    lines[17] = "1";     // one distance
    lines[18] = "0";     // nodal distance
    lines[21] = "1";     // pupil magnification
    lines[28] = "8";
    lines[29] = "11";
    lines[30] = "16";
    lines.insert(31, "5");
    folder.write(QStringLiteral("Tables/F80_C0050_Fa_PL_10x12 in_Planar T_2,8.stf"), lines.join('\n'));
    TableState computable;
    ASSERT_EQ(rec.keep(ReadTableFile(computable, path, TableSource::UserFile)).status,
              TableStatus::Read);
    rec.clear();
    TableModel table;
    EXPECT_NO_THROW(refreshed = rec.keep(RefreshTable(computable, table)).done);
    EXPECT_TRUE(refreshed) << rec.texts().join(u'\n').toStdString();
    EXPECT_EQ(computable.focal, QStringLiteral("1200"));
    EXPECT_EQ(rec.texts(), QStringList{"Valeur hors intervalle 10,0-1200,0"});
    ASSERT_FALSE(table.isEmpty());
    EXPECT_EQ(table.nDia, 3);
    EXPECT_EQ(table.nDist, 1);
    for (int k = 1; k <= 3; ++k)
        EXPECT_FALSE(table.cell(k, 1).isEmpty()) << k;
}

TEST(FuzzCases, Cli1FocalLengthPastTheLargestValue)
{
    ProgramFolder folder;
    QStringList args{QStringLiteral("optolune-cli")};
    for (const QByteArray &part : fuzzCase("cli-1").split('\0'))
        args << QString::fromLocal8Bit(part);
    ASSERT_EQ(args, (QStringList{"optolune-cli", "table", "-focal", "1,189731495357E4932"}));
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    int code = -1;
    EXPECT_NO_THROW(code = RunCli(args, out, err));
    err.flush();
    EXPECT_EQ(code, kCliOk);
    EXPECT_TRUE(errText.contains(QStringLiteral("Valeur hors intervalle 10,0-1200,0")))
        << errText.toStdString();
}

// What a settings file holds that the program does not own survives a save,
// and an option stored reads back.
class FuzzIniCase : public testing::TestWithParam<const char *> {};

TEST_P(FuzzIniCase, SavesKeepWhatTheyDoNotTouchAndOptionsReadBack)
{
    ProgramFolder folder(false);
    const QByteArray input = fuzzCase(GetParam());
    const QString iniPath = appPaths().iniFileName;
    folder.write(QStringLiteral("optolune.INI"), input);

    IniFile ini;
    ini.load(iniPath);
    const QString optaffP = ini.value(QStringLiteral("optaff"), QStringLiteral("p"), QStringLiteral("<none>"));
    FichtempSettings{QStringLiteral("/x/tmp/F80.tmp")}.save(ini);
    ini.save(iniPath);
    IniFile again;
    again.load(iniPath);
    EXPECT_EQ(again.value(QStringLiteral("fichtemp"), QStringLiteral("table")), QStringLiteral("/x/tmp/F80.tmp"));
    EXPECT_EQ(again.value(QStringLiteral("optaff"), QStringLiteral("p"), QStringLiteral("<none>")), optaffP);
    // Every line of the input is still there, byte for byte.
    const QByteArray saved = folder.read(QStringLiteral("optolune.INI"));
    for (const QByteArray &line : input.split('\n'))
        EXPECT_TRUE(saved.contains(line)) << line.toStdString();

    folder.write(QStringLiteral("optolune.INI"), input);
    DisplayOptions options;
    options.p = true;
    writeDisplayOptions(iniPath, options);
    EXPECT_TRUE(readDisplayOptions(iniPath).p);
}

INSTANTIATE_TEST_SUITE_P(Inputs, FuzzIniCase, testing::Values("inifile-1", "inifile-2"),
                         [](const auto &info) {
                             QString name = QString::fromLatin1(info.param);
                             name.remove(u'-');
                             return name.toStdString();
                         });
