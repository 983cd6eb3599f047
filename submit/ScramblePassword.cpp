#include "submit/ScramblePassword.h"

#include <array>
#include <ctime>
#include <random>
#include <utility>

#include "platform/gbk/Gbk.h"

namespace orelle {
namespace {

constexpr std::size_t kRoom = 19;

unsigned char Shift(unsigned char c) {
    if (c >= '0' && c <= 'T') return static_cast<unsigned char>(c + 38);
    if (c >= 'V' && c <= 'z') return static_cast<unsigned char>(c - 38);
    return c;
}

}  // namespace

std::string ScramblePassword(std::string_view password, const std::function<int()>& random) {
    std::minstd_rand generator(static_cast<unsigned>(std::time(nullptr)));
    auto next = [&] { return random ? random() : static_cast<int>(generator() & 0x7FFFFFFF); };

    std::string bytes = gbk::FromUtf8(password);
    bytes.resize(gbk::CutPoint(bytes, kRoom));
    std::array<unsigned char, kRoom + 2> b{};
    b[0] = static_cast<unsigned char>('Z' - bytes.size());
    for (std::size_t i = 1; i <= bytes.size(); ++i)
        b[i] = Shift(static_cast<unsigned char>(bytes[i - 1]));
    for (std::size_t i = bytes.size() + 1; i <= kRoom; ++i)
        b[i] = static_cast<unsigned char>('0' + next() % 48);
    // b[2] with b[19], b[4] with b[17] ... b[10] with b[11].
    for (std::size_t i = 2; i <= 10; i += 2) std::swap(b[i], b[kRoom + 2 - i]);
    std::string out;
    for (unsigned char c : b) {
        if (c == 0) break;
        out += static_cast<char>(c);
    }
    return gbk::ToUtf8(out);
}

}  // namespace orelle
