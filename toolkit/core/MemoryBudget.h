#pragma once

#include <cstdint>

// The most memory one search may take for its tables: the least of half the
// machine's physical memory, what the container it runs in may still take
// (its cgroup limit less what the cgroup already uses) and the memory the
// system has available now. Asking more would not fail cleanly on a system
// that overcommits memory: the process would be killed instead.
std::uint64_t memoryBudget();

// Raises the error "Za mało pamięci" when `bytes` exceed `budget`. The bytes
// come as a double, so that products of large counts cannot wrap around.
void requireMemory(double bytes, std::uint64_t budget);

// One search's share of memory, taken by each of its large allocations
// before it is made and given back when it is freed, so that tables that
// live at the same time are counted together. Used from one thread.
class MemoryAccount {
public:
    explicit MemoryAccount(std::uint64_t budget = memoryBudget()) : left_(double(budget)) {}

    // A share taken from the account, given back when it is destroyed.
    class Share {
    public:
        Share() = default;
        Share(Share&& other) noexcept : account_(other.account_), bytes_(other.bytes_) { other.account_ = nullptr; }
        Share& operator=(Share&& other) noexcept;
        Share(const Share&) = delete;
        Share& operator=(const Share&) = delete;
        ~Share() { giveBack(); }

        void giveBack();

    private:
        friend class MemoryAccount;
        Share(MemoryAccount* account, double bytes) : account_(account), bytes_(bytes) {}
        MemoryAccount* account_ = nullptr;
        double bytes_ = 0.0;
    };

    // Takes `bytes`, or raises "Za mało pamięci" when they are not left.
    Share take(double bytes);
    // Takes `bytes` when they are left; an empty share otherwise.
    bool tryTake(double bytes, Share& share);
    double left() const { return left_; }

private:
    double left_;
};
