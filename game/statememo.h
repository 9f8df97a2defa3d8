#pragma once
// The solver's memo: a hash map from a state of the search (the platforms
// left, the hero's cell) to a number, with open addressing, grown at half
// load. It knows nothing of the rules.

#include <cstddef>
#include <cstdint>
#include <vector>

/// A set of cells, bit cellIndex(column, row) set for each.
using CellMask = std::uint64_t;

class StateMemo {
public:
    StateMemo() { slots_.resize(1 << 12); }

    /// The number stored for the state; nothing when none was.  0 <= hero < 64
    const std::uint64_t *find(CellMask remaining, int hero) const
    {
        for (std::size_t i = slotOf(remaining, hero);; i = (i + 1) & (slots_.size() - 1)) {
            const Slot &s = slots_[i];
            if (s.hero == 0)
                return nullptr;
            if (s.remaining == remaining && s.hero == hero + 1)
                return &s.value;
        }
    }

    /// Stores the number for the state, in place of one stored before.
    void store(CellMask remaining, int hero, std::uint64_t value)
    {
        if (2 * (used_ + 1) > slots_.size())
            grow();
        insert(remaining, hero, value);
    }

private:
    struct Slot {
        CellMask remaining = 0;
        std::uint64_t value = 0;
        int hero = 0; ///< hero cell + 1; 0 marks a free slot
    };

    std::size_t slotOf(CellMask remaining, int hero) const
    {
        // splitmix64's finaliser spreads the bits of the mask well.
        std::uint64_t h = remaining ^ (std::uint64_t(hero) * 0x9e3779b97f4a7c15ULL);
        h = (h ^ (h >> 30)) * 0xbf58476d1ce4e5b9ULL;
        h = (h ^ (h >> 27)) * 0x94d049bb133111ebULL;
        h ^= h >> 31;
        return std::size_t(h) & (slots_.size() - 1);
    }

    void insert(CellMask remaining, int hero, std::uint64_t value)
    {
        std::size_t i = slotOf(remaining, hero);
        while (slots_[i].hero != 0 && !(slots_[i].remaining == remaining && slots_[i].hero == hero + 1))
            i = (i + 1) & (slots_.size() - 1);
        if (slots_[i].hero == 0)
            ++used_;
        slots_[i] = {remaining, value, hero + 1};
    }

    void grow()
    {
        std::vector<Slot> old(slots_.size() * 2);
        old.swap(slots_);
        used_ = 0;
        for (const Slot &s : old)
            if (s.hero != 0)
                insert(s.remaining, s.hero - 1, s.value);
    }

    std::vector<Slot> slots_;
    std::size_t used_ = 0;
};
