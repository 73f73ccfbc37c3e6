#include "lensdata.h"

#include "core/inifile.h"
#include "core/numerictext.h"
#include "lists/listkind.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace optolune {

namespace {

struct TextKey {
    const char *key;
    QString BladSettings::*field;
};

// In the order the keys are written.
constexpr TextKey kTextKeys[] = {
    {"f", &BladSettings::f},   {"h", &BladSettings::h},     {"hprime", &BladSettings::hprime},
    {"de", &BladSettings::de}, {"ds", &BladSettings::ds},   {"ref", &BladSettings::ref},
    {"num", &BladSettings::num}, {"ep", &BladSettings::ep},
};

struct FieldRule {
    QString BladSettings::*text;
    long double LensData::*value;
    long double minimum;
    long double maximum;
    const char *message; // translated where shown
};

// In the order they are checked.
constexpr FieldRule kRules[] = {
    {&BladSettings::f, &LensData::focal, ValueLimits::FocMin, ValueLimits::FocMax,
     QT_TRANSLATE_NOOP("LensData", "Champ Focale incorrect")},
    {&BladSettings::h, &LensData::h, 0.1L, 150, QT_TRANSLATE_NOOP("LensData", "Champ H incorrect")},
    {&BladSettings::hprime, &LensData::hPrime, 0.1L, 150, QT_TRANSLATE_NOOP("LensData", "Champ H' incorrect")},
    {&BladSettings::ep, &LensData::e, 0.1L, 300, QT_TRANSLATE_NOOP("LensData", "Champ Distance between... incorrect")},
    {&BladSettings::ds, &LensData::exit, 0.1L, 100, QT_TRANSLATE_NOOP("LensData", "Champ Exit pupil incorrect")},
    {&BladSettings::de, &LensData::entrance, 0.1L, 100, QT_TRANSLATE_NOOP("LensData", "Champ Entrance pupil incorrect")},
};

} // namespace

void BladSettings::load(const IniFile &ini)
{
    const BladSettings defaults;
    for (const TextKey &k : kTextKeys)
        this->*k.field = ini.value(BladSection, QString::fromLatin1(k.key), defaults.*k.field);
    r1 = ini.intValueIn(BladSection, QStringLiteral("r1"), InFront, Behind, defaults.r1);
    r2 = ini.intValueIn(BladSection, QStringLiteral("r2"), InFront, Behind, defaults.r2);
}

void BladSettings::save(IniFile &ini) const
{
    for (const TextKey &k : kTextKeys)
        ini.setValue(BladSection, QString::fromLatin1(k.key), this->*k.field);
    ini.setInt(BladSection, QStringLiteral("r1"), r1);
    ini.setInt(BladSection, QStringLiteral("r2"), r2);
}

BladSettings readBladSettings(const QString &iniFileName)
{
    return readSettingsSection<BladSettings>(iniFileName);
}

void writeBladSettings(const QString &iniFileName, const BladSettings &settings)
{
    writeSettingsSection(iniFileName, settings);
}

long double LensData::dn() const
{
    // H lies h behind the first vertex when "behind", h in front of it
    // otherwise; H' likewise from the last vertex. dn runs from H to H'.
    const long double front = r1 == Behind ? -h : h;
    const long double rear = r2 == InFront ? -hPrime : hPrime;
    return front + rear + e;
}

LensComputation ComputeLensData(BladSettings &fields)
{
    LensData data;
    for (const FieldRule &rule : kRules) {
        QString text = DecimalCommaText(fields.*rule.text);
        if (NumericField::FitQuiet(text, 12, 1, rule.minimum, rule.maximum, true) != 0)
            return {std::nullopt, QCoreApplication::translate("LensData", rule.message)};
        fields.*rule.text = text;
        data.*rule.value = ToNumber(text);
    }
    data.r1 = fields.r1;
    data.r2 = fields.r2;
    return {data, std::nullopt};
}

QString NodalText(const LensData &data)
{
    // The three lengths have one decimal each, but their sum in binary can
    // miss zero by 1E-18: shown rounded to that decimal.
    return GeneralText(ToNumber(FixedText(data.dn(), 15, 1)));
}

QString PupilText(const LensData &data) { return GeneralText(data.gp()); }

LensChoice MakeLensChoice(const BladSettings &fields, const LensData &data)
{
    LensChoice choice;
    choice.focal = fields.f;
    choice.pupil = PupilText(data);
    choice.nodal = NodalText(data);
    choice.references = fields.ref;
    // The table's comment goes into its file as it is, in every language.
    choice.comment = QStringLiteral("Hasselblad ") + fields.ref + QStringLiteral(" n° ") + fields.num;
    return choice;
}

LensDiagramLayout LayoutLensDiagram(const LensData &data, const QRectF &area)
{
    // Room around the lens, in pixels: above it the vertex labels and the
    // vertex distance e; below it the arrows of h, h' and dn and the line
    // that says what the pupil marks are; on each side the label of a pupil
    // diameter.
    constexpr double top = 48, bottom = 88, side = 92;

    const double e = static_cast<double>(data.e);
    const double hAt = static_cast<double>(data.r1 == Behind ? data.h : -data.h);
    const double hPrimeAt =
        e + static_cast<double>(data.r2 == InFront ? -data.hPrime : data.hPrime);
    const double left = std::min({0.0, hAt, hPrimeAt});
    const double right = std::max({e, hAt, hPrimeAt});
    // The body stands a little taller than the larger pupil.
    const double bodyHalfMm =
        0.65 * std::max(static_cast<double>(data.entrance), static_cast<double>(data.exit));

    const double width = std::max(1.0, area.width() - 2 * side);
    const double height = std::max(1.0, area.height() - top - bottom);
    LensDiagramLayout l;
    l.scale = std::min(width / (right - left), height / (2 * bodyHalfMm));
    const double x0 = area.center().x() - l.scale * (left + right) / 2;
    auto at = [&](double mm) { return x0 + l.scale * mm; };
    l.v1X = at(0);
    l.v2X = at(e);
    l.hX = at(hAt);
    l.hPrimeX = at(hPrimeAt);
    l.bodyHalf = l.scale * bodyHalfMm;
    l.axisY = area.top() + top + l.bodyHalf;
    l.axisLeft = area.left() + 4;
    l.axisRight = area.right() - 4;
    l.entranceHalf = l.scale * static_cast<double>(data.entrance) / 2;
    l.exitHalf = l.scale * static_cast<double>(data.exit) / 2;
    l.crossed = hPrimeAt < hAt;
    return l;
}

} // namespace optolune
