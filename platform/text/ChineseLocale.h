#pragma once
// Sizes and dates as a Chinese desktop shows them in its file dialogs:
// "1.5 KB", "2026/12/8 10:05", whatever the machine's own locale.

#include <QDateTime>
#include <cstdint>
#include <string>

namespace orelle::text {

std::string FileSizeText(std::uint64_t bytes);
std::string FileDateText(const QDateTime& when);

}  // namespace orelle::text
