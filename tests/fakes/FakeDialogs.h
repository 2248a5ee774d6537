// Scripted message boxes and shell for tests: every call is recorded, and
// answers are taken from a queue (default: No / Ok, and 42 for the shell).
#pragma once

#include "ui/app/Dialogs.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace velmora::fakes {

struct ShownBox {
    std::string text;
    std::string caption;
    BoxKind kind;
};

class FakeMessageBoxes : public IMessageBoxes {
public:
    std::vector<ShownBox> shown;
    std::deque<BoxAnswer> answers;

    BoxAnswer Show(const std::string& text, const std::string& caption, BoxKind kind) override {
        shown.push_back({text, caption, kind});
        if (onShow) onShow();
        if (!answers.empty()) {
            BoxAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        return kind == BoxKind::Confirm ? BoxAnswer::No : BoxAnswer::Ok;
    }

    // Called on every Show, before the answer is taken.
    std::function<void()> onShow;
};

struct ShellCall {
    std::string file;
    std::string parameters;
};

class FakeShell : public IShell {
public:
    std::vector<ShellCall> calls;
    std::uintptr_t result = 42;

    std::uintptr_t Open(const std::string& file, const std::string& parameters) override {
        calls.push_back({file, parameters});
        return result;
    }
};

}  // namespace velmora::fakes
