#include "core/messages.h"
#include "support/qtprint.h"

#include <gtest/gtest.h>

using namespace optolune;

TEST(QuotedForMessage, EscapesControlsAndShortensLongTexts)
{
    EXPECT_EQ(QuotedForMessage(QStringLiteral("Imprimante du bureau")),
              QStringLiteral("Imprimante du bureau"));
    EXPECT_EQ(QuotedForMessage(QStringLiteral("a\nb\rc\td\x1b[2Je")),
              QStringLiteral("a\\nb\\rc\\td\\x1b[2Je"));
    EXPECT_EQ(QuotedForMessage(QString(200, u'x'), 10), QString(10, u'x') + QStringLiteral("..."));
    EXPECT_EQ(QuotedForMessage(QStringLiteral("éàç"), 3), QStringLiteral("éàç"));
}
