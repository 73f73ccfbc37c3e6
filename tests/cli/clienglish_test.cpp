// optolune-cli in English: its help, messages, results and CSV read in
// English with decimal points, while --lang fr gives exactly the French
// output and the files it reads are read alike in both languages.
#include "cli/clicircle.h"
#include "cli/climan.h"
#include "cli/clispread.h"
#include "cli/clistack.h"
#include "cli/clitilt.h"
#include "cli/clivariations.h"
#include "clirun.h"
#include "core/language.h"
#include "core/textfile.h"
#include "support/english.h"
#include "support/programfolder.h"
#include "table/tablecompute.h"
#include "table/tablefiles.h"
#include "table/tablemodel.h"
#include "table/tablestate.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace
{

struct Command {
    const char *name;
    QString (*help)();
};

const Command kCommands[] = {
    {"table", CliHelpText},     {"variations", VariationsHelpText}, {"circle", CircleHelpText},
    {"spread", SpreadHelpText}, {"stack", StackHelpText},           {"tilt", TiltHelpText},
};

// The options a help text documents, as its option lines name them
// ("--focal <mm>", "-p, --depth").
QStringList documentedOptions(const QString &help)
{
    QStringList options;
    for (const QString &line : help.split(u'\n'))
        if (line.startsWith(QStringLiteral("  -")))
            options << line.mid(2).section(QStringLiteral("  "), 0, 0).trimmed();
    return options;
}

// The same without the names of their values, which are words.
QStringList optionNames(const QString &help)
{
    QStringList names;
    for (const QString &option : documentedOptions(help))
        names << option.section(u'<', 0, 0).trimmed();
    return names;
}

// A number written with the decimal comma: a comma between two digits.
bool hasDecimalComma(const QString &text)
{
    static const QRegularExpression comma(QStringLiteral("\\d,\\d"));
    return text.contains(comma);
}

// What betrays a French text: its accents and its small words.
QString frenchIn(const QString &text)
{
    static const QRegularExpression french(
        QStringLiteral("[éèêàâçùôî]|\\b(le|la|les|des|du|et|ou|un|une|pour|avec|sans|affiche|"
                       "diaphragmes?|tirage|focale|netteté|Sortie|Code de sortie)\\b"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch match = french.match(text);
    return match.hasMatch() ? match.captured(0) : QString();
}

// The worked example of the table: c = 0,05 mm, f = 80 mm, dn = -4 mm, gp = 1,1.
QStringList workedExample(std::initializer_list<const char *> more = {})
{
    QStringList args{"table",   "--circle",    "0.05", "--focal",    "80",
                     "--nodal", "-4",          "--gp", "1.1",        "--f-numbers",
                     "8;22",    "--distances", "3 20", "--decimals", "4"};
    for (const char *a : more)
        args << QString::fromUtf8(a);
    return args;
}

} // namespace

TEST(CliEnglish, HelpOfEveryCommandIsEnglishAndDocumentsTheSameOptions)
{
    ProgramFolder folder;
    std::vector<QString> french;
    for (const Command &c : kCommands)
        french.push_back(c.help());
    EnglishScope english;
    for (size_t i = 0; i < std::size(kCommands); ++i) {
        const Command &c = kCommands[i];
        const QString help = c.help();
        SCOPED_TRACE(c.name);
        EXPECT_NE(help, french[i]);
        EXPECT_TRUE(
            help.startsWith(QStringLiteral("Usage: optolune-cli %1 [options]\n").arg(c.name)));
        EXPECT_EQ(frenchIn(help), QString());
        EXPECT_FALSE(hasDecimalComma(help));
        EXPECT_TRUE(help.contains(QStringLiteral("Exit status: 0 ")));
        // The same options, each explained; the table's help adds --lang.
        QStringList expected = optionNames(french[i]);
        if (QLatin1String(c.name) == QLatin1String("table"))
            expected.insert(expected.indexOf(QStringLiteral("-h, --help")),
                            QStringLiteral("--lang fr|en"));
        EXPECT_EQ(optionNames(help), expected);
        // Written for a terminal of 80 columns.
        for (const QString &line : help.split(u'\n')) {
            EXPECT_LE(line.size(), 80) << line.toStdString();
        }
        // What --help prints.
        const CliRun run = cli({c.name, "--help"});
        EXPECT_EQ(run.code, kCliOk);
        EXPECT_EQ(run.out, help);
    }
}

TEST(CliEnglish, TableWithDecimalPointsTheInfinityRowAndAnEnglishCsv)
{
    ProgramFolder folder;
    EnglishScope english;
    CliRun run = cli(workedExample({"-p", "-H"}));
    ASSERT_EQ(run.code, kCliOk) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    const QStringList lines = run.out.split(u'\n');
    ASSERT_EQ(lines.size(), 7); // header, 3, 20, Infinity, H, h=, and the final line break
    EXPECT_EQ(lines[0].split(u' ', Qt::SkipEmptyParts), (QStringList{"n=8", "n=22"}));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("2.5604 / 3.6294 / p=1.0690")))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("Infinity ")));
    EXPECT_TRUE(lines[3].contains(QStringLiteral("16.0833 / inf"))) << lines[3].toStdString();
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("H ")));
    EXPECT_TRUE(lines[5].startsWith(QStringLiteral("h= ")));
    EXPECT_FALSE(hasDecimalComma(run.out));
    // Aligned after the commas became points.
    EXPECT_EQ(lines[0].size(), lines[1].size());
    EXPECT_EQ(lines[0].size(), lines[3].size());

    // CSV for an English spreadsheet: ',' between fields, decimal points,
    // a cell of two lines one quoted field.
    run = cli({"table", "--f-numbers", "8", "--distances", "3", "--decimals", "4", "--csv"});
    ASSERT_EQ(run.code, kCliOk) << run.err.toStdString();
    EXPECT_EQ(run.out,
              QStringLiteral(",n=8\r\n3,\"2.5604\n3.6294\"\r\nInfinity,\"16.0833\ninf\"\r\n"));

    // The tidy layout: English column names, "film" or "lens" as --origin
    // writes them, plain numbers with points.
    run = cli({"table", "--f-numbers", "8", "--distances", "3", "--decimals", "4", "--csv",
               "--layout", "rows", "--origin", "lens"});
    ASSERT_EQ(run.code, kCliOk) << run.err.toStdString();
    const QStringList records = run.out.split(QStringLiteral("\r\n"));
    ASSERT_EQ(records.size(), 3);
    EXPECT_EQ(records[0], QStringLiteral("f,c,dn,gp,format,origin,N,distance,near,far,p,a,b"));
    EXPECT_TRUE(records[1].startsWith(QStringLiteral("80,0.050,-4,1.100,10x12 in,lens,8,3,")))
        << records[1].toStdString();
    EXPECT_EQ(records[1].count(u','), 12);
    EXPECT_TRUE(records[2].isEmpty());
}

