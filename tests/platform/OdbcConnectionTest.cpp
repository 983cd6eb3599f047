#include "platform/db/OdbcConnection.h"

#include <gtest/gtest.h>

namespace orelle {
namespace {

TEST(OdbcConnectionTest, KeysPerDriverAndValuesThatCannotAddKeys) {
    OdbcSettings shop;
    shop.host = "shopdb,1433";
    shop.user = "sa";
    shop.password = "pw";
    EXPECT_EQ(OdbcConnectionString(shop),
              "DRIVER={FreeTDS};SERVER=shopdb;PORT=1433;DATABASE=lumora;UID=sa;PWD=pw;"
              "Timeout=10;");
    OdbcSettings test = shop;
    test.driver = "PostgreSQL Unicode";
    test.host = "127.0.0.1,5433";
    EXPECT_EQ(OdbcConnectionString(test),
              "DRIVER={PostgreSQL Unicode};SERVER=127.0.0.1;PORT=5433;DATABASE=lumora;UID=sa;"
              "PWD=pw;");
    // A password that would end the value and add a key stays one value.
    EXPECT_EQ(OdbcValue("a;DATABASE=x"), "{a;DATABASE=x}");
    EXPECT_EQ(OdbcValue("b}c"), "{b}}c}");
    EXPECT_EQ(OdbcValue(" lead"), "{ lead}");
    EXPECT_EQ(OdbcValue("plain"), "plain");
}

}  // namespace
}  // namespace orelle
