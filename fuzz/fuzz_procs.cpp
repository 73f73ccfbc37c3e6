// Numeric text: ReadNumber, ToNumber, FixedText, WriteFixedText,
// TrimWholeText, RangeText, the field checks (NumericField::Check, Fit,
// FitQuiet) and the general form of the lists (GeneralText, ItemValue).
//
// Input: byte 0 chooses how the rest becomes a text (Latin-1, UTF-8, UTF-16,
// a typed field where '.' is a comma, or, with its three low bits set, ten
// raw bytes of an 80-bit value for the formatters); its high four bits are
// the decimals of TrimWholeText.
// Oracles: ToNumber throws exactly when ReadNumber gives nothing, and gives
// a finite value otherwise; FixedText equals WriteFixedText and fits its
// buffer; a text FixedText writes reads again (below the very top of the
// range, where rounding to fewer digits passes the largest value: the fields
// repair that); Check, Fit and FitQuiet never throw and leave a number.
#include "fuzz_common.h"

#include "core/numerictext.h"
#include "lists/listsort.h"

#include <cmath>
#include <cstring>
#include <vector>

using namespace optolune;
using fuzz::fail;

namespace {

// Values whose rounding to a few digits may pass the largest 80-bit value.
bool nearTheTop(long double v) { return std::fabs(v) > 1e4930L; }

void checkFormatters(long double v)
{
    static const int precisions[] = {1, 5, 8, 12, 15, 18, 0, 40};
    static const int decimals[] = {0, 1, 2, 3, 8, 18, -1, 30};
    for (int p : precisions) {
        for (int d : decimals) {
            const QString t = FixedText(v, p, d);
            QChar buf[kFixedTextMaxLength];
            const int n = WriteFixedText(buf, v, p, d);
            if (n < 0 || n > kFixedTextMaxLength)
                fail("WriteFixedText wrote past its buffer", std::to_string(n));
            if (QString(buf, n) != t)
                fail("FixedText differs from WriteFixedText", t.toStdString());
            if (std::isfinite(v) && !nearTheTop(v) && !ReadNumber(t))
                fail("FixedText wrote a text that does not read",
                     t.toStdString() + " p=" + std::to_string(p) + " d=" + std::to_string(d));
        }
    }
    const QString g = GeneralText(v);
    if (std::isfinite(v) && !nearTheTop(v) && !ReadNumber(g))
        fail("GeneralText wrote a text that does not read", g.toStdString());
    (void)RangeText(v, v, 3);
}

struct Range {
    int precision, decimals;
    long double min, max;
};
// The ranges the program checks its fields with.
constexpr Range kRanges[] = {
    {12, 3, 0.1L, 5},      // EdGP
    {12, 1, -150, 150},    // EdNod
    {12, 3, 0.005L, 0.5L}, // EdCercle
    {12, 1, 10, 1200},     // EdFocale
    {8, 2, 0.001L, 900},   // a typed distance
    {12, 1, 1, 256},       // a typed f-number
};

void checkFields(const QString &text)
{
    for (const Range &r : kRanges) {
        for (bool toMin : {true, false}) {
            QString quiet = text;
            fuzz::noThrow("FitQuiet", [&] {
                NumericField::FitQuiet(quiet, r.precision, r.decimals, r.min, r.max, toMin);
            });
            if (!ReadNumber(quiet))
                fail("FitQuiet left a text that does not read", quiet.toStdString());
            QString loud = text;
            fuzz::noThrow("Fit", [&] {
                const NumericField::Report report =
                    NumericField::Fit(loud, r.precision, r.decimals, r.min, r.max, toMin);
                if (report.code != 0 && !report.warning)
                    fail("Fit repaired a text without a warning", text.toStdString());
            });
            if (!ReadNumber(loud))
                fail("Fit left a text that does not read", loud.toStdString());
        }
        fuzz::noThrow("Check", [&] {
            const NumericField::Report report = NumericField::Check(
                text, r.precision, r.decimals, QStringLiteral("x"), r.min, r.max);
            if ((report.code != 0) != report.warning.has_value())
                fail("Check's warning does not match its code", text.toStdString());
        });
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    installMessages(&fuzz::silent());
    installPrompts(&fuzz::silent());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const uint8_t mode = data[0];
    ++data;
    --size;
    // The fields hold short texts; a long one only slows the run.
    if (size > 4096)
        return 0;

    if ((mode & 7) == 7) {
        // Raw 80-bit values: unnormals, pseudo-denormals, NaNs and the rest.
        if (size < 10)
            return 0;
        long double v = 0;
        std::memcpy(&v, data, 10);
        checkFormatters(v);
        return 0;
    }

    QString text;
    switch (mode & 3) {
    case 0:
        text = QString::fromLatin1(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
        break;
    case 1:
        text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
        break;
    case 2: {
        std::vector<char16_t> units(size / 2);
        if (!units.empty())
            std::memcpy(units.data(), data, units.size() * 2);
        text = QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()));
        break;
    }
    case 3:
        // A typed field: '.' is a decimal comma, as the windows take it.
        text = DecimalCommaText(
            QString::fromLatin1(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
        break;
    }

    const auto read = ReadNumber(text);
    bool threw = false;
    long double converted = 0;
    try {
        converted = ToNumber(text);
    } catch (const ConversionError &) {
        threw = true;
    } catch (...) {
        fail("ToNumber threw other than a ConversionError", fuzz::currentExceptionText());
    }
    if (threw == read.has_value())
        fail("ToNumber disagrees with ReadNumber", text.toStdString());
    if (read) {
        if (!std::isfinite(*read))
            fail("ReadNumber gave a value that is not finite", text.toStdString());
        if (converted != *read)
            fail("ToNumber and ReadNumber read other values", text.toStdString());
        checkFormatters(*read);
    }
    try {
        (void)TrimWholeText(text, mode >> 4);
    } catch (const ConversionError &e) {
        if (read) // documented only for a text that does not read
            fail("TrimWholeText threw on a text that reads", e.text().toStdString());
    } catch (...) {
        fail("TrimWholeText threw other than a ConversionError", fuzz::currentExceptionText());
    }
    try {
        (void)ItemValue(text);
    } catch (const ConversionError &) {
    } catch (...) {
        fail("ItemValue threw other than a ConversionError", fuzz::currentExceptionText());
    }
    checkFields(text);
    return 0;
}
