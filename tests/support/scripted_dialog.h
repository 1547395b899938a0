// An input dialog for tests: answers from a script and records what it was
// asked. An answer of nullopt stands for Cancel (the default comes back); a
// question with no answer left fails the test.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/core/calc_core.h"

namespace testsupport {

class TScriptedDialog : public uicore::TInputDialog {
public:
    struct TQuery {
        std::string Caption, Prompt, Default;
    };
    std::deque<std::optional<std::string>> Answers;
    std::vector<TQuery> Queries;

    std::string InputQuery(const std::string& Caption, const std::string& Prompt,
                           const std::string& Default) override {
        Queries.push_back({Caption, Prompt, Default});
        if (Answers.empty()) {
            ADD_FAILURE() << "unexpected input dialog: " << Caption;
            return Default;
        }
        const std::optional<std::string> Answer = Answers.front();
        Answers.pop_front();
        return Answer ? *Answer : Default;
    }
};

}  // namespace testsupport
