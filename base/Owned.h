// The one owner of every handle the program opens, kernel or GDI, real or
// faked: move-only, closes in its destructor. Portable; what a handle is,
// which values mean "nothing" and how it is closed come from a traits type.
#pragma once

#include <utility>

namespace velmora {

// Traits describe one kind of handle:
//   using Value = ...;                  the handle type
//   static Value Empty();               what an empty owner holds
//   static bool Valid(Value);           false for every "nothing" value
//   void Close(Value) (const or not);   frees a valid handle
// Traits may carry state (the interface a handle came from, the window a
// DC belongs to); it moves with the handle.
template <typename Traits>
class Owned {
public:
    using Value = typename Traits::Value;

    Owned() = default;
    explicit Owned(Value value) : value_(value) {}
    Owned(Traits traits, Value value) : traits_(std::move(traits)), value_(value) {}
    Owned(Owned&& other) noexcept : traits_(std::move(other.traits_)), value_(other.Release()) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) {
            Reset();
            traits_ = std::move(other.traits_);
            value_ = other.Release();
        }
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    ~Owned() { Reset(); }

    Value Get() const { return value_; }
    bool Valid() const { return Traits::Valid(value_); }
    explicit operator bool() const { return Valid(); }
    const Traits& GetTraits() const { return traits_; }

    // Closes the held handle, if it is one, and holds `value` instead.
    void Reset(Value value = Traits::Empty()) {
        const Value old = std::exchange(value_, value);
        if (Traits::Valid(old)) traits_.Close(old);
    }
    // Gives the handle up without closing it.
    Value Release() { return std::exchange(value_, Traits::Empty()); }

private:
    Traits traits_{};
    Value value_ = Traits::Empty();
};

}  // namespace velmora
