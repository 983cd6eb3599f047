#pragma once
// An HTTP poster that answers from a function, for tests that need no
// server: what was posted is kept.

#include <functional>
#include <string>
#include <vector>

#include "platform/http/HttpPoster.h"

namespace orelle::testing {

class ScriptedPoster : public HttpPoster {
  public:
    std::function<std::string(const HttpPost&)> answer;
    std::vector<HttpPost> posts;

    std::string Post(const HttpPost& post, const std::function<bool()>&) override {
        posts.push_back(post);
        return answer ? answer(post) : std::string();
    }
};

}  // namespace orelle::testing
