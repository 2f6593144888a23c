// Checks the relations a scanned tree keeps, complete or cancelled: every list's totals are
// the sums of what it holds, every folder node mirrors its list, and paths and back
// references fit together.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/PathSeparator.h"
#include "scan/FileInfo.h"

namespace quillet::test {

inline void ExpectConsistentTree(const TFolderList& list, bool isRoot = true) {
    double nominal = 0, allocated = 0, slack = 0;
    int files = 0, folders = 0;
    for (int i = 0; i < list.Count(); ++i) {
        const TFolderData& node = list.Node(i);
        const std::string_view name = list.Name(i);
        EXPECT_EQ(node.OwnerList(), &list);
        if (name == "..") {
            EXPECT_EQ(i, 0) << "the back entry comes first";
            EXPECT_FALSE(isRoot) << "the root list has no back entry";
            EXPECT_EQ(node.FileCount(), 0);
            EXPECT_EQ(node.Nominal(), 0);
            continue;
        }
        if (node.Children()) {
            const TFolderList& child = *node.Children();
            ASSERT_EQ(name.substr(0, 1), std::string(1, kFolderMark));
            EXPECT_EQ(child.Parent, &list);
            EXPECT_EQ(child.Path(), list.Path() + std::string(name.substr(1)) + kPathSeparator);
            ASSERT_GE(child.Count(), 1);
            EXPECT_EQ(child.Name(0), "..");
            EXPECT_EQ(node.Nominal(), child.TotalNominal);
            EXPECT_EQ(node.Allocated(), child.TotalAllocated);
            EXPECT_EQ(node.FileCount(), child.FileCount);
            folders += 1 + child.FolderCount;
            ExpectConsistentTree(child, false);
        } else if (node.Nominal() < 0) {
            continue;  // the free-space entry adds nothing
        }
        nominal += node.Nominal();
        allocated += node.Allocated();
        slack += node.Slack();
        files += node.FileCount();
    }
    EXPECT_EQ(list.TotalNominal, nominal) << list.Path();
    EXPECT_EQ(list.TotalAllocated, allocated) << list.Path();
    EXPECT_EQ(list.TotalSlack(), slack) << list.Path();
    EXPECT_EQ(list.FileCount, files) << list.Path();
    EXPECT_EQ(list.FolderCount, folders) << list.Path();
}

}  // namespace quillet::test