TEST(CliEnglish, EnglishCsvHoldsTheFrenchNumbersFieldForField)
{
    ProgramFolder folder;
    const QStringList args = workedExample({"-p", "-ab", "-H", "-GT", "--csv"});
    const CliRun french = cli(args);
    ASSERT_EQ(french.code, kCliOk);
    EnglishScope english;
    const CliRun run = cli(args);
    ASSERT_EQ(run.code, kCliOk);
    // No field needs quotes for its separator here: the two texts differ by
    // their separators, their decimal separators and the Infinity row.
    QString expected = french.out;
    expected.replace(QRegularExpression(QStringLiteral("(\\d),(\\d)")), QStringLiteral("\\1.\\2"));
    expected.replace(u';', u',');
    expected.replace(QStringLiteral("\r\nInfini,"), QStringLiteral("\r\nInfinity,"));
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.out.count(u';'), 0);
}

TEST(CliEnglish, MessagesInEnglishWithDecimalPoints)
{
    ProgramFolder folder;
    EnglishScope english;
    struct Case {
        QStringList args;
        int code;
        const char *err;
    };
    const Case cases[] = {
        {{"table", "--bogus"},
         kCliBadUsage,
         "optolune-cli: unknown option: --bogus\nSee optolune-cli --help.\n"},
        {{"nothing"},
         kCliBadUsage,
         "optolune-cli: unknown command: nothing\nSee optolune-cli --help.\n"},
        {{"table", "--f-numbers", "0.5"},
         kCliBadUsage,
         "optolune-cli: f-number outside the range 1.0-256.0: \"0.5\"\nSee optolune-cli --help.\n"},
        {{"table", "--distances", "3x"},
         kCliBadUsage,
         "optolune-cli: incorrect distance: \"3x\"\nSee optolune-cli --help.\n"},
        {{"table", "--layout", "rows"},
         kCliBadUsage,
         "optolune-cli: --layout is used only with --csv\nSee optolune-cli --help.\n"},
        {{"table", "--file", "/nonexistent/t.stf"},
         kCliFailed,
         "optolune-cli: Cannot open the file /nonexistent/t.stf\n"},
        {{"variations", "--origin", "x"},
         kCliBadUsage,
         "optolune-cli: --origin takes film or lens, not \"x\"\nSee optolune-cli variations "
         "--help.\n"},
        {{"variations", "--distance", "0.1"},
         kCliFailed,
         "optolune-cli: Focus impossible at 0.100 m from the film plane\n"},
        {{"spread", "--focal", "1"},
         kCliBadUsage,
         "optolune-cli: --focal out of range: 1 (range 10.0-1200.0)\nSee optolune-cli spread "
         "--help.\n"},
        {{"spread", "--wavelength", "0.55555"},
         kCliBadUsage,
         "optolune-cli: --wavelength takes 4 decimals at most, not \"0.55555\"\n"
         "See optolune-cli spread --help.\n"},
        {{"stack", "--near", "2"},
         kCliBadUsage,
         "optolune-cli: --near and --far go together: one is missing\nSee optolune-cli stack "
         "--help.\n"},
        {{"tilt", "--tilt", "5"},
         kCliBadUsage,
         "optolune-cli: --focal is missing: the focal length of the lens (mm)\n"
         "See optolune-cli tilt --help.\n"},
        {{"circle", "--film", "9x9"},
         kCliBadUsage,
         "optolune-cli: --film: unknown format \"9x9\" (see --list-formats)\nSee optolune-cli "
         "circle --help.\n"},
    };
    for (const Case &c : cases) {
        const CliRun run = cli(c.args);
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        EXPECT_EQ(run.code, c.code);
        EXPECT_EQ(run.err, QString::fromUtf8(c.err));
    }
    // A repaired value warns in English and the table still comes.
    const CliRun repaired = cli({"table", "--circle", "9", "--f-numbers", "8", "--distances", "3"});
    EXPECT_EQ(repaired.code, kCliOk);
    EXPECT_EQ(repaired.err, QStringLiteral("optolune-cli: Value out of the range 0.005-0.500\n"));
    EXPECT_TRUE(repaired.out.contains(QStringLiteral("Infinity")));
}

