#pragma once

#include "rename/BatchRename.h"

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A test in a temporary folder of its own; `folder` ends in '/'.
class FolderTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(temp.isValid()); }

    // The jobs of the files `names` of `folder`, in that order.
    std::vector<RenameJob> jobs(const QStringList &names) const
    {
        std::vector<RenameJob> list;
        for (const QString &name : names)
            list.push_back({folder, name});
        return list;
    }

    QTemporaryDir temp;
    QString folder = temp.path() + u'/';
};
