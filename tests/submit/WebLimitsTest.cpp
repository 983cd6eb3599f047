// How long the station waits for the order web server, from param.ini.
#include <gtest/gtest.h>

#include "submit/WebLimits.h"
#include "support/MemoryFileSystem.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

struct Case {
    const char* param;
    long connectMs;
    long totalMs;
};

TEST(WebLimitsTest, SecondsFromTheWebServerSectionWithDefaults) {
    const Case cases[] = {
        {"", 5000, 30000},
        {"[webserver]\nconnecttimeout=2\ntimeout=10\n", 2000, 10000},
        {"[webserver]\nconnecttimeout=0\ntimeout=-3\n", 5000, 30000},
        {"[webserver]\nconnecttimeout=abc\ntimeout=99999\n", 5000, 600000},
        {"[other]\ntimeout=7\n", 5000, 30000},
    };
    for (const Case& c : cases) {
        testing::MemoryFileSystem fs;
        if (*c.param) fs.files["/s/param.ini"] = testing::GbkText(c.param);
        const HttpLimits limits = LoadWebLimits("/s/", fs);
        EXPECT_EQ(limits.connectTimeoutMs, c.connectMs) << c.param;
        EXPECT_EQ(limits.totalTimeoutMs, c.totalMs) << c.param;
        EXPECT_EQ(limits.maxReplyBytes, 1024u * 1024u);
    }
}

}  // namespace
}  // namespace orelle
