#pragma once
// The script of orelle-order-server: which reply each path gets.
//
// The file is GBK text. A line "@post PATH" starts the reply to PATH; an
// optional line "@delay MS" right after it holds the reply back that many
// milliseconds. The other lines up to the next "@post" (or the end of the
// file) are the reply, joined by CR LF, without a last line break. Lines
// before the first "@post" are comments. A path given twice keeps its
// first reply. In a reply, "{localid}" stands for the value of the
// request's form field localid, as it was sent: the order start's reply
// must name the order it starts. "{serial}" stands for a number that is
// new at each reply holding it and starts with the day's date, yyyymmdd
// then a four-digit count (202612080001): an order id that names the
// order's day, as the upload package wants it.

#include <map>
#include <string>
#include <string_view>

namespace orelle {

struct ScriptedReply {
    std::string body;
    int delayMs = 0;
};

std::map<std::string, ScriptedReply> ParseServerScript(std::string_view text);

// The reply with "{localid}" and "{serial}" replaced; the request body is
// the form as it arrived (fields joined by '&'). A request without the
// field gives an empty value.
std::string FillReply(std::string_view reply, std::string_view requestBody,
                      std::string_view serial = {});
// "{serial}" of the count-th reply (from 1) on that day.
std::string SerialNumber(int year, int month, int day, int count);

}  // namespace orelle
