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
        {"\xFF\xD8\xFF\xE1rest"s, PhotoKind::kJpeg},
        {"\x89PNG\r\n\x1A\n...."s, PhotoKind::kPng},
        {"\0\0\0\x18" "ftypheic\0\0\0\0"s, PhotoKind::kHeif},
        {"\0\0\0\x1c" "ftypmif1\0\0\0\0"s, PhotoKind::kHeif},
        {"\0\0\0\x18" "ftypmp42\0\0\0\0"s, PhotoKind::kUnknown},  // a video
        {"\xFF\xD8"s, PhotoKind::kUnknown},                       // cut before the marker
        {"GIF89a"s, PhotoKind::kUnknown},
        {"hello.jpg"s, PhotoKind::kUnknown},
        {""s, PhotoKind::kUnknown},
    };
    for (const auto& c : cases) EXPECT_EQ(PhotoKindOf(c.head), c.kind) << c.head;
}

}  // namespace
}  // namespace orelle
