#pragma once
// GBK conversion at the edges: texts are UTF-8 inside the program and GBK
// in every file and on every wire. Characters that GBK cannot hold, and
// byte sequences that are not valid in the source encoding, become '?'.
// All functions are thread-safe.

#include <cstddef>
#include <string>
#include <string_view>

namespace orelle::gbk {

std::string FromUtf8(std::string_view utf8);
// The same, appended to out.
void AppendFromUtf8(std::string& out, std::string_view utf8);
// The same, written at dst, which must hold utf8.size() bytes: no text is
// longer in GBK than in UTF-8. Returns the end of what was written.
char* EncodeFromUtf8(char* dst, std::string_view utf8);
std::string ToUtf8(std::string_view gbk);

// Number of bytes the UTF-8 text takes in GBK.
std::size_t Length(std::string_view utf8);

// Length of the longest prefix of GBK bytes that is at most maxBytes long and
// does not split a two-byte character.
std::size_t CutPoint(std::string_view gbk, std::size_t maxBytes);

// The UTF-8 text cut so that its GBK form has at most maxBytes bytes.
std::string CutToBytes(std::string_view utf8, std::size_t maxBytes);

inline bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

}  // namespace orelle::gbk
