#include "core/showntext.h"
#include "core/textfile.h"
#include "core/usererror.h"
#include "support/qtprint.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace optolune;

TEST(TextFile, LinesFollowTheListRules)
{
    EXPECT_EQ(splitLines(QStringLiteral("2,8\r\n4\r\n")), (QStringList{"2,8", "4"}));
    EXPECT_EQ(splitLines(QStringLiteral("2,8\r\n\r\n4")), (QStringList{"2,8", "", "4"}));
    EXPECT_EQ(splitLines(QStringLiteral("2,8\n4\n")), (QStringList{"2,8", "4"}));
    EXPECT_EQ(splitLines(QString()), QStringList());
    EXPECT_EQ(splitLines(QStringLiteral("\r\n")), QStringList{""});
}

TEST(TextFile, Windows1252RoundTrip)
{
    const QString text = QStringLiteral("Début à 5 € — œ");
    const QByteArray bytes = encode1252(text);
    EXPECT_EQ(bytes.size(), text.size());
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xE9); // é
    EXPECT_EQ(decode1252(bytes), text);
    EXPECT_EQ(encode1252(u"\u4e2d"), QByteArray("?"));
    EXPECT_EQ(joinLines({"a", ""}), QByteArray("a\r\n\r\n"));
}

TEST(TextFile, WriteWholeLeavesThePreviousFileWhenItCannotWrite)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.stf"));
    writeWhole(path, "old\r\n");
    // A folder that is a file cannot hold anything, whoever runs the test.
    QFile blocker(dir.filePath(QStringLiteral("blocked")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    try {
        writeWhole(dir.filePath(QStringLiteral("blocked/list.stf")), "new");
        FAIL() << "no error";
    } catch (const UserError &e) {
        EXPECT_TRUE(e.text().startsWith(QStringLiteral("Impossible de créer le fichier ")));
    }
    QByteArray bytes;
    ASSERT_TRUE(readWhole(path, bytes));
    EXPECT_EQ(bytes, QByteArray("old\r\n"));
}

TEST(TextFile, OnlyWindows1252CharactersAreKept)
{
    // é, ×, € and œ have a place in the code page and read back as written.
    const QString western = QStringLiteral("6x7 é × € œ");
    QString removed;
    EXPECT_EQ(KeepWindows1252(western, &removed), western);
    EXPECT_TRUE(removed.isEmpty());
    EXPECT_EQ(decode1252(encode1252(western)), western);
    // Omega and an emoji (two surrogates) have none.
    EXPECT_EQ(KeepWindows1252(u"6x7Ω 😀€", &removed), QStringLiteral("6x7 €"));
    EXPECT_EQ(removed, QString::fromUtf16(u"Ω😀"));
    EXPECT_FALSE(FitsWindows1252(QChar(0x03A9)));
    EXPECT_TRUE(FitsWindows1252(QChar(0x20AC)));
}

// Names composed from lens references: what no Linux or Windows file name
// may hold is mapped, everything else stays as typed.
TEST(TextFile, SafeFileNameMapsWhatNoSystemTakes)
{
    EXPECT_EQ(SafeFileName(u"F148,1_C0100_PF_4x5_Super Symmar 5,6/150"),
              QStringLiteral("F148,1_C0100_PF_4x5_Super Symmar 5,6-150"));
    EXPECT_EQ(SafeFileName(u"Planar T* 2,8/80 C"), QStringLiteral("Planar T_ 2,8-80 C"));
    EXPECT_EQ(SafeFileName(u"a\\b:c*d?e\"f<g>h|i"), QStringLiteral("a_b_c_d_e_f_g_h_i"));
    EXPECT_EQ(SafeFileName(QString::fromUtf16(u"x\u0001y\ty\u007fz\u0085")),
              QStringLiteral("x_y_y_z_"));
    const QString kept = QStringLiteral("6×7 é € œ (Test) 1.2-3");
    EXPECT_EQ(SafeFileName(kept), kept);
}

TEST(ShownText, ControlsEscapedAndLongTextsShortened)
{
    EXPECT_EQ(ShownText(u"5,6"), QStringLiteral("5,6"));
    EXPECT_EQ(ShownText(u"\x1b[2J\u0085x\u007f"), QStringLiteral("\\x1B[2J\\x85x\\x7F"));
    EXPECT_EQ(ShownText(QString(70, u'7')), QString(60, u'7') + QStringLiteral("..."));
    EXPECT_EQ(ShownText(QString(60, u'7')), QString(60, u'7'));
    EXPECT_EQ(ShownPath(QStringLiteral("/t/a\tb.stf")), QStringLiteral("/t/a\\x09b.stf"));
    EXPECT_EQ(ConversionError(QStringLiteral("a\x01")).text(),
              QStringLiteral("'a\\x01' n'est pas une valeur en virgule flottante correcte"));
}

// The three forms of escapes messages use: the same text through each, and
// where each cuts.
TEST(ShownText, EachEscapeFormWritesItsOwnCodes)
{
    const QString text = QString::fromUtf16(u"a\nb\tc\x1b\u0085\u007f\u200bd");
    EXPECT_EQ(ShownText(text, 60, ControlEscapes::UpperHex),
              QString::fromUtf16(u"a\\x0Ab\\x09c\\x1B\\x85\\x7F\u200bd"));
    // The command line's form keeps C1 controls and format characters.
    EXPECT_EQ(ShownText(text, 60, ControlEscapes::LowerHex),
              QString::fromUtf16(u"a\\x0ab\\x09c\\x1b\u0085\\x7f\u200bd"));
    EXPECT_EQ(ShownText(text, 60, ControlEscapes::Named),
              QStringLiteral("a\\nb\\tc\\x1b\\x85\\x7f\\x200bd"));
    EXPECT_EQ(ShownText(QString(41, u'x'), 40, ControlEscapes::LowerHex),
              QString(40, u'x') + QStringLiteral("..."));
    EXPECT_EQ(ShownText(QString(40, u'x'), 40, ControlEscapes::Named), QString(40, u'x'));
}

// Files are read to a bound whatever size they claim: devices and pipes
// claim none.
TEST(TextFile, BoundedReadOfFilesDevicesAndPipes)
{
    QTemporaryDir dir;
    const QString small = dir.filePath(QStringLiteral("small"));
    writeWhole(small, "12345");
    BoundedRead read = readBounded(small, 5);
    EXPECT_EQ(read.status, ReadStatus::Read);
    EXPECT_EQ(read.bytes, QByteArray("12345"));
    read = readBounded(small, 4);
    EXPECT_EQ(read.status, ReadStatus::TooLarge);
    EXPECT_EQ(read.bytes, QByteArray("1234"));

    for (const char *device : {"/dev/zero", "/dev/urandom"}) {
        read = readBounded(QString::fromLatin1(device), 300000);
        EXPECT_EQ(read.status, ReadStatus::TooLarge) << device;
        EXPECT_EQ(read.bytes.size(), 300000) << device;
    }
    EXPECT_EQ(readBounded(dir.path(), 10).status, ReadStatus::CannotOpen);
    EXPECT_EQ(readBounded(dir.filePath(QStringLiteral("none")), 10).status, ReadStatus::CannotOpen);
    QByteArray bytes("kept");
    EXPECT_FALSE(readWhole(QStringLiteral("/dev/zero"), bytes, 1000));
    EXPECT_EQ(bytes, QByteArray("kept"));
}

namespace {

// Feeds a named pipe with `size` bytes from another thread, then closes it.
// The reader may stop first: the writer then sees a broken pipe and stops.
class PipeFeeder {
public:
    PipeFeeder(const QString &path, qint64 size)
        : m_path(QFile::encodeName(path)),
          m_thread([this, size] {
              const int fd = ::open(m_path.constData(), O_WRONLY);
              if (fd < 0)
                  return;
              const QByteArray piece(4096, 'x');
              for (qint64 sent = 0; sent < size;) {
                  const ssize_t n = ::write(fd, piece.constData(),
                                            static_cast<size_t>(std::min<qint64>(piece.size(), size - sent)));
                  if (n <= 0)
                      break;
                  sent += n;
              }
              ::close(fd);
          })
    {
    }
    ~PipeFeeder() { m_thread.join(); }

private:
    QByteArray m_path;
    std::thread m_thread;
};

} // namespace

TEST(TextFile, BoundedReadOfAPipeFedMoreThanTheLimit)
{
    const auto previous = std::signal(SIGPIPE, SIG_IGN);
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    {
        PipeFeeder feeder(fifo, 10 * 1024 * 1024);
        const BoundedRead read = readBounded(fifo, 100000);
        EXPECT_EQ(read.status, ReadStatus::TooLarge);
        EXPECT_EQ(read.bytes, QByteArray(100000, 'x'));
    }
    {
        PipeFeeder feeder(fifo, 70000); // more than one read of the system
        const BoundedRead read = readBounded(fifo, 100000);
        EXPECT_EQ(read.status, ReadStatus::Read);
        EXPECT_EQ(read.bytes.size(), 70000);
    }
    std::signal(SIGPIPE, previous);
}
