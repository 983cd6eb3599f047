// The start brings each job's photo.ini in line with its day's order.ini:
// placed in one means placed in the other, whatever a kill or a full disk
// left between the two writes.
#include "orderdata/OrderFilesRepair.h"

#include <gtest/gtest.h>

#include "support/MemoryFileSystem.h"

namespace orelle {
namespace {

using testing::MemoryFileSystem;

std::string PhotoIni(const std::string& saleddh, int placed) {
    return "[orderinfo]\r\nuser=M01\r\nsaleddh=" + saleddh +
           "\r\nmemo=a bSuccess=1 memo\r\nuploaded=0\r\nbSuccess=" + std::to_string(placed) +
           "\r\nfrate=97\r\n[photoid]\r\nphotonumb=1\r\n[1]\r\nnumber=1\r\n";
}

TEST(OrderFilesRepairTest, PhotoIniFollowsTheDaysMark) {
    const struct {
        const char* what;
        const char* storeDDH;
        const char* mark;      // order.ini's bSuccess
        const char* saleDDH;   // order.ini's
        std::string saleddh;   // photo.ini's
        int placed;            // photo.ini's bSuccess
        int after;             // photo.ini's bSuccess after the start
    } cases[] = {
        {"killed after the mark", "150307001", "-1", "0020150307001", "0020150307001", 0, 1},
        {"placed and whole", "150307002", "-1", "0020150307002", "0020150307002", 1, 1},
        {"not placed", "150307003", "0", "", "", 0, 0},
        {"placed in photo.ini only", "150307004", "0", "0020150307004", "0020150307004", 1, 0},
        {"a mark for another number", "150307005", "-1", "0020150307005", "0099", 0, 0},
    };
    MemoryFileSystem files;
    std::string day = "[idcount]\r\nidmax=6\r\n";
    for (const auto& c : cases) {
        day += std::string("[") + (c.storeDDH + 7) + "]\r\nsaleDDH=" + c.saleDDH +
               "\r\nstoreDDH=" + c.storeDDH + "\r\nbSuccess=" + c.mark + "\r\n";
        files.files[std::string("/backup/2015-3-7/") + c.storeDDH + "/photo.ini"] =
            PhotoIni(c.saleddh, c.placed);
    }
    // A section naming a path out of the day is never followed.
    day += "[9]\r\nstoreDDH=../../elsewhere\r\nbSuccess=-1\r\n";
    files.files["/elsewhere/photo.ini"] = PhotoIni("", 0);
    files.files["/backup/2015-3-7/order.ini"] = day;
    files.dirs = {"/backup", "/backup/2015-3-7", "/elsewhere"};
    for (const auto& c : cases)
        files.dirs.insert(std::string("/backup/2015-3-7/") + c.storeDDH);

    EXPECT_EQ(RepairOrderFiles(files, "/backup"), 2);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = std::string("/backup/2015-3-7/") + c.storeDDH + "/photo.ini";
        EXPECT_EQ(files.files[path], PhotoIni(c.saleddh, c.after));
    }
    EXPECT_EQ(files.files["/elsewhere/photo.ini"], PhotoIni("", 0));
    // Once in line, a second start changes nothing.
    EXPECT_EQ(RepairOrderFiles(files, "/backup"), 0);
}

}  // namespace
}  // namespace orelle
