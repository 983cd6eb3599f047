#include "platform/paths/Paths.h"

#include <gtest/gtest.h>

namespace orelle {
namespace {

const std::string S(1, paths::kSeparator);

TEST(Paths, JoinSeparatorsAndTheProgramFolder) {
    EXPECT_EQ(paths::Join("a", "b"), "a" + S + "b");
    EXPECT_EQ(paths::Join("a" + S, "b"), "a" + S + "b");
    EXPECT_EQ(paths::WithTrailingSeparator("a"), "a" + S);
    EXPECT_EQ(paths::WithTrailingSeparator("a" + S), "a" + S);
    EXPECT_EQ(paths::WithoutTrailingSeparator("a" + S), "a");
    EXPECT_EQ(paths::DirectoryPart("x" + S + "y" + S + "f.jpg"), "x" + S + "y");
    EXPECT_EQ(paths::DirectoryPart("f.jpg"), "");
    EXPECT_EQ(paths::FileNamePart("x" + S + "f.jpg"), "f.jpg");
    EXPECT_EQ(paths::FileNamePart("f.jpg"), "f.jpg");
    EXPECT_EQ(paths::ExtensionPart("x.y" + S + "f.JPEG"), "JPEG");
    EXPECT_EQ(paths::ExtensionPart("x.y" + S + "f"), "");  // a dot of a folder is not it
    EXPECT_EQ(paths::ExtensionPart("f."), "");
    // The program folder is the executable's, with its separator.
    EXPECT_TRUE(paths::ProgramFolder().ends_with(paths::kSeparator)) << paths::ProgramFolder();
}

}  // namespace
}  // namespace orelle
