#include "cellpresentation.h"

#include "core/diffraction.h"
#include "core/numerictext.h"
#include "tablecompute.h"
#include "tablemodel.h"
#include "tablestate.h"

#include <QCoreApplication>
#include <algorithm>

namespace optolune {

namespace {

// Cell values are written with 8 significant digits at most.
constexpr int kPrecision = 8;

// The lines of one cell, written one after the other into a buffer.
class CellWriter {
public:
    explicit CellWriter(QChar *out) : m_out(out) {}
    int length() const { return m_n; }

    void number(long double value, int decimals)
    {
        m_n += WriteFixedText(m_out + m_n, value, kPrecision, decimals);
    }
    void text(QStringView s)
    {
        for (const QChar c : s)
            m_out[m_n++] = c;
    }
    void lineBreak() { m_out[m_n++] = kCellLineBreak; }

private:
    QChar *m_out;
    int m_n = 0;
};

} // namespace

int WriteCellText(QChar *out, long double D, long double near, const Limit &farLimit,
                  long double bound, int decimals, bool showP, bool showAB)
{
    CellWriter w(out);
    const long double a = D - near;
    // From the bound on, one decimal at most: never more than before it.
    const int beyondBound = std::min(decimals, 1);
    if (farLimit.isInfinity()) {
        // Sharp to infinity: far limit, total and rear depths are "inf". At
        // the bound itself near and a already take one decimal.
        const int nearDecimals = D < bound ? decimals : beyondBound;
        w.number(near, nearDecimals);
        w.lineBreak();
        w.text(u"inf");
        if (showP) {
            w.lineBreak();
            w.text(u"p=inf");
        }
        if (showAB) {
            w.lineBreak();
            w.text(u"a=");
            w.number(a, nearDecimals);
            w.lineBreak();
            w.text(u"b=inf");
        }
        return w.length();
    }
    const long double far = farLimit.value;
    const long double b = far - D;
    const long double p = far - near;
    const int aDecimals = D <= bound ? decimals : beyondBound;
    // Beyond 99 m the limits and depths are whole metres; the front depth,
    // small beside them, keeps its decimals.
    const int otherDecimals = D > 99 ? 0 : aDecimals;
    w.number(near, otherDecimals);
    w.lineBreak();
    w.number(far, otherDecimals);
    if (showP) {
        w.lineBreak();
        w.text(u"p=");
        w.number(p, otherDecimals);
    }
    if (showAB) {
        w.lineBreak();
        w.text(u"a=");
        w.number(a, aDecimals);
        w.lineBreak();
        w.text(u"b=");
        w.number(b, otherDecimals);
    }
    return w.length();
}

QString ComposeCellText(long double D, long double near, const Limit &far, long double bound,
                        int decimals, bool showP, bool showAB)
{
    QChar buffer[kCellTextMaxLength];
    const int n = WriteCellText(buffer, D, near, far, bound, decimals, showP, showAB);
    return QString(buffer, n);
}

int BodyRowHeight(bool showP, bool showAB)
{
    return 16 * (2 + (showP ? 1 : 0) + (showAB ? 2 : 0));
}

long double ComputeFNumberLimit(long double circleMm, long double focalMm)
{
    return TableGreyingFNumber(circleMm, focalMm);
}

QString InfoLineText(int nDia, int nDist)
{
    return QCoreApplication::translate("CellPresentation", " Diaphragmes:%1      distances:%2")
        .arg(QString::number(nDia), QString::number(nDist));
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
    TableReport refreshed = RefreshTable(state, model);
    return {state.columnWidth, refreshed.done, std::move(refreshed.messages)};
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

TableReport TakeBoundFromSelection(TableState &state, TableModel &model, int selectedCol,
                                   int selectedRow)
{
    const QString &header = model.horizontal ? model.cell(selectedCol, 0)
                                             : model.cell(0, selectedRow);
    if (!ReadNumber(header)) {
        TableReport refused;
        refused.say(Notice::Kind::Warning,
                    QCoreApplication::translate("CellPresentation",
                                                "La valeur sélectionnée ne convient pas"));
        return refused;
    }
    state.bound = header;
    return RefreshTable(state, model);
}

TableReport ResetBound(TableState &state, TableModel &model)
{
    state.bound = QStringLiteral("1000");
    return RefreshTable(state, model);
}

} // namespace optolune
