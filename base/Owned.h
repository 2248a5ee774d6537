// The one owner of every handle the program opens, kernel or GDI, real or
// faked: move-only, closes in its destructor. Portable; what a handle is,
// which values mean "nothing" and how it is closed come from a traits type.
#pragma once

#include <type_traits>
#include <utility>

namespace velmora {

// Traits describe one kind of handle:
//   using Value = ...;                  the handle type
//   static Value Empty();               what an empty owner holds
//   static bool Valid(Value);           false for every "nothing" value
//   void Close(Value) (const or not);   frees a valid handle
//   void Acquired(Value) (optional)     told of each valid handle taken over,
//                                       e.g. to count the handles held
// Traits may carry state (the interface a handle came from, the window a
// DC belongs to); it moves with the handle.
template <typename Traits, typename = void>
struct TellsAcquired : std::false_type {};
template <typename Traits>
struct TellsAcquired<Traits,
                     std::void_t<decltype(std::declval<Traits&>().Acquired(std::declval<typename Traits::Value>()))>>
    : std::true_type {};

template <typename Traits>
class Owned {
public:
    using Value = typename Traits::Value;

    Owned() = default;
    explicit Owned(Value value) : value_(value) { Acquire(); }
    Owned(Traits traits, Value value) : traits_(std::move(traits)), value_(value) { Acquire(); }
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
        Acquire();
    }
    // Gives the handle up without closing it.
    Value Release() { return std::exchange(value_, Traits::Empty()); }

private:
    void Acquire() {
        if constexpr (TellsAcquired<Traits>::value) {
            if (Traits::Valid(value_)) traits_.Acquired(value_);
        }
    }

    Traits traits_{};
    Value value_ = Traits::Empty();
};

}  // namespace velmora
