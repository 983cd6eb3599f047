#include "platform/registry/Registry.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::TempFolder;

TEST(RegistryTest, KeysAreSeparateValuesComeBackAsWrittenAndFailedWritesAreReported) {
    constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine,
                           kClasses = RegistryRoot::ClassesRoot;
    const std::string key = "Software\\Lumora\\PhotoCount";
    TempFolder dir;
    Registry reg(dir / "conf/registry.ini");  // the folder is made on the first write
    std::string value = "stale";
    EXPECT_EQ(reg.Query(kMachine, key, "lastDir", value), kRegistryNotFound);
    EXPECT_TRUE(value.empty());

    const std::string command = "\"C:\\浏览器\\web.exe\" -url \"%1\" ";
    ASSERT_EQ(reg.Set(kMachine, key, "lastDir", command), kRegistryOk);
    // Names without regard to case, as in the registry; roots apart.
    EXPECT_EQ(reg.Query(kMachine, "software\\lumora\\photocount", "LASTDIR", value), kRegistryOk);
    EXPECT_EQ(value, command);
    EXPECT_FALSE(reg.KeyExists(RegistryRoot::CurrentUser, key));
    EXPECT_FALSE(reg.KeyExists(kMachine, "Software\\vantor\\PhotoCount"));

    // A key without values exists, its default value does not.
    ASSERT_EQ(reg.CreateKey(kClasses, ".htm"), kRegistryOk);
    EXPECT_TRUE(reg.KeyExists(kClasses, ".htm"));
    EXPECT_EQ(reg.Query(kClasses, ".htm", Registry::kDefaultValue, value), kRegistryNotFound);
    ASSERT_EQ(reg.Set(kClasses, ".htm", Registry::kDefaultValue, "htmlfile"), kRegistryOk);
    EXPECT_EQ(reg.Query(kClasses, ".htm", "", value), kRegistryOk);
    EXPECT_EQ(value, "htmlfile");
    // A file that cannot be written is reported.
    testing::WriteBytes(dir / "file", "x");
    Registry unwritable(dir / "file/registry.ini");
    EXPECT_EQ(unwritable.Set(kMachine, "k", "v", "1"), kRegistryWriteFailed);
    EXPECT_EQ(unwritable.CreateKey(kMachine, "k"), kRegistryWriteFailed);
}

}  // namespace
}  // namespace orelle
