// The station's door for phones: which visit an address reaches, and the
// one page every other address gets.
#include "phone/PhoneLink.h"

#include <gtest/gtest.h>

#include "phone/PhoneSession.h"
#include "support/FakeDisks.h"
#include "support/MemoryFileSystem.h"

namespace orelle {
namespace {

struct PhoneLinkTest : ::testing::Test {
    testing::MemoryFileSystem files;
    testing::FakeDisks disks;
    std::shared_ptr<PhoneSession> Visit(const char* folder) {
        return std::make_shared<PhoneSession>(folder, "/root", files, disks);
    }
};

TEST_F(PhoneLinkTest, EveryAddressNotServedGetsTheSameEndedPageInThePhonesLanguage) {
    PhoneLink link;
    const WebAnswer zh = link.Get(WebRequest{"/", {}, {}, "zh-CN,zh;q=0.9,en;q=0.8"});
    EXPECT_EQ(zh.status, 410);
    EXPECT_NE(zh.body.find("本次传照片已结束,请重新扫描机器上的二维码"), std::string::npos);
    for (const auto& [language, english] : std::vector<std::pair<const char*, bool>>{
             {"en-US,en;q=0.9", true}, {"en;q=0.4, ZH-cn;q=0.6", false}, {"fr, en;q=0.3", true}})
        EXPECT_EQ(link.Get(WebRequest{"/x", {}, {}, language}).body.find("scan the QR") !=
                      std::string::npos,
                  english)
            << language;
    const auto session = Visit("/root/phone/s/a");
    link.Serve(session);
    for (const std::string& path :
         {std::string("/favicon.ico"), "/" + std::string(32, 'a') + "/", session->PagePath() + "x"})
        EXPECT_EQ(link.Get(WebRequest{path, {}, {}, "zh"}).body, zh.body) << path;
    EXPECT_EQ(link.Get(WebRequest{session->PagePath(), {}, {}}).status, 200);
}

TEST_F(PhoneLinkTest, ALinkReachesOnlyTheLatestVisitOfItsOwnStation) {
    PhoneLink stations[2];
    const auto first = Visit("/root/phone/s/a"), other = Visit("/root/phone/t/b");
    stations[0].Serve(first);
    stations[1].Serve(other);
    EXPECT_EQ(stations[1].Get(WebRequest{first->PagePath(), {}, {}}).status, 410);
    EXPECT_EQ(stations[0].Get(WebRequest{other->PagePath() + "status", {}, {}}).status, 410);
    EXPECT_EQ(stations[0].Get(WebRequest{first->PagePath() + "status", {}, {}}).status, 200);
    const auto next = Visit("/root/phone/s/c");
    stations[0].Serve(next);
    EXPECT_EQ(stations[0].Get(WebRequest{first->PagePath() + "status", {}, {}}).status, 410);
    EXPECT_NE(next->Token(), first->Token());
}

}  // namespace
}  // namespace orelle
