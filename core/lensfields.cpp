#include "lensfields.h"

#include "numerictext.h"
#include "valuelimits.h"

#include <utility>

namespace optolune {

Notices FitLensFields(QString &pupil, QString &nodal, QString &circle, QString &focal)
{
    struct FieldRule {
        QString *text;
        int decimals;
        long double minimum, maximum;
    };
    using namespace ValueLimits;
    const FieldRule rules[] = {
        {&pupil, LensFieldDecimals::Pupil, GpMin, GpMax},
        {&nodal, LensFieldDecimals::Nodal, NodMin, NodMax},
        {&circle, LensFieldDecimals::Circle, CerMin, CerMax},
        {&focal, LensFieldDecimals::Focal, FocMin, FocMax},
    };
    Notices repairs;
    for (const FieldRule &rule : rules) {
        *rule.text = DecimalCommaText(std::move(*rule.text));
        if (auto warning =
                NumericField::Fit(*rule.text, 12, rule.decimals, rule.minimum, rule.maximum, true)
                    .warning)
            repairs.push_back(WarningNotice(std::move(*warning)));
    }
    return repairs;
}

} // namespace optolune
