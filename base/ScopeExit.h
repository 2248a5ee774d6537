// Undo on every way out of a scope.
#pragma once

#include <utility>

namespace velmora {

// Runs a function when the scope is left, by any way: the undo of a state
// change that several exits share.
template <typename F>
class ScopeExit {
public:
    explicit ScopeExit(F undo) : undo_(std::move(undo)) {}
    ~ScopeExit() { undo_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    F undo_;
};

}  // namespace velmora
