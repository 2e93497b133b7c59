// Sets of a small enumeration, held as bit flags: the member whose value is n
// is bit n, so a set keeps the order of its enumeration wherever it is stored.
#pragma once

#include <cstdint>
#include <initializer_list>

template <typename E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> Members)
    {
        for (E m : Members)
            Include(m);
    }

    constexpr bool Contains(E Member) const { return (bits_ & Bit(Member)) != 0; }
    constexpr TSet& Include(E Member)
    {
        bits_ |= Bit(Member);
        return *this;
    }
    constexpr TSet& Exclude(E Member)
    {
        bits_ &= ~Bit(Member);
        return *this;
    }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr uint64_t Bits() const { return bits_; }

    friend constexpr bool operator==(const TSet&, const TSet&) = default;

private:
    static constexpr uint64_t Bit(E Member) { return uint64_t{1} << static_cast<unsigned>(Member); }

    uint64_t bits_ = 0;
};
