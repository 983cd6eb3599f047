// Six stations on one backup root, each on settings of its own (a station
// refuses a second one on its settings folder), placing orders at the same
// moment: every order its own number, work folder and order.ini section
// with its own card's photos.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "support/KioskRun.h"
#include "support/OrdersOnDisk.h"
#include "support/TempFolder.h"
#include "support/TestJpeg.h"

namespace orelle::testing {
namespace {

namespace fs = std::filesystem;

class KioskStationsTest : public ::testing::Test {
  protected:
    static constexpr int kStations = 6;

    // A card of three photos whose names no other card has (lower case,
    // as the station names its copies): its folder and the names.
    std::pair<std::string, std::set<std::string>> Card(int station, int round) {
        const std::string tag = "s" + std::to_string(station) + "r" + std::to_string(round);
        const std::string card = folder_ / ("card-" + tag);
        std::set<std::string> names;
        for (const char* name : {"_1.jpg", "_2.jpg", "_3.jpg"}) {
            WriteJpeg(card + "/DCIM/100TEST/" + tag + name, 64, 48);
            names.insert(tag + name);
        }
        return {card, names};
    }

    // The photos in a job's work folder, by name.
    std::set<std::string> PhotosIn(const std::string& storeDDH) const {
        std::set<std::string> names;
        for (const auto& day : fs::directory_iterator(backup_)) {
            const fs::path work = day.path() / storeDDH;
            if (!fs::is_directory(work)) continue;
            for (const auto& e : fs::recursive_directory_iterator(work))
                if (e.path().extension() == ".jpg") names.insert(e.path().filename());
        }
        return names;
    }

    TempFolder folder_;
    std::string backup_ = folder_ / "backup";
};

TEST_F(KioskStationsTest, SixStationsOrderingAtOnceNeverShareANumberAFolderOrASection) {
    constexpr int kRounds = 5;
    std::set<std::string> told;
    for (int round = 0; round < kRounds; ++round) {
        std::vector<KioskRun> runs;
        std::vector<std::set<std::string>> cards;
        for (int s = 0; s < kStations; ++s) {
            const std::string config = folder_ / ("config" + std::to_string(s));
            if (round == 0) MakeKioskSettings(config, backup_, false);
            const auto [card, names] = Card(s, round);
            cards.push_back(names);
            runs.push_back(MemberOrder(config, card));
        }
        const std::vector<KioskOutcome> outcomes = RunKiosks(runs);
        const OrdersOnDisk orders = ReadOrdersOnDisk(backup_, false);
        EXPECT_EQ(orders.faults, std::vector<std::string>{});
        for (int s = 0; s < kStations; ++s) {
            SCOPED_TRACE("round " + std::to_string(round) + ", station " + std::to_string(s));
            ASSERT_EQ(outcomes[s].exitCode, 0) << outcomes[s].output << outcomes[s].errors;
            const std::string number = PlacedOrderNumber(outcomes[s]);
            EXPECT_TRUE(told.insert(number).second) << "told twice: " << number;
            std::vector<const OrderOnDisk*> mine;
            for (const OrderOnDisk& order : orders.orders)
                if (order.placed && order.saleDDH == number) mine.push_back(&order);
            ASSERT_EQ(mine.size(), 1u) << "sections marked placed for " << number;
            EXPECT_EQ(mine[0]->faults, std::vector<std::string>{});
            EXPECT_EQ(PhotosIn(mine[0]->storeDDH), cards[s]);
        }
        std::set<std::string> sections, folders;
        for (const OrderOnDisk& order : orders.orders) {
            EXPECT_TRUE(sections.insert(order.section).second) << order.section;
            EXPECT_TRUE(folders.insert(order.storeDDH).second) << order.storeDDH;
        }
        EXPECT_EQ(orders.PlacedCount(), kStations * (round + 1));
    }
}

}  // namespace
}  // namespace orelle::testing
