#include "OrderServerScript.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace orelle {
namespace {

bool Starts(std::string_view line, std::string_view word) {
    return line.substr(0, word.size()) == word;
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        pos = end + 1;
    }
    return lines;
}

// The raw value of a form field: digits and letters need no decoding,
// and the reply repeats whatever was sent.
std::string_view FormField(std::string_view body, std::string_view key) {
    std::size_t pos = 0;
    while (pos <= body.size()) {
        std::size_t end = body.find('&', pos);
        if (end == std::string_view::npos) end = body.size();
        const std::string_view field = body.substr(pos, end - pos);
        if (field.size() > key.size() && Starts(field, key) && field[key.size()] == '=')
            return field.substr(key.size() + 1);
        pos = end + 1;
    }
    return {};
}

}  // namespace

std::map<std::string, ScriptedReply> ParseServerScript(std::string_view text) {
    std::map<std::string, ScriptedReply> replies;
    const std::vector<std::string_view> lines = Lines(text);
    std::size_t i = 0;
    while (i < lines.size() && !Starts(lines[i], "@post ")) ++i;
    while (i < lines.size()) {
        const std::string path(lines[i].substr(6));
        ScriptedReply reply;
        ++i;
        if (i < lines.size() && Starts(lines[i], "@delay ")) {
            reply.delayMs =
                std::clamp(std::atoi(std::string(lines[i].substr(7)).c_str()), 0, 600000);
            ++i;
        }
        bool first = true;
        for (; i < lines.size() && !Starts(lines[i], "@post "); ++i) {
            if (!first) reply.body += "\r\n";
            reply.body += lines[i];
            first = false;
        }
        replies.emplace(path, std::move(reply));
    }
    return replies;
}

std::string FillReply(std::string_view reply, std::string_view requestBody,
                      std::string_view serial) {
    const std::pair<std::string_view, std::string_view> tokens[] = {
        {"{localid}", FormField(requestBody, "localid")}, {"{serial}", serial}};
    std::string out;
    for (std::size_t pos = 0; pos < reply.size();) {
        bool replaced = false;
        for (const auto& [token, value] : tokens) {
            if (reply.substr(pos, token.size()) == token) {
                out += value;
                pos += token.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) out += reply[pos++];
    }
    return out;
}

std::string SerialNumber(int year, int month, int day, int count) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d%04d", year, month, day, count % 10000);
    return text;
}

}  // namespace orelle
