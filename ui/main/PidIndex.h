// Process identifier -> row, for one refresh: an open-addressing table in
// one allocation, so that building it for thousands of rows costs no more
// than a pass over them.
#pragma once

#include <cstdint>
#include <vector>

namespace velmora {

class PidIndex {
public:
    // Room for `count` identifiers at a load of at most one half.
    explicit PidIndex(std::size_t count) {
        std::size_t capacity = 16;
        shift_ = 28;
        while (capacity < 2 * count) {
            capacity *= 2;
            --shift_;
        }
        slots_.assign(capacity, Slot{0, -1});
        mask_ = capacity - 1;
    }

    // Adds pid -> row unless pid is present already (the first row wins).
    void Add(std::uint32_t pid, int row) {
        Slot& slot = Find(pid);
        if (slot.row < 0) slot = Slot{pid, row};
    }
    // The row of pid, or -1.
    int RowOf(std::uint32_t pid) { return Find(pid).row; }

private:
    struct Slot {
        std::uint32_t pid;
        int row;  // -1: empty
    };

    Slot& Find(std::uint32_t pid) {
        // Identifiers are multiples of four on Windows; the top bits of a
        // multiplicative hash spread them over the table.
        std::size_t i = static_cast<std::uint32_t>(pid * 0x9E3779B1u) >> shift_;
        while (slots_[i].row >= 0 && slots_[i].pid != pid) i = (i + 1) & mask_;
        return slots_[i];
    }

    std::vector<Slot> slots_;
    std::size_t mask_ = 0;
    int shift_ = 28;
};

}  // namespace velmora
