#include "printoptions.h"

#include "core/inifile.h"

#include <iterator>

namespace optolune {

namespace {

const QString OrientationKey = QStringLiteral("Orientation");
const QString FontSizeKey = QStringLiteral("Fontsize");

constexpr int kFontSizeCount = static_cast<int>(std::size(kPrintFontSizes));

} // namespace

void PrintOptions::load(const IniFile &ini)
{
    const PrintOptions defaults;
    orientation = ini.intValueIn(PrintOptionsSection, OrientationKey, 0, 1, defaults.orientation);
    fontSize = ini.intValueIn(PrintOptionsSection, FontSizeKey, 0, kFontSizeCount - 1, defaults.fontSize);
}

void PrintOptions::save(IniFile &ini) const
{
    ini.setInt(PrintOptionsSection, OrientationKey, orientation);
    ini.setInt(PrintOptionsSection, FontSizeKey, fontSize);
}

int PrintOptions::fontSizePoints() const
{
    return fontSize >= 0 && fontSize < kFontSizeCount ? kPrintFontSizes[fontSize]
                                                      : kPrintFontSizes[PrintOptions().fontSize];
}

PrintOptions readPrintOptions(const QString &iniFileName)
{
    return readSettingsSection<PrintOptions>(iniFileName);
}

void writePrintOptions(const QString &iniFileName, const PrintOptions &options)
{
    writeSettingsSection(iniFileName, options);
}

} // namespace optolune
