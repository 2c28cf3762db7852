// The answers a test scripts for one kind of question a window asks (a file
// to open, a name to save under, Yes or No), taken in order. A question with
// no answer left fails the test, and so does an answer never asked for: a
// test that means Cancel scripts it (std::nullopt), it never gets it by
// running out.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <deque>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace harwick::testing {

template <typename T>
class Answers {
public:
    explicit Answers(std::string question) : question_(std::move(question)) {}
    Answers(const Answers&) = delete;
    Answers& operator=(const Answers&) = delete;
    ~Answers() { ExpectAllUsed(); }

    Answers& operator=(std::initializer_list<T> answers)
    {
        answers_.assign(answers);
        return *this;
    }
    void push_back(T answer) { answers_.push_back(std::move(answer)); }
    bool empty() const { return answers_.empty(); }
    std::size_t size() const { return answers_.size(); }
    // How often the question was asked.
    int Asked() const { return asked_; }

    // The next answer. With none left the question was unexpected: the
    // test fails (detail says what was asked) and gets T{}: No, or Cancel.
    T Next(std::string_view detail = {})
    {
        ++asked_;
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected question: " << question_ << (detail.empty() ? "" : " ") << detail;
            return T{};
        }
        T answer = std::move(answers_.front());
        answers_.pop_front();
        return answer;
    }

    void ExpectAllUsed()
    {
        if (!answers_.empty()) ADD_FAILURE() << answers_.size() << " scripted answer(s) never asked for: " << question_;
        answers_.clear();
    }

private:
    std::string question_;
    std::deque<T> answers_;
    int asked_ = 0;
};

} // namespace harwick::testing
