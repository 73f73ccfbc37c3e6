// The settings file (core/inifile: IniFile load, value, intValue, boolValue,
// save; FichtempSettings), the sections read from it (the table's display
// options "optaff", table/displayoptions; the print options "Impression",
// table/printoptions; the lens data "blad", lens/lensdata, with the
// computation and the drawing's layout made from what it holds), and the one
// use of a path it
// holds: the tmp table (table/tablefiles LoadTmpTable), which may read and
// delete only a ".tmp" file right inside tmp/.
//
// Input: the whole settings file. "@HOME@" in it stands for the program
// folder (ending with '/'), "@OUTSIDE@" for a file outside it, so that the
// inputs can name the victims below wherever the folder is.
// Oracles: nothing throws; no victim file (in the program folder, Tables/,
// Data/, a folder named like tmp/, outside the program folder, and one
// reached through a link in tmp/) is deleted or changed; a value set and
// saved reads back; keys the run did not set keep their values.
#include "fuzz_common.h"

#include "core/apppaths.h"
#include "core/inifile.h"
#include "core/numerictext.h"
#include "lens/lensdata.h"
#include "table/displayoptions.h"
#include "print/printoptions.h"
#include "table/tablefiles.h"
#include "table/tablestate.h"

#include <QFileInfo>
#include <QRectF>
#include <cmath>

using namespace optolune;
using fuzz::fail;
using fuzz::noThrow;

