#include "platform/registry/Registry.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::TempFolder;

TEST(RegistryTest, KeysAreSeparateValuesComeBackAsWrittenAndFailedWritesAreReported) {
    TempFolder dir;
    Registry reg(dir / "conf/registry.ini");  // the folder is made on the first write
    std::string value = "stale";
    EXPECT_EQ(
        reg.Query(RegistryRoot::LocalMachine, "Software\\Lumora\\PhotoCount", "lastDir", value),
        kRegistryNotFound);
    EXPECT_TRUE(value.empty());

    const std::string command = "\"C:\\浏览器\\web.exe\" -url \"%1\" ";
    ASSERT_EQ(
        reg.Set(RegistryRoot::LocalMachine, "Software\\Lumora\\PhotoCount", "lastDir", command),
        kRegistryOk);
    // Names without regard to case, as in the registry; roots apart.
    EXPECT_EQ(
        reg.Query(RegistryRoot::LocalMachine, "software\\lumora\\photocount", "LASTDIR", value),
        kRegistryOk);
    EXPECT_EQ(value, command);
    EXPECT_FALSE(reg.KeyExists(RegistryRoot::CurrentUser, "Software\\Lumora\\PhotoCount"));
    EXPECT_FALSE(reg.KeyExists(RegistryRoot::LocalMachine, "Software\\vantor\\PhotoCount"));

    // A key without values exists, its default value does not.
    ASSERT_EQ(reg.CreateKey(RegistryRoot::ClassesRoot, ".htm"), kRegistryOk);
    EXPECT_TRUE(reg.KeyExists(RegistryRoot::ClassesRoot, ".htm"));
    EXPECT_EQ(reg.Query(RegistryRoot::ClassesRoot, ".htm", Registry::kDefaultValue, value),
              kRegistryNotFound);
    ASSERT_EQ(reg.Set(RegistryRoot::ClassesRoot, ".htm", Registry::kDefaultValue, "htmlfile"),
              kRegistryOk);
    EXPECT_EQ(reg.Query(RegistryRoot::ClassesRoot, ".htm", "", value), kRegistryOk);
    EXPECT_EQ(value, "htmlfile");
    // A file that cannot be written is reported.
    testing::WriteBytes(dir / "file", "x");
    Registry unwritable(dir / "file/registry.ini");
    EXPECT_EQ(unwritable.Set(RegistryRoot::LocalMachine, "k", "v", "1"), kRegistryWriteFailed);
    EXPECT_EQ(unwritable.CreateKey(RegistryRoot::LocalMachine, "k"), kRegistryWriteFailed);
}

}  // namespace
}  // namespace orelle
