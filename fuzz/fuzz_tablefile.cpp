// Table files (table/tablefiles: ReadTableFile, LoadTmpTable, LoadTestTable,
// RecallParameters) and what runs on a table that read: the refresh
// (table/tablecompute RefreshTable), the command line's two printers
// (cli/clitable TableAsText, TableAsCsv) and the write/read round trip.
//
// Input: byte 0 chooses the use (a file the user chose in Tables/, the tmp
// table in tmp/, the delivered test table in Data/, the memory file) and the
// file name; the rest is the file's bytes. A file whose line 1 is not the
// version text of some version of the program is refused at once, so a text
// starting with "@" gets "Version 1.0.0.0\r\n" in its place (the seeds hold
// other versions' texts too).
// Oracles: nothing throws (a fault of the user's files is reported, never
// thrown); a table that read and refreshed, written and read again, reads.
#include "fuzz_common.h"

#include "core/apppaths.h"
#include "core/memoryfile.h"
#include "cli/clitable.h"
#include "table/tablecompute.h"
#include "table/tablefiles.h"
#include "table/tablemodel.h"
#include "table/tablestate.h"

using namespace optolune;

namespace {

QString g_home;

const char *const kNames[] = {
    "F80_C0050_PF_4x5.stf",
    "F148,1_C0100_PF_4x5_Test Optolune.stf",
    "a.stf",
    "F80_C0050_Fa_PL_10x12 in_Planar T_2,8.stf",
    "x",
    "_.stf",
    "F80_C0050_PF_4x5_a_b_c_d_e_f.stf",
    "..stf",
};

template <typename F>
void noThrow(const char *what, F &&f)
{
    fuzz::noThrow(what, std::forward<F>(f));
}

void afterRead(TableState &state, const char *what)
{
    TableModel model;
    bool refreshed = false;
    noThrow(what, [&] { refreshed = RefreshTable(state, model).done; });
    if (!refreshed)
        return;
    noThrow("TableAsText", [&] { (void)TableAsText(model); });
    noThrow("TableAsCsv", [&] { (void)TableAsCsv(model); });
    // Written and read again, the table reads.
    noThrow("round-trip", [&] {
        const QString again = g_home + QStringLiteral("Tables/") + TableFileName(state, QStringLiteral(".stf"));
        if (!IsUsableFileName(g_home + QStringLiteral("Tables/"), TableFileName(state, QStringLiteral(".stf"))))
            return;
        if (!WriteTableFile(state, model, again))
            return;
        TableState back;
        const TableStatus status = ReadTableFile(back, again, TableSource::UserFile).status;
        if (status != TableStatus::Read)
            fuzz::fail("written-table-does-not-read-back",
                       std::to_string(static_cast<int>(status)));
        QFile::remove(again);
    });
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    g_home = fuzz::setUpHome("tablefile");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const int use = data[0] & 3;
    const char *name = kNames[(data[0] >> 2) & 7];
    QByteArray bytes(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));
    if (bytes.startsWith('@'))
        bytes = QByteArray("Version 1.0.0.0\r\n") + bytes.mid(1);

    TableState state;
    switch (use) {
    case 0: {
        const QString path = g_home + QStringLiteral("Tables/") + QString::fromLatin1(name);
        fuzz::writeFile(path, bytes.constData(), static_cast<size_t>(bytes.size()));
        TableStatus status = TableStatus::ReadError;
        noThrow("ReadTableFile-user",
                [&] { status = ReadTableFile(state, path, TableSource::UserFile).status; });
        if (status == TableStatus::Read)
            afterRead(state, "RefreshTable-user");
        QFile::remove(path);
        break;
    }
    case 1: {
        QString tmpName = QString::fromLatin1(name);
        if (!tmpName.endsWith(QStringLiteral(".stf")))
            tmpName += QStringLiteral(".stf");
        tmpName.chop(4);
        tmpName += QStringLiteral(".tmp");
        const QString path = g_home + QStringLiteral("tmp/") + tmpName;
        fuzz::writeFile(path, bytes.constData(), static_cast<size_t>(bytes.size()));
        QString tmpTablePath = path;
        TableStatus status = TableStatus::ReadError;
        noThrow("LoadTmpTable", [&] { status = LoadTmpTable(state, tmpTablePath).status; });
        if (status == TableStatus::Read)
            afterRead(state, "RefreshTable-tmp");
        QFile::remove(path);
        break;
    }
    case 2: {
        const QString path = TestTablePath();
        QFile::remove(path);
        fuzz::writeFile(path, bytes.constData(), static_cast<size_t>(bytes.size()));
        TableStatus status = TableStatus::ReadError;
        noThrow("LoadTestTable", [&] { status = LoadTestTable(state).status; });
        if (status == TableStatus::Read)
            afterRead(state, "RefreshTable-test");
        QFile::remove(path);
        break;
    }
    case 3: {
        const QString path = MemoryFilePath();
        fuzz::writeFile(path, reinterpret_cast<const char *>(data + 1), size - 1);
        TableModel model;
        noThrow("RecallParameters", [&] { RecallParameters(state, model); });
        QFile::remove(path);
        break;
    }
    }
    return 0;
}
