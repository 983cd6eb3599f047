#pragma once
// A pickup point directory as the order web server sends it: two towns,
// the second without streets; store 3 has no serid, store 4 is withdrawn
// (-1).

namespace orelle::testing {

inline constexpr const char* kStoreDirectory =
    "[storecount]<br>count=5<br>notify=营业时间 9:00-18:00<br>"
    "[1]<br>serid=101<br>storename=东门店<br>storetel=5550001<br>storeaddr=东门路1号<br>streetcode="
    "S1<br>"
    "[2]<br>serid=102<br>storename=南门店<br>storetel=5550002<br>storeaddr=南门路2号<br>streetcode="
    "S1<br>"
    "[3]<br>storename=无号店<br>streetcode=S1<br>"
    "[4]<br>serid=-1<br>storename=旧店<br>streetcode=S1<br>"
    "[5]<br>serid=104<br>storename=西门店<br>streetcode=S2<br>"
    "[towncount]<br>count=2<br>[town1]<br>code=T1<br>town=城关镇<br>[town2]<br>code=T2<br>town="
    "新镇<br>"
    "[streetcount]<br>count=2<br>[street1]<br>code=S1<br>street=东街<br>towncode=T1<br>"
    "[street2]<br>code=S2<br>street=西街<br>towncode=T1<br>";

}  // namespace orelle::testing
