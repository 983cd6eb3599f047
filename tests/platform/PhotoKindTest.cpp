#include "platform/imaging/PhotoKind.h"

#include <gtest/gtest.h>

#include <string>

namespace orelle {
namespace {

TEST(PhotoKind, IsToldByTheFirstBytes) {
    using namespace std::string_literals;
    const std::pair<std::string, PhotoKind> cases[] = {
        {"\xFF\xD8\xFF\xE1rest"s, PhotoKind::kJpeg},
        {"\x89PNG\r\n\x1A\n...."s, PhotoKind::kPng},
        {"\0\0\0\030ftypheic\0\0\0\0"s, PhotoKind::kHeif},
        {"\0\0\0\034ftypmif1\0\0\0\0"s, PhotoKind::kHeif},
        {"\0\0\0\030ftypmp42\0\0\0\0"s, PhotoKind::kUnknown},  // a video
        {"\xFF\xD8"s, PhotoKind::kUnknown},                    // cut before the marker
        {"GIF89a"s, PhotoKind::kUnknown},
        {"hello.jpg"s, PhotoKind::kUnknown},
        {""s, PhotoKind::kUnknown},
    };
    for (const auto& [head, kind] : cases) EXPECT_EQ(PhotoKindOf(head), kind) << head;
}

}  // namespace
}  // namespace orelle