TEST(CliEnglish, CalculatorsResultsInEnglish)
{
    ProgramFolder folder;
    EnglishScope english;
    CliRun run = cli({"variations"});
    expectResults(run,
                  {{"da=", "2.751"}, {"db=", "3.303"}, {"a/p", "45.1 %"}, {"T(mm)=", "8.21241"}});
    EXPECT_TRUE(run.out.contains(QStringLiteral("  near limit of sharpness (m)\n")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("Focus at infinity: from")));
    EXPECT_EQ(frenchIn(run.out), QString());
    EXPECT_FALSE(hasDecimalComma(run.out));

    run = cli({"variations", "--csv"});
    ASSERT_EQ(run.code, kCliOk);
    EXPECT_TRUE(run.out.startsWith(
        QStringLiteral("Result,Value,Meaning\r\nda=,2.751,near limit of sharpness (m)\r\n")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("a/p,45.1 %,share of the depth in front\r\n")));

    run = cli({"circle"});
    expectResults(run, {{"film", "42x56"},
                        {"print", "30x40"},
                        {"enlargement", "7.1"},
                        {"c=", "0.056"},
                        {"limiting N", "41.4"}});
    EXPECT_EQ(frenchIn(run.out), QString());

    // A format listed with a decimal point is found typed with one.
    run = cli({"circle", "--film", "4.5x6 cm"});
    expectResults(run, {{"film", "41x55"}});
    run = cli({"circle", "--list-formats"});
    EXPECT_TRUE(run.out.contains(QStringLiteral("4.5x6 cm"))) << run.out.toStdString();

    run = cli({"spread", "--rail-infinity", "0", "--rail-near", "10", "--rail-far", "4"});
    expectResults(run, {{"rail", "6.95"},
                        {"N", "28.76"},
                        {"optimal N", "45.34"},
                        {"optimal blur", "0.0897"},
                        {"list N", "32"},
                        {"optimal list N", "45"},
                        {"distance", "3.485"}});
    EXPECT_EQ(frenchIn(run.out), QString());

    run = cli({"tilt", "--focal", "150", "--tilt", "5", "--film-distance", "151", "--f-number",
               "22", "--circle", "0.1", "--at", "3"});
    expectResults(run, {{"tilt", "5.000"},
                        {"J", "1.721"},
                        {"extension", "151.00"},
                        {"sharp plane", "88.15"},
                        {"near limit", "78.91"},
                        {"far limit height", "-2.130"}});
    EXPECT_EQ(frenchIn(run.out), QString());

    run = cli({"stack", "--near", "2", "--far", "5"});
    ASSERT_EQ(run.code, kCliOk) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("frame  rail  distance   near    far\n")))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("    1           4.478  3.914  5.243\n")))
        << run.out.toStdString();
    EXPECT_FALSE(hasDecimalComma(run.out));
}

