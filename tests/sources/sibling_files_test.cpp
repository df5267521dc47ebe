// SPDX-License-Identifier: GPL-3.0-or-later
// The sibling search: which names of the chosen file's folder are listed.
#include "sources/sibling_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

} // namespace

TEST(SiblingFiles, TheExtensionIsMatchedAsTypedCaseKept)
{
    QTemporaryDir folder;
    for (const char *name : {"a.JPG", "b.JPG", "c.jpg", "d.JPEG", "e.JPG.txt"})
        touch(folder.filePath(name));
    ASSERT_TRUE(QDir(folder.path()).mkdir("old.JPG"));

    const sources::SiblingList upper = sources::findSiblingFiles(folder.filePath("b.JPG"));
    EXPECT_EQ(sorted(upper.names), (QStringList{"a.JPG", "b.JPG"}));
    ASSERT_GE(upper.index, 0);
    EXPECT_EQ(upper.names.at(upper.index), "b.JPG");

    const sources::SiblingList lower = sources::findSiblingFiles(folder.filePath("c.jpg"));
    EXPECT_EQ(lower.names, QStringList{"c.jpg"});
    EXPECT_EQ(lower.index, 0);
}

TEST(SiblingFiles, AMissingFileOrFolderGivesWhatIsThere)
{
    QTemporaryDir folder;
    touch(folder.filePath("x.jpg"));
    const sources::SiblingList gone = sources::findSiblingFiles(folder.filePath("gone.jpg"));
    EXPECT_EQ(gone.names, QStringList{"x.jpg"});
    EXPECT_EQ(gone.index, -1);

    const sources::SiblingList nowhere =
        sources::findSiblingFiles(folder.filePath("no/such/folder/y.jpg"));
    EXPECT_TRUE(nowhere.names.isEmpty());
    EXPECT_EQ(nowhere.index, -1);
    EXPECT_EQ(sources::siblingPath(folder.filePath("x.jpg"), "z.jpg"), folder.filePath("z.jpg"));
}
