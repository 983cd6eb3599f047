#pragma once
// The texts a photo cell shows for its record (UTF-8).

#include <cstdint>
#include <functional>
#include <string>

namespace orelle {

// "%dx%d": the photo's pixel size.
std::string PixelSizeText(std::int32_t w, std::int32_t h);
// The name label's text: name followed by suffix (the pixel size, which
// always shows). A name too long for fits loses characters from the middle
// of its stem, "…" standing for them: its start and extension stay.
std::string ElidedName(const std::string& name, const std::string& suffix,
                       const std::function<bool(const std::string&)>& fits);

// Over a photo that cannot be read, so cannot be printed.
inline constexpr const char* kUnreadablePhotoText = "此照片无法读取";

// "冲印规格%s"
std::string PrintSizeText(const std::string& sizeName);
// The crop/fill button names the mode a click switches to.
std::string CropFillText(std::int32_t operate);
// "缩放比例%d"
std::string ZoomText(std::int32_t scale);
// "旋转度数%d"
std::string AngleText(std::int32_t angle);
// "加印日期" to add the date, "取消日期" to take it off.
std::string DateText(std::int32_t adddatetime);
// Shown when the date button is pressed on a photo that records no date.
inline constexpr const char* kNoShotDateNotice = "这张照片没有拍摄日期,不能加印日期";
// A tap on "裁到人脸" where no crop of the print's shape holds every face.
inline constexpr const char* kFacesTooWideText = "人脸分布太宽,这个冲印规格的裁切框容不下全部人脸";
inline constexpr const char* kFillForFacesText = "改为留白(整张照片印在相纸上)吗?";

// The name the photo is ordered under: a.jpg with 2 prints is a-2.jpg; a
// name without '.' gives "-2" followed by the whole name. Unchanged for
// 0 prints (or fewer).
std::string OrderedName(const std::string& dstName, std::int32_t number);

}  // namespace orelle
