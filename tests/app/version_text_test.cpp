// The version text and when the command line asks for it.
#include "app/version_text.h"

#include <gtest/gtest.h>

TEST(VersionText, OnlyALoneVersionOptionAsksForIt)
{
    EXPECT_TRUE(AsksForVersion({"--version"}));
    EXPECT_FALSE(AsksForVersion({}));
    // A document that happens to be called so is opened, not answered with the version.
    EXPECT_FALSE(AsksForVersion({"--version", "card.zrd"}));
    EXPECT_FALSE(AsksForVersion({"--versions"}));
}

TEST(VersionText, JapaneseThenEnglishWithTheDocumentsVersion)
{
    const QStringList lines = VersionText().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("ヴェルモラ バージョン 2.0j")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Velmora version 2.0j")));
}
