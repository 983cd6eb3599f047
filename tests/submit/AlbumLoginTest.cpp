// The album login's reply and the album list it carries.
#include <gtest/gtest.h>

#include "submit/AlbumList.h"
#include "submit/AlbumLogin.h"

namespace orelle {
namespace {

struct ListCase {
    const char* text;
    std::vector<std::pair<std::string, std::string>> albums;
};

TEST(AlbumListTest, ItemsAreIdColonNameSlash) {
    const ListCase cases[] = {
        {"\\12:Summer/13:Trip/", {{"12", "Summer"}, {"13", "Trip"}}},
        {"\\12:Summer/13:Trip", {{"12", "Summer"}}},  // a rest without "/" ends the list
        {"\\7:a:b/", {{"7", "a:b"}}},
        {"\\noname/", {{"noname", ""}}},
        {"\\", {}},
        {"", {}},
        {"\\/", {{"", ""}}},
    };
    for (const ListCase& c : cases) {
        std::vector<std::pair<std::string, std::string>> got;
        for (const AlbumItem& a : ParseAlbumList(c.text)) got.emplace_back(a.id, a.name);
        EXPECT_EQ(got, c.albums) << c.text;
    }
}

std::string Hint(const char* hint) { return hint ? hint : "(none)"; }

struct LoginCase {
    const char* reply;
    bool accepted;
    const char* orderNumber;
    const char* albumList;
    const char* hint;
};

TEST(AlbumLoginTest, RepliesAreReadByStatus) {
    const LoginCase cases[] = {
        {"status=0%orderid=123456%\\12:Summer/13:Trip/||x", true, "00123456",
         "\\12:Summer/13:Trip/", nullptr},
        {"status=0%orderid=12345%\\1:a/||", false, "0012345", "\\1:a/", "网络订单数据获取失败"},
        {"status=0%orderid=123456%", true, "00123456", "", nullptr},
        {"status=0%orderid=123456%\\1:a/", true, "00123456", "\\1:a/", nullptr},
        {"status=1%", false, "", "", "连接网络失败!请确认网络畅通"},
        {"", false, "", "", "连接网络失败!请确认网络畅通"},
        {"<html>busy</html>", false, "", "", "连接网络失败!请确认网络畅通"},
        {"status=7%orderid=123456%", true, "", "", nullptr},
    };
    for (const LoginCase& c : cases) {
        const AlbumLoginOutcome out = ReadAlbumLoginReply(c.reply);
        EXPECT_EQ(std::make_tuple(out.accepted, out.orderNumber, out.albumList, Hint(out.hint)),
                  std::make_tuple(c.accepted, c.orderNumber, c.albumList, Hint(c.hint)))
            << c.reply;
    }
}

}  // namespace
}  // namespace orelle
