#include "orderdata/PhotoNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "orderdata/PhotoList.h"
#include "platform/paths/Paths.h"
#include "support/MemoryFileSystem.h"

namespace orelle {
namespace {

// Paths in the tables are written with '/'; this puts in the platform's separator.
std::string Native(std::string path) {
    std::replace(path.begin(), path.end(), '/', paths::kSeparator);
    return path;
}

void Add(PhotoList& list, const std::string& dstName) {
    auto r = std::make_unique<PhotoRecord>();
    r->dstName = dstName;
    list.Append(std::move(r));
}

TEST(GetCopyNameFromSrc, CountsOnFromTheLowerCasedBase) {
    struct Case {
        const char* name;
        std::vector<std::string> existing;
        std::string source, expected;
    };
    const Case cases[] = {
        {"first copy", {}, "/p/IMG_1.JPG", "/p/img_1##1.JPG"},
        {"first number taken", {"/p/img_1##1.JPG"}, "/p/IMG_1.JPG", "/p/img_1##2.JPG"},
        {"copy of a copy",
         {"/p/img_1##1.JPG", "/p/img_1##2.JPG"},
         "/p/img_1##2.JPG",
         "/p/img_1##3.JPG"},
        {"cut at the first mark", {}, "/p/A##2##1.jpg", "/p/a##1.jpg"},
        {"gap is reused", {"/p/a##1.jpg", "/p/a##3.jpg"}, "/p/a.jpg", "/p/a##2.jpg"},
        {"existing name in other case is another file",
         {"/p/IMG##1.JPG"},
         "/p/IMG.JPG",
         "/p/img##1.JPG"},
        {"no extension", {}, "/p/README", "/p/readme##1"},
        {"dot only in the folder", {}, "/p.d/Scan", "/p.d/scan##1"},
        {"last dot splits", {}, "/p/A.B.JPG", "/p/a.b##1.JPG"},
        {"folder keeps its case", {}, "/P/Sub/IMG.JPG", "/P/Sub/img##1.JPG"},
        {"no folder", {}, "Photo.JPG", "photo##1.JPG"},
        {"multibyte bytes untouched", {}, "/p/照片A.JPG", "/p/照片a##1.JPG"},
        {"base only a mark", {}, "/p/##4.jpg", "/p/##1.jpg"},
    };
    for (const Case& c : cases) {
        testing::MemoryFileSystem fs;
        for (const std::string& f : c.existing) fs.files[Native(f)] = "x";
        EXPECT_EQ(GetCopyNameFromSrc(Native(c.source), fs), Native(c.expected)) << c.name;
    }
}

TEST(GetCopyNameFromSrc, StopsAtTheHighestNumberWhenEveryNameIsTaken) {
    struct FullDisk : testing::MemoryFileSystem {
        bool FileExists(const std::string&) override {
            ++asked;
            return true;
        }
        int asked = 0;
    } fs;
    EXPECT_EQ(GetCopyNameFromSrc(Native("/p/a.jpg"), fs),
              Native("/p/a##" + std::to_string(kMaxCopyNumber) + ".jpg"));
    EXPECT_EQ(fs.asked, kMaxCopyNumber);
}

TEST(GetRealName, NumbersANameTheJobAlreadyUses) {
    struct Case {
        const char* name;
        std::vector<std::string> dstNames;
        std::string path, expected;
    };
    const Case cases[] = {
        {"empty list keeps the case", {}, "/card/IMG_1.JPG", "IMG_1.JPG"},
        {"free name is lower-cased", {"other.jpg"}, "/card/IMG_1.JPG", "img_1.jpg"},
        {"taken name", {"img_1.jpg"}, "/card/IMG_1.JPG", "img_1#1.jpg"},
        {"taken in other case", {"IMG_1.JPG", "Img_1#1.Jpg"}, "/card/img_1.jpg", "img_1#2.jpg"},
        {"numbers checked after the match", {"img#1.jpg", "img.jpg"}, "/c/img.jpg", "img#2.jpg"},
        {"only a numbered name taken", {"img_1#1.jpg"}, "/card/IMG_1.JPG", "img_1.jpg"},
        {"gap is reused", {"a.jpg", "a#2.jpg"}, "/c/a.jpg", "a#1.jpg"},
        {"already numbered", {"a#1.jpg"}, "/c/a#1.jpg", "a#1#1.jpg"},
    };
    for (const Case& c : cases) {
        PhotoList list;
        for (const std::string& n : c.dstNames) Add(list, n);
        EXPECT_EQ(GetRealName(Native(c.path), list), c.expected) << c.name;
        EXPECT_EQ(GetRealNameByScan(Native(c.path), list), c.expected) << c.name;
    }
}

TEST(PhotoNames, OnlyThePlatformSeparatorEndsTheFolder) {
    const std::string S(1, paths::kSeparator);
    const std::string other(1, paths::kSeparator == '/' ? '\\' : '/');
    testing::MemoryFileSystem fs;
    EXPECT_EQ(GetCopyNameFromSrc(S + "p" + S + "A" + other + "B.JPG", fs),
              S + "p" + S + "a" + other + "b##1.JPG");
    PhotoList list;
    Add(list, "x");
    EXPECT_EQ(GetRealName(S + "p" + S + "A" + other + "B.JPG", list), "a" + other + "b.jpg");
}

// Lists changed through every way the list offers, so that the index must
// follow each of them, checked against the plain scan after every change.
TEST(GetRealName, MatchesThePlainScanOnGeneratedLists) {
    const std::vector<std::string> stems = {"img",   "IMG",  "Img", "a", "A#1", "a#1",
                                            "img#2", "照片", "x.y", "",  "a#"};
    const std::vector<std::string> extensions = {".jpg", ".JPG", "", ".Jpg", ".tar.gz", "."};
    const std::vector<std::string> folders = {"", "/card/", "/d.x/", "/a#1.jpg/"};
    std::mt19937 random(20261206);
    auto pick = [&](const std::vector<std::string>& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    };
    auto anyName = [&] { return pick(stems) + pick(extensions); };
    int compared = 0;
    for (int round = 0; round < 40; ++round) {
        PhotoList list;
        for (int step = 0; step < 300; ++step) {
            const std::int32_t size = list.GetSize();
            auto anyIndex = [&] {
                return std::uniform_int_distribution<std::int32_t>(-1, size)(random);
            };
            auto record = std::make_unique<PhotoRecord>();
            switch (std::uniform_int_distribution<int>(0, 4)(random)) {
                case 0:
                    record->dstName = anyName();
                    list.Append(std::move(record));
                    break;
                case 1:  // the same file added again, named as the station names it
                    record->dstName = GetRealNameByScan(Native(pick(folders) + anyName()), list);
                    list.InsertAt(anyIndex(), std::move(record));
                    break;
                case 2:
                    list.RemoveAt(anyIndex());
                    break;
                case 3:
                    list.RenameRecord(anyIndex(), anyName());
                    break;
                default:
                    if (size > 40) list.RemoveAll();
                    break;
            }
            for (int q = 0; q < 3; ++q) {
                const std::string path = Native(pick(folders) + anyName());
                ASSERT_EQ(GetRealName(path, list), GetRealNameByScan(path, list))
                    << path << " in a list of " << list.GetSize();
                ++compared;
            }
        }
    }
    EXPECT_EQ(compared, 40 * 300 * 3);
}

}  // namespace
}  // namespace orelle