TEST(CliEnglish, LangFrGivesExactlyTheFrenchOutput)
{
    ProgramFolder folder;
    const QList<QStringList> commands = {
        workedExample({"-p", "-ab", "-H", "-GT"}),
        workedExample({"--csv", "--layout", "rows"}),
        {"table", "--help"},
        {"table", "--bogus"},
        {"variations", "--diffraction"},
        {"circle", "--csv"},
        {"spread", "--rail-infinity", "0", "--rail-near", "10", "--rail-far", "4"},
        {"tilt", "--focal", "150", "--tilt", "5", "--film-distance", "151"},
        {"stack", "--help"},
    };
    std::vector<CliRun> french;
    for (const QStringList &args : commands)
        french.push_back(cli(args));
    EnglishScope english;
    for (size_t i = 0; i < french.size(); ++i) {
        // English while no --lang says otherwise...
        EXPECT_NE(cli(commands[i]).out + cli(commands[i]).err, french[i].out + french[i].err);
        // ...and French, byte for byte, with --lang fr, wherever it stands.
        QStringList args = commands[i];
        args.insert(i % 2 ? args.size() : 0,
                    i % 3 ? QStringLiteral("--lang=fr") : QStringLiteral("--lang"));
        if (!(i % 3))
            args.insert(i % 2 ? args.size() : 1, QStringLiteral("fr"));
        const CliRun run = cli(args);
        SCOPED_TRACE(args.join(u' ').toStdString());
        EXPECT_EQ(run.code, french[i].code);
        EXPECT_EQ(run.out, french[i].out);
        EXPECT_EQ(run.err, french[i].err);
        // Back to English for the next command.
        InstallProgramTranslation(Language::English, QStringLiteral(OPTOLUNE_TRANSLATIONS_DIR));
    }
}

TEST(CliEnglish, ATableFileIsTheSameBytesInBothLanguages)
{
    ProgramFolder folder;
    TableState state;
    state.circle = QStringLiteral("0,05");
    state.focal = QStringLiteral("80");
    state.nodal = QStringLiteral("-4");
    state.pupil = QStringLiteral("1,1");
    state.fNumbers = {QStringLiteral("5,6"), QStringLiteral("8")};
    state.distances = {QStringLiteral("1,5"), QStringLiteral("3")};
    state.format = QStringLiteral("5,6x7");
    state.comment = QStringLiteral("f/5,6 à 1,5 m");
    // The file's name holds the format, as the program names its tables.
    const QString name = TableFileName(state, QStringLiteral(".stf"));
    const QString frenchPath = folder.file(name);
    // Writes a state, and what reading the file back gives written again.
    auto saveAndResave = [&](const QString &saved, const QString &resaved) {
        TableState s = state;
        TableModel model;
        ASSERT_TRUE(RefreshTable(s, model));
        ASSERT_TRUE(WriteTableFile(s, model, folder.file(saved)));
        TableState read;
        ASSERT_EQ(ReadTableFile(read, frenchPath, TableSource::UserFile).status, TableStatus::Read);
        EXPECT_EQ(read.fNumbers, state.fNumbers);
        EXPECT_EQ(read.format, state.format);
        EXPECT_EQ(read.comment, state.comment);
        ASSERT_TRUE(RefreshTable(read, model));
        ASSERT_TRUE(WriteTableFile(read, model, folder.file(resaved)));
    };
    saveAndResave(name, QStringLiteral("again-fr.stf"));
    const QByteArray bytes = folder.read(name);
    const CliRun french = cli({"table", "--file", frenchPath, "--csv", "--layout", "rows"});
    ASSERT_EQ(french.code, kCliOk) << french.err.toStdString();

    EnglishScope english;
    saveAndResave(QStringLiteral("en.stf"), QStringLiteral("again-en.stf"));
    EXPECT_FALSE(bytes.isEmpty());
    EXPECT_EQ(folder.read(QStringLiteral("en.stf")), bytes);
    EXPECT_EQ(folder.read(QStringLiteral("again-en.stf")),
              folder.read(QStringLiteral("again-fr.stf")));

    // The English command line reads it as the French one, shown with
    // points; the user's format keeps its comma, quoted for the separator.
    const CliRun run = cli({"table", "--file", frenchPath, "--csv", "--layout", "rows"});
    ASSERT_EQ(run.code, kCliOk) << run.err.toStdString();
    const QStringList records = run.out.split(QStringLiteral("\r\n"));
    ASSERT_EQ(records.size(), 6);
    EXPECT_TRUE(records[1].startsWith(QStringLiteral("80,0.050,-4,1.100,\"5,6x7\",film,5.6,1.5,")))
        << records[1].toStdString();
    EXPECT_TRUE(french.out.split(QStringLiteral("\r\n"))[1].startsWith(
        QStringLiteral("80;0,050;-4;1,100;5,6x7;film;5,6;1,5;")));
    EXPECT_EQ(folder.read(name), bytes);
}

