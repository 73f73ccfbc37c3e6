#include "circlecalc.h"

#include "core/language.h"
#include "core/numerictext.h"

#include <QCoreApplication>
#include <cmath>
#include <iterator>
#include <optional>

namespace optolune {

namespace {

struct FieldRule {
    QString CircleState::*text;
    int decimals;
    long double minimum;
    long double maximum;
    const char *message; // "Champ ... incorrect %1", %1 the range
};

// In the order they are checked. The viewing distance comes first and is
// always checked, also when the print is seen from its diagonal.
constexpr FieldRule kRules[] = {
    {&CircleState::distObs, 0, 10, 300, QT_TRANSLATE_NOOP("CircleCalc", "Champ DO incorrect %1")},
    {&CircleState::largF, 1, 8, 300, QT_TRANSLATE_NOOP("CircleCalc", "Champ Largeur film incorrect %1")},
    {&CircleState::longF, 1, 11, 400, QT_TRANSLATE_NOOP("CircleCalc", "Champ Longueur film incorrect %1")},
    {&CircleState::largT, 1, 9, 100, QT_TRANSLATE_NOOP("CircleCalc", "Champ Largeur tirage incorrect %1")},
    {&CircleState::longT, 1, 13, 300, QT_TRANSLATE_NOOP("CircleCalc", "Champ Longueur tirage incorrect %1")},
};

constexpr FormatPreset kFilmPresets[] = {
    {"APS", "8", "11"},
    {"24x36", "24", "36"},
    {"4,5x6 cm", "41", "56"},
    {"6x6 cm", "56", "56"},
    {"6x7 cm", "56", "70"},
    {"6x9 cm", "56", "84"},
    {"6x17 cm", "56", "168"},
    {"4x5 in", "96", "120"},
    {"5x7 in", "121", "170"},
    {"8x10 in", "194", "245"},
    {"10x12 in", "245", "295"},
    {"11x14 in", "276", "352"},
    // Digital sensors. Their names end up in the table's file name, so they
    // hold neither '_' nor '/'.
    {"APS-C", "15,6", "23,5"},
    {"Micro 4-3", "13", "17,3"},
    {QT_TRANSLATE_NOOP("CircleCalc", "Numérique 33x44"), "32,9", "43,8"},
    {QT_TRANSLATE_NOOP("CircleCalc", "Numérique 40x54"), "40,4", "53,7"},
};

constexpr FormatPreset kPrintPresets[] = {
    {"9x13", "9", "13"},   {"10x15", "10", "15"}, {"13x18", "13", "18"},
    {"18x24", "18", "24"}, {"20x25", "20", "25"}, {"A4", "21", "29"},
    {"24x30", "24", "30"}, {"28x35", "28", "35"}, {"30x40", "30", "40"},
    {"40x50", "40", "50"}, {"50x60", "50", "60"},
};

QString rangeSuffix(const FieldRule &rule)
{
    return u'(' + FixedText(rule.minimum, 5, 0) + u'-' + FixedText(rule.maximum, 5, 0) + u')';
}

long double valueOf(const QString &text) { return ToNumber(text); }

QString dimensions(long double width, long double length)
{
    return FixedText(width, 5, 0) + u'x' + FixedText(length, 5, 0);
}

void applyPreset(std::span<const FormatPreset> presets, int index, QString &width,
                 QString &length, CircleState &state)
{
    if (index < 0 || index >= static_cast<int>(presets.size()))
        return;
    ClearCircleResults(state);
    width = QString::fromUtf8(presets[static_cast<size_t>(index)].width);
    length = QString::fromUtf8(presets[static_cast<size_t>(index)].length);
}

} // namespace

CircleCheck CheckCircleFields(CircleState &state)
{
    for (const FieldRule &rule : kRules) {
        QString text = DecimalCommaText(state.*rule.text);
        const int code =
            NumericField::FitQuiet(text, 12, rule.decimals, rule.minimum, rule.maximum, true);
        if (code != 0) {
            // The field keeps what the user typed, so it can be corrected.
            return {code, QCoreApplication::translate("CircleCalc", rule.message)
                              .arg(LocalNumbers(rangeSuffix(rule)))};
        }
        state.*rule.text = text;
    }
    // The texts are normalized now: compare their values (9,5 against 13 as
    // texts would put 9,5 after 13).
    if (valueOf(state.largF) > valueOf(state.longF))
        return {-1, QCoreApplication::translate(
                        "CircleCalc", "Largeur film supérieure à longueur film incorrect")};
    if (valueOf(state.largT) > valueOf(state.longT))
        return {-1, QCoreApplication::translate(
                        "CircleCalc", "Largeur tirage supérieure à longueur tirage incorrect")};
    return {};
}

CircleInput ReadCircleInput(const CircleState &state)
{
    CircleInput in;
    in.largF = valueOf(state.largF);
    in.longF = valueOf(state.longF);
    in.largT = valueOf(state.largT);
    in.longT = valueOf(state.longT);
    in.distObs = valueOf(state.distObs);
    in.fullFrame = state.fullFrame;
    in.minDistance = state.minDistance;
    return in;
}

CircleResult ComputeCircle(const CircleInput &in)
{
    // Print sizes and the viewing distance are in cm, film sizes in mm.
    constexpr long double mmPerCm = 10;
    CircleResult r;
    const long double fr = in.longF / in.largF; // both ratios are at least 1
    const long double pr = in.longT / in.largT;
    if (in.fullFrame) {
        // The whole film is kept: the print's longer-proportioned side is
        // not filled.
        if (pr >= fr) {
            r.E = mmPerCm * in.largT / in.largF;
            r.pW = in.largT;
            r.pL = in.largT * fr;
        } else {
            r.E = mmPerCm * in.longT / in.longF;
            r.pW = in.longT / fr;
            r.pL = in.longT;
        }
        r.fW = in.largF;
        r.fL = in.longF;
    } else {
        // The film is cropped to the print's proportions and fills it.
        if (pr > fr) {
            r.E = mmPerCm * in.longT / in.longF;
            r.fW = in.longF / pr;
            r.fL = in.longF;
        } else {
            r.E = mmPerCm * in.largT / in.largF;
            r.fW = in.largF;
            r.fL = in.largF * pr;
        }
        r.pW = in.largT;
        r.pL = in.longT;
    }
    r.diag = std::sqrt(r.pW * r.pW + r.pL * r.pL);
    // Unless told otherwise, a print is looked at from its own diagonal, the
    // distance at which the eye takes it in whole.
    r.D = mmPerCm * (in.minDistance ? in.distObs : r.diag);
    r.c = (kCirclePerViewingMm / r.E) * r.D;
    r.nLim = DiffractionLimitFNumber(r.c);
    return r;
}

void WriteCircleResults(CircleState &state, const CircleResult &r)
{
    state.fmodif = dimensions(r.fW, r.fL);
    state.tmodif = dimensions(r.pW, r.pL);
    state.diagTir = FixedText(r.diag, 5, 0);
    state.coeff = FixedText(r.E, 5, 1);
    state.distObsCalc = FixedText(r.D / 10, 5, 0);
    state.c = FixedText(r.c, 8, 3);
    state.nmin = FixedText(r.nLim, 8, 1);
}

void ClearCircleResults(CircleState &state)
{
    state.c.clear();
    state.nmin.clear();
    state.coeff.clear();
}

CircleCheck CalculateCircle(CircleState &state)
{
    state.c.clear();
    state.nmin.clear();
    CircleCheck check = CheckCircleFields(state);
    if (check)
        WriteCircleResults(state, ComputeCircle(ReadCircleInput(state)));
    return check;
}

std::span<const FormatPreset> FilmPresets() { return kFilmPresets; }

QString PresetShownName(const FormatPreset &preset)
{
    return LocalNumbers(QCoreApplication::translate("CircleCalc", preset.item));
}
std::span<const FormatPreset> PrintPresets() { return kPrintPresets; }

QString FilmFormatName(const CircleState &state, int presetIndex)
{
    if (presetIndex >= 0 && presetIndex < static_cast<int>(FilmPresets().size())) {
        const FormatPreset &preset = FilmPresets()[static_cast<size_t>(presetIndex)];
        // Compared as numbers: 24,0 is the preset's 24.
        auto same = [](const QString &typed, const char *presetText) {
            const std::optional<long double> value = ReadNumber(typed);
            return value && *value == ToNumber(QString::fromUtf8(presetText));
        };
        if (same(state.largF, preset.width) && same(state.longF, preset.length))
            return QString::fromUtf8(preset.item);
    }
    return state.largF + u'x' + state.longF;
}

void ApplyFilmPreset(CircleState &state, int index)
{
    applyPreset(FilmPresets(), index, state.largF, state.longF, state);
}

void ApplyPrintPreset(CircleState &state, int index)
{
    applyPreset(PrintPresets(), index, state.largT, state.longT, state);
}

} // namespace optolune
