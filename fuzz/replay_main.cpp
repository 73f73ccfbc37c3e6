// Replays inputs through a fuzz target's entry point without libFuzzer: every
// file of the folders given (regressions and seed corpus), in name order. A
// failure aborts, as under libFuzzer; otherwise the number of inputs is
// printed and the replay succeeds.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdio>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char **argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const QDir folder(QString::fromLocal8Bit(argv[i]));
        if (!folder.exists()) {
            std::fprintf(stderr, "no folder %s\n", argv[i]);
            return 1;
        }
        for (const QString &name : folder.entryList(QDir::Files, QDir::Name)) {
            QFile file(folder.filePath(name));
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
                return 1;
            }
            // A block of exactly the input's size, as libFuzzer gives: reading
            // past its end is caught by the address sanitizer.
            const QByteArray bytes = file.readAll();
            const std::vector<uint8_t> input(bytes.begin(), bytes.end());
            std::fprintf(stderr, "%s\n", qPrintable(file.fileName()));
            LLVMFuzzerTestOneInput(input.data(), input.size());
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    return 0;
}
