// Stored value lists (lists/listfiles) and what reads them: the list
// editor's recall and Ok (lists/listeditor), the default-list source of the
// table window (lists/defaultlists RunListSource), the numeric sort and the
// value test (lists/tris).
//
// Input: byte 0 chooses the kind (dia, dis, foc, cer) and the stored number
// (1 to 6, or 7, the default list); the rest is written as that list file in
// Data/.
// Oracles: only UserError leaves these calls (the program reports it and
// goes on); a list saved and loaded again gives the same item texts; the
// numeric sort keeps every item and leaves them ascending.
#include "fuzz_common.h"

#include "core/numerictext.h"
#include "lists/defaultlists.h"
#include "lists/listeditor.h"
#include "lists/listfiles.h"
#include "lists/listkind.h"
#include "lists/listsort.h"

using namespace optolune;

namespace {

QString g_home;

class Receiver final : public ListReceiver {
public:
    bool accepts(ListKind kind) const override
    {
        return kind == ListKind::Dia || kind == ListKind::Dis;
    }
    void replaceList(ListKind, const QStringList &items) override { received = items; }
    QStringList received;
};

constexpr ListKind kKinds[] = {ListKind::Dia, ListKind::Dis, ListKind::Foc, ListKind::Cer};

template <typename F>
void guarded(const char *what, F &&f)
{
    fuzz::onlyUserErrors(what, std::forward<F>(f));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    g_home = fuzz::setUpHome("listfile");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const ListKind kind = kKinds[data[0] & 3];
    const int number = (data[0] >> 2) % 7 + 1; // 1..7
    const QString dataFolder = g_home + QStringLiteral("Data/");
    const QString path = ListFilePath(dataFolder, kind, number);
    fuzz::writeFile(path, reinterpret_cast<const char *>(data + 1), size - 1);

    // Plain load, then the save/load round trip.
    ValueList list;
    guarded("LoadListFile", [&] {
        if (LoadListFile(dataFolder, kind, number, list).status != ListLoad::Loaded)
            fuzz::fail("LoadListFile-missing-after-write");
    });
    guarded("SaveListFile", [&] {
        const QString roundTrip = g_home + QStringLiteral("rt/");
        QDir().mkpath(roundTrip);
        SaveListFile(roundTrip, kind, number, list, false);
        ValueList again;
        static_cast<void>(LoadListFile(roundTrip, kind, number, again));
        if (again.texts() != list.texts())
            fuzz::fail("list-round-trip-changed-items");
    });

    // The numeric sort and value test, as the editor uses them.
    if (list.count() <= 2000) {
        guarded("SortListNumeric", [&] {
            ValueList sorted = list;
            SortListNumeric(sorted);
            if (sorted.count() != list.count())
                fuzz::fail("sort-changed-count");
            for (int i = 0; i + 1 < sorted.count(); ++i)
                if (ItemValue(sorted.text(i)) > ItemValue(sorted.text(i + 1)))
                    fuzz::fail("sort-not-ascending");
        });
        guarded("ContainsValue", [&] { (void)ContainsValue(list, QStringLiteral("5,6")); });
    }

    // The editor: recall the stored list, check all, Ok.
    guarded("ListEditor", [&] {
        ListEditor editor(dataFolder, kind);
        editor.fields.storedIndex = number - 1;
        editor.Activate();
        static_cast<void>(editor.RecallStoredList());
        Receiver r;
        editor.CheckAll();
        editor.OkCommand(&r);
        if (editor.current.count() < 200) {
            editor.fields.add = QStringLiteral("5.6");
            static_cast<void>(editor.AddTypedItem());
        }
    });

    // The table window's "default list" command (number 7 only).
    if (number == DefaultListNumber && (kind == ListKind::Dia || kind == ListKind::Dis)) {
        guarded("RunListSource", [&] {
            Receiver r;
            static_cast<void>(RunListSource(dataFolder, kind, ListSource::DefaultList, &r));
        });
    }
    QFile::remove(path);
    return 0;
}