namespace {

QString g_home;
QString g_outside;
QStringList g_victims;
const QByteArray kVictimBytes = "Version 1.0.0.0\r\nvictime\r\n";

// What a value becomes once stored and read again.
QString storedForm(QString text)
{
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    qsizetype from = 0, to = text.size();
    while (from < to && (text[from] == u' ' || text[from] == u'\t'))
        ++from;
    while (to > from && (text[to - 1] == u' ' || text[to - 1] == u'\t'))
        --to;
    return text.mid(from, to - from);
}

void plantVictims()
{
    for (const QString &v : g_victims) {
        QFile f(v);
        if (f.exists() && f.size() == kVictimBytes.size())
            continue;
        QDir().mkpath(QFileInfo(v).path());
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(kVictimBytes);
    }
}

void checkVictims()
{
    for (const QString &v : g_victims) {
        QFile f(v);
        if (!f.open(QIODevice::ReadOnly) || f.readAll() != kVictimBytes)
            fail("a file outside tmp/ was changed or deleted", v.toStdString());
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    g_home = fuzz::setUpHome("inifile");
    g_outside = QDir::cleanPath(g_home + QStringLiteral("../")) +
                QStringLiteral("/optolune-fuzz-outside-%1.tmp").arg(::getpid());
    g_victims = {g_home + QStringLiteral("victim.tmp"), g_home + QStringLiteral("Tables/victim.tmp"),
                 g_home + QStringLiteral("Data/victim.tmp"),
                 g_home + QStringLiteral("tmpx/victim.tmp"), g_outside};
    // tmp/link.tmp: a link inside tmp/ to a victim outside it.
    QFile::link(g_home + QStringLiteral("victim.tmp"), g_home + QStringLiteral("tmp/link.tmp"));
    std::atexit([] { QFile::remove(g_outside); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    plantVictims();
    QByteArray input = fuzz::bytes(data, size);
    input.replace("@HOME@", QFile::encodeName(g_home));
    input.replace("@OUTSIDE@", QFile::encodeName(g_outside));
    const QString iniPath = appPaths().iniFileName;
    fuzz::writeFile(iniPath, input.constData(), static_cast<size_t>(input.size()));

    // Start-up: the shell's setting, then the table window's activation.
    QString tmpTablePath;
    noThrow("reading fichtemp", [&] {
        IniFile shell;
        shell.load(iniPath);
        FichtempSettings fichtemp;
        fichtemp.load(shell);
        tmpTablePath = fichtemp.table;
    });
    const QString fromIni = tmpTablePath;
    TableState state;
    noThrow("LoadTmpTable", [&] { LoadTmpTable(state, tmpTablePath); });
    checkVictims();

    IniFile ini;
    QString table, optaffP;
    int width = 0;
    noThrow("IniFile reading", [&] {
        ini.load(iniPath);
        table = ini.value(QStringLiteral("fichtemp"), QStringLiteral("table"), QStringLiteral("<none>"));
        optaffP = ini.value(QStringLiteral("optaff"), QStringLiteral("p"), QStringLiteral("<none>"));
        width = ini.intValue(QStringLiteral("blad"), QStringLiteral("w"), -7);
        (void)ini.boolValue(QStringLiteral("optaff"), QStringLiteral("h"), false);
        (void)readDisplayOptions(iniPath);
        const PrintOptions print = readPrintOptions(iniPath);
        if (print.orientation < 0 || print.orientation > 1 || print.fontSize < 0 || print.fontSize > 3)
            fail("print options read outside the dialog's items");
    });
    if (!fromIni.isEmpty() && table != fromIni)
        fail("two loads of one file read fichtemp differently");

    // What the main window does when it closes: set fichtemp, save whole.
    noThrow("IniFile saving", [&] {
        FichtempSettings{QStringLiteral("/x/tmp/F80.tmp")}.save(ini);
        ini.save(iniPath);
        IniFile again;
        again.load(iniPath);
        if (again.value(QStringLiteral("fichtemp"), QStringLiteral("table")) != QStringLiteral("/x/tmp/F80.tmp"))
            fail("the saved fichtemp does not read back");
        if (again.value(QStringLiteral("optaff"), QStringLiteral("p"), QStringLiteral("<none>")) != optaffP)
            fail("a key the save did not set changed", optaffP.left(80).toStdString());
        if (again.intValue(QStringLiteral("blad"), QStringLiteral("w"), -7) != width)
            fail("a number the save did not set changed");
    });
    // The display options dialog's Ok.
    fuzz::writeFile(iniPath, input.constData(), static_cast<size_t>(input.size()));
    noThrow("writeDisplayOptions", [&] {
        DisplayOptions o;
        o.p = true;
        writeDisplayOptions(iniPath, o);
        if (!readDisplayOptions(iniPath).p)
            fail("a display option stored does not read back");
    });
    // The lens data window: its fields from "blad", computed, drawn, stored.
    noThrow("lens data", [&] {
        BladSettings blad = readBladSettings(iniPath);
        if ((blad.r1 != InFront && blad.r1 != Behind) || (blad.r2 != InFront && blad.r2 != Behind))
            fail("a radio item read outside its group");
        const BladSettings asRead = blad;
        if (const auto lens = ComputeLensData(blad).data) {
            if (!ReadNumber(NodalText(*lens)) || !ReadNumber(PupilText(*lens)))
                fail("dn or gp written as a text that does not read",
                     (NodalText(*lens) + u' ' + PupilText(*lens)).toStdString());
            const LensDiagramLayout layout = LayoutLensDiagram(*lens, QRectF(0, 0, 400, 300));
            for (double v : {layout.scale, layout.v1X, layout.v2X, layout.hX, layout.hPrimeX,
                             layout.entranceHalf, layout.exitHalf, layout.bodyHalf})
                if (!std::isfinite(v))
                    fail("the lens drawing placed something nowhere");
            (void)MakeLensChoice(blad, *lens);
        }
        writeBladSettings(iniPath, asRead);
        // A line break inside a value is stored as a space (it would make a
        // line of its own), and blanks at either end of a value are not
        // kept: a damaged value comes back in that form, whole otherwise.
        BladSettings expected = asRead;
        for (QString *text : {&expected.f, &expected.h, &expected.hprime, &expected.de,
                              &expected.ds, &expected.ref, &expected.num, &expected.ep})
            *text = storedForm(*text);
        if (!(readBladSettings(iniPath) == expected))
            fail("lens data stored do not read back");
    });
    // The print options dialog's Ok.
    fuzz::writeFile(iniPath, input.constData(), static_cast<size_t>(input.size()));
    noThrow("writePrintOptions", [&] {
        const PrintOptions chosen{1, 3};
        writePrintOptions(iniPath, chosen);
        if (!(readPrintOptions(iniPath) == chosen))
            fail("print options stored do not read back");
    });
    checkVictims();
    return 0;
}
