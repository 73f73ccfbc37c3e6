#include "support/qtprint.h"
#include "table/tablestate.h"
#include "table/titlelines.h"

#include <gtest/gtest.h>

using namespace optolune;

namespace {

const QString Sep(7, u' ');

TableState superSymmar()
{
    TableState s;
    s.lensReferences = QStringLiteral("Super Symmar 5,6/150");
    s.format = QStringLiteral("4x5");
    s.focal = QStringLiteral("148,1");
    s.circle = QStringLiteral("0,100");
    s.nodal = QStringLiteral("-4,0");
    s.pupil = QStringLiteral("1,100");
    s.comment = QStringLiteral("Chambre Linhof, dos 4x5");
    s.fromFilm = true;
    return s;
}

} // namespace

TEST(TitleLines, FourLinesWithoutTheCommentTheLastEmpty)
{
    const TableState s = superSymmar();
    const QStringList lines =
        ComposeTitleLines(s, s.lensReferences, false, QStringLiteral("Version 1.0.0.0"));
    const QStringList expected{
        QStringLiteral("Super Symmar 5,6/150       format 4x5       distances PF"),
        QStringLiteral("f= 148,1mm       c= 0,100 mm       dn= -4,0mm       gp= 1,100"),
        QStringLiteral("Optolune       Version 1.0.0.0"),
        QString(),
    };
    EXPECT_EQ(lines, expected);
    // Seven spaces exactly between the parts, "mm" against " mm".
    EXPECT_TRUE(lines[0].startsWith(s.lensReferences + Sep + QStringLiteral("format ")));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("c= 0,100 mm") + Sep));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("f= 148,1mm") + Sep));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("dn= -4,0mm") + Sep));
}

TEST(TitleLines, TickedCommentIsTheThirdOfFiveLines)
{
    TableState s = superSymmar();
    s.fromFilm = false;
    const QStringList lines =
        ComposeTitleLines(s, QStringLiteral("Mon titre"), true, QStringLiteral("Version Inconnue"));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QStringLiteral("Mon titre") + Sep + QStringLiteral("format 4x5") + Sep +
                            QStringLiteral("distances PL"));
    EXPECT_EQ(lines[2], s.comment);
    EXPECT_EQ(lines[3], QStringLiteral("Optolune") + Sep + QStringLiteral("Version Inconnue"));
    EXPECT_EQ(lines[4], QString());
}

TEST(TitleLines, EmptyFieldsKeepTheirPlaces)
{
    TableState s;
    s.format.clear();
    s.comment.clear();
    const QStringList lines = ComposeTitleLines(s, QString(), true, QStringLiteral("Version 1.0.0.0"));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], Sep + QStringLiteral("format ") + Sep + QStringLiteral("distances PF"));
    EXPECT_EQ(lines[1], QStringLiteral("f= 80mm") + Sep + QStringLiteral("c= 0,05 mm") + Sep +
                            QStringLiteral("dn= -4mm") + Sep + QStringLiteral("gp= 1,1"));
    EXPECT_EQ(lines[2], QString());
}
