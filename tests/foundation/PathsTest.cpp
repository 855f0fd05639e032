#include "foundation/OMFileInfo.h"
#include "foundation/OMFilename.h"
#include "foundation/OMFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ombrel;

TEST(Paths, SplitsAndJoins)
{
    EXPECT_EQ(OMFilename::basename("/a/b/c.vle"), "c.vle");
    EXPECT_EQ(OMFilename::basename("c.vle"), "c.vle");
    EXPECT_EQ(OMFilename::dirname("/a/b/c.vle"), "/a/b");
    EXPECT_EQ(OMFilename::dirname("/c.vle"), "/");
    EXPECT_EQ(OMFilename::dirname("c.vle"), "");
    EXPECT_EQ(OMFilename::concatPaths("/a/", "/b"), "/a/b");
    EXPECT_EQ(OMFilename::concatPaths("/a", "b"), "/a/b");
    EXPECT_EQ(OMFilename::concatPaths("", "b"), "b");
}

TEST(Paths, CreatesFoldersWithTheirParents)
{
    QTemporaryDir dir;
    const OMString deep = OMString::fromQString(dir.path()) + "/x/y/z";
    EXPECT_FALSE(OMFileInfo::isFolder(deep));
    EXPECT_TRUE(OMFolder::create(deep));
    EXPECT_TRUE(OMFileInfo::isFolder(deep));
    EXPECT_FALSE(OMFileInfo::isFile(deep));
    QFile file(deep.toQString() + "/f");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(OMFileInfo::isFile(deep + "/f"));
    EXPECT_FALSE(OMFileInfo::isFile(""));
}