TEST(CliEnglish, ManualPageInEnglishIsBuiltFromTheEnglishHelp)
{
    EnglishScope english;
    const QString page = CliManPage();
    EXPECT_TRUE(page.contains(QStringLiteral("\n.SH NAME\n")));
    EXPECT_TRUE(page.contains(QStringLiteral("\n.SH COMMANDS\n")));
    EXPECT_TRUE(page.contains(QStringLiteral("\"User Commands\"\n")));
    EXPECT_TRUE(page.contains(QStringLiteral(".SS optolune\\-cli tilt [options]\n")));
    for (const Command &c : kCommands)
        for (QString option : documentedOptions(c.help())) {
            option.replace(u'-', QStringLiteral("\\-"));
            EXPECT_TRUE(page.contains(QStringLiteral("\n.B ") + option + u'\n'))
                << option.toStdString();
        }
    EXPECT_EQ(frenchIn(page), QString());
    QFile built(QStringLiteral(OPTOLUNE_MAN_PAGE_EN));
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    EXPECT_EQ(built.readAll(), page.toUtf8());
}

// The installed command: the locale chooses the language, --lang overrides
// it; the translation is found beside the executable.
TEST(CliEnglish, TheExecutableFollowsTheLocaleAndLang)
{
    ProgramFolder folder;
    auto run = [](const char *locale, QStringList args) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("LANGUAGE"));
        env.remove(QStringLiteral("LC_MESSAGES"));
        env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
        env.insert(QStringLiteral("LANG"), QString::fromLatin1(locale));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(OPTOLUNE_CLI_PATH), args);
        EXPECT_TRUE(process.waitForFinished(30000));
        return std::pair{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()) +
                                                 QString::fromUtf8(process.readAllStandardError())};
    };
    const QStringList table{"table", "--f-numbers", "8", "--distances",
                            "3",     "--decimals",  "4", "--csv"};
    const QString english =
        QStringLiteral(",n=8\r\n3,\"2.5604\n3.6294\"\r\nInfinity,\"16.0833\ninf\"\r\n");
    const QString french =
        QStringLiteral(";n=8\r\n3;\"2,5604\n3,6294\"\r\nInfini;\"16,0833\ninf\"\r\n");
    EXPECT_EQ(run("en_US.UTF-8", table), std::pair(kCliOk, english));
    EXPECT_EQ(run("de_DE.UTF-8", table), std::pair(kCliOk, english));
    EXPECT_EQ(run("fr_FR.UTF-8", table), std::pair(kCliOk, french));
    EXPECT_EQ(run("fr_FR.UTF-8", QStringList{"--lang", "en"} + table), std::pair(kCliOk, english));
    EXPECT_EQ(run("en_US.UTF-8", table + QStringList{"--lang=fr"}), std::pair(kCliOk, french));
    const auto help = run("fr_FR.UTF-8", {"--lang", "en", "stack", "--help"});
    EXPECT_TRUE(help.second.startsWith(QStringLiteral("Usage: optolune-cli stack [options]\n")));
    const auto bad = run("fr_FR.UTF-8", {"--lang", "de", "table"});
    EXPECT_EQ(bad.first, kCliBadUsage);
    EXPECT_EQ(bad.second,
              QStringLiteral(
                  "optolune-cli: --lang vaut fr ou en, pas « de »\nVoir optolune-cli --help.\n"));
}
