#include "platform/errors.h"
#include "platform/vb.h"

#include <gtest/gtest.h>

TEST(VbText, TrimRemovesBlanksButNotTabs)
{
    EXPECT_EQ(vb::Trim(QStringLiteral("  a b  ")), QStringLiteral("a b"));
    EXPECT_EQ(vb::Trim(QStringLiteral("\ta\t")), QStringLiteral("\ta\t"));
    EXPECT_EQ(vb::LTrim(QStringLiteral("  a ")), QStringLiteral("a "));
    EXPECT_EQ(vb::RTrim(QStringLiteral(" a  ")), QStringLiteral(" a"));
}
