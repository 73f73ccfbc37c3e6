#include "cellpresentation.h"

#include "core/messages.h"
#include "core/procs.h"
#include "tablecompute.h"
#include "tablemodel.h"
#include "tablestate.h"

#include <algorithm>

namespace optolune {

namespace {

// Cell values are written with 8 significant digits at most.
constexpr int kPrecision = 8;

void appendLine(QString &out, const char16_t *prefix, long double value, int decimals)
{
    out += kCellLineBreak;
    out += QStringView(prefix);
    AppendFixedText(out, value, kPrecision, decimals);
}

void appendInfLine(QString &out, const char16_t *prefix)
{
    out += kCellLineBreak;
    out += QStringView(prefix);
    out += QStringView(u"inf");
}

} // namespace

void AppendCellText(QString &out, long double D, long double near, long double far,
                    long double bound, int decimals, bool showP, bool showAB)
{
    const long double a = D - near;
    if (far < 0) {
        // Sharp to infinity: far limit, total and rear depths are "inf". At
        // the bound itself near and a already take one decimal.
        const int nearDecimals = D < bound ? decimals : 1;
        AppendFixedText(out, near, kPrecision, nearDecimals);
        out += kCellLineBreak;
        out += QStringView(u"inf");
        if (showP)
            appendInfLine(out, u"p=");
        if (showAB) {
            appendLine(out, u"a=", a, nearDecimals);
            appendInfLine(out, u"b=");
        }
        return;
    }
    const long double b = far - D;
    const long double p = far - near;
    const int aDecimals = D <= bound ? decimals : 1;
    // Beyond 99 m the limits and depths are whole metres; the front depth,
    // small beside them, keeps its decimals.
    const int otherDecimals = D > 99 ? 0 : aDecimals;
    AppendFixedText(out, near, kPrecision, otherDecimals);
    out += kCellLineBreak;
    AppendFixedText(out, far, kPrecision, otherDecimals);
    if (showP)
        appendLine(out, u"p=", p, otherDecimals);
    if (showAB) {
        appendLine(out, u"a=", a, aDecimals);
        appendLine(out, u"b=", b, otherDecimals);
    }
}

QString ComposeCellText(long double D, long double near, long double far, long double bound,
                        int decimals, bool showP, bool showAB)
{
    QString text;
    AppendCellText(text, D, near, far, bound, decimals, showP, showAB);
    return text;
}

int BodyRowHeight(bool showP, bool showAB)
{
    return 16 * (2 + (showP ? 1 : 0) + (showAB ? 2 : 0));
}

long double ComputeFNumberLimit(long double circleMm, long double focalMm)
{
    // 530 c: the f-number at which the Airy disc reaches the circle of
    // confusion (c in mm); f / 2c bounds it for short focal lengths.
    const long double A = 530 * circleMm;
    const long double B = focalMm / (2 * circleMm);
    return B <= A ? B : A;
}

QString InfoLineText(int nDia, int nDist)
{
    return QStringLiteral(" Diaphragmes:") + QString::number(nDia) + QStringLiteral("     ") +
           QStringLiteral(" distances:") + QString::number(nDist);
}

DecimalsChoice ApplyDecimalsChoice(TableState &state, TableModel &model, int index)
{
    index = std::clamp(index, 0, 8);
    state.decimalsIndex = index;
    if (index == 2) {
        state.columnWidth = 40;
    } else if (index > 2) {
        // Six pixels per digit beyond two.
        state.columnWidth = 6 * index + 28;
        state.headerColumnWidth = 40;
    } else {
        state.headerColumnWidth = 40;
    }
    model.defaultColumnWidth = state.columnWidth;
    model.headerColumnWidth = state.headerColumnWidth;
    const bool refreshed = RefreshTable(state, model);
    return {state.columnWidth, refreshed};
}

int ApplyColumnWidth(TableState &state, TableModel &model, int width)
{
    if (width < 40 || width > 90)
        width = 40;
    state.columnWidth = width;
    state.headerColumnWidth = 40;
    model.defaultColumnWidth = width;
    model.headerColumnWidth = 40;
    return width;
}

bool TakeBoundFromSelection(TableState &state, TableModel &model, int selectedCol,
                            int selectedRow)
{
    const QString &header = model.horizontal ? model.cell(selectedCol, 0)
                                             : model.cell(0, selectedRow);
    if (!ReadNumber(header)) {
        messages().warning(QStringLiteral("La valeur sélectionnée ne convient pas"));
        return false;
    }
    state.bound = header;
    return RefreshTable(state, model);
}

bool ResetBound(TableState &state, TableModel &model)
{
    state.bound = QStringLiteral("1000");
    return RefreshTable(state, model);
}

} // namespace optolune
