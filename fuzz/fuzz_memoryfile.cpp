// The memory of lens parameters, Data/memf.slc (core/memoryfile), shared by
// the table and the variations calculator: ReadMemoryFile, then
// WriteMemoryFile of what it read.
//
// Input: the whole file.
// Oracles: only UserError leaves the reader (the windows report it); four
// texts that read, written and read again, are the same four texts.
#include "fuzz_common.h"

#include "core/memoryfile.h"

using namespace optolune;
using fuzz::fail;

namespace {
QString g_home;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    g_home = fuzz::setUpHome("memoryfile");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = MemoryFilePath();
    fuzz::writeFile(path, reinterpret_cast<const char *>(data), size);
    LensMemory memory;
    bool read = false;
    fuzz::onlyUserErrors("ReadMemoryFile", [&] {
        memory = ReadMemoryFile(path);
        read = true;
    });
    if (!read)
        return 0;
    const QString again = g_home + QStringLiteral("memf-again.slc");
    fuzz::noThrow("WriteMemoryFile", [&] { WriteMemoryFile(again, memory); });
    LensMemory back;
    fuzz::noThrow("ReadMemoryFile of a file it wrote", [&] { back = ReadMemoryFile(again); });
    if (back.circle != memory.circle || back.focal != memory.focal ||
        back.nodal != memory.nodal || back.pupil != memory.pupil)
        fail("the memory file does not read back what was written", memory.circle.toStdString());
    return 0;
}
