#include "platform/imaging/PhotoKind.h"

#include <gtest/gtest.h>

#include <string>

namespace orelle {
namespace {

TEST(PhotoKind, IsToldByTheFirstBytes) {
    using namespace std::string_literals;
    const struct {
        std::string head;
        PhotoKind kind;
    } cases[] = {
        {"\xFF\xD8\xFF\xE1rest"s, PhotoKind::Jpeg},
        {"\x89PNG\r\n\x1A\n...."s, PhotoKind::Png},
        {"\0\0\0\x18" "ftypheic\0\0\0\0"s, PhotoKind::Heif},
        {"\0\0\0\x1c" "ftypmif1\0\0\0\0"s, PhotoKind::Heif},
        {"\0\0\0\x18" "ftypmp42\0\0\0\0"s, PhotoKind::None},  // a video
        {"\xFF\xD8"s, PhotoKind::None},                       // cut before the marker
        {"GIF89a"s, PhotoKind::None},
        {"hello.jpg"s, PhotoKind::None},
        {""s, PhotoKind::None},
    };
    for (const auto& c : cases) EXPECT_EQ(SniffPhotoKind(c.head), c.kind) << c.head;
    EXPECT_STREQ(PhotoKindExtension(PhotoKind::Heif), ".heic");
    EXPECT_STREQ(PhotoKindExtension(PhotoKind::None), "");
}

}  // namespace
}  // namespace orelle
