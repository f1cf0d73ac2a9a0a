// Storage of per-point data: the values, colours and labels of a series.
//
// A series grows mostly at its end (AddY), but a series whose X values arrive in random order inserts
// every point somewhere in the middle. A single array would move half of itself on each such insertion,
// which makes filling a large series quadratic. BlockList keeps its elements in contiguous blocks of at
// most a few kilobytes: appending writes into the last block, an insertion moves at most one block's tail
// and shifts the start indexes of the blocks after it, and reading by index finds the block through the
// block of the previous read (sequential walks never search) or a binary search over the block starts.
//
// FilledList adds a run of one repeated value at the end that is not stored at all: colours that are all
// automatic and labels that are all empty cost nothing until a point gets a colour or label of its own.
#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace fv {

template <class T> class BlockList {
public:
    // Blocks hold up to this many elements before they split in two (about 8 KB of doubles).
    static constexpr std::size_t kBlock = std::max<std::size_t>(64, 8192 / sizeof(T));

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    const T& operator[](std::size_t i) const {
        std::size_t k = Locate(i);
        return blocks_[k][i - starts_[k]];
    }
    T& operator[](std::size_t i) {
        std::size_t k = Locate(i);
        return blocks_[k][i - starts_[k]];
    }
    const T& back() const { return blocks_.back().back(); }

    void push_back(T v) {
        if (blocks_.empty() || blocks_.back().size() >= kBlock) [[unlikely]]
            AddBlock();
        blocks_.back().push_back(std::move(v));
        ++size_;
    }

    // Inserts before position i (i == size() appends).
    void insert(std::size_t i, T v) {
        if (i >= size_) {
            push_back(std::move(v));
            return;
        }
        std::size_t k = Locate(i);
        std::vector<T>& b = blocks_[k];
        b.insert(b.begin() + std::ptrdiff_t(i - starts_[k]), std::move(v));
        ++size_;
        for (std::size_t j = k + 1; j < starts_.size(); ++j) ++starts_[j];
        if (b.size() >= 2 * kBlock) Split(k);
    }

    void erase(std::size_t i) {
        std::size_t k = Locate(i);
        std::vector<T>& b = blocks_[k];
        b.erase(b.begin() + std::ptrdiff_t(i - starts_[k]));
        --size_;
        for (std::size_t j = k + 1; j < starts_.size(); ++j) --starts_[j];
        if (b.empty()) {
            blocks_.erase(blocks_.begin() + std::ptrdiff_t(k));
            starts_.erase(starts_.begin() + std::ptrdiff_t(k));
            cursor_ = 0;
        }
    }

    // Empties the list and gives its memory back.
    void clear() {
        std::vector<std::vector<T>>().swap(blocks_);
        std::vector<std::size_t>().swap(starts_);
        size_ = 0;
        cursor_ = 0;
    }

    // The first position whose element e has less(v, e), for a list ordered by less: the place after
    // every element that v does not precede. Searches the block ends first, then inside one block.
    template <class Less> std::size_t UpperBound(const T& v, Less less) const {
        auto block = std::partition_point(blocks_.begin(), blocks_.end(),
                                          [&](const std::vector<T>& b) { return !less(v, b.back()); });
        if (block == blocks_.end()) return size_;
        std::size_t k = std::size_t(block - blocks_.begin());
        return starts_[k] + std::size_t(std::upper_bound(block->begin(), block->end(), v, less) - block->begin());
    }

private:
    // A new last block. The first block grows as it fills, so that a list of a few points stays small.
    [[gnu::noinline]] void AddBlock() {
        blocks_.emplace_back();
        if (blocks_.size() > 1) blocks_.back().reserve(kBlock);
        starts_.push_back(size_);
    }

    // The block that holds position i; the block of the previous lookup is tried first.
    std::size_t Locate(std::size_t i) const {
        std::size_t k = cursor_;
        if (k < blocks_.size() && i - starts_[k] < blocks_[k].size()) return k;
        k = std::size_t(std::upper_bound(starts_.begin(), starts_.end(), i) - starts_.begin()) - 1;
        cursor_ = k;
        return k;
    }

    void Split(std::size_t k) {
        std::vector<T>& b = blocks_[k];
        std::size_t keep = b.size() / 2;
        std::vector<T> tail;
        tail.reserve(kBlock);
        tail.insert(tail.end(), std::make_move_iterator(b.begin() + std::ptrdiff_t(keep)),
                    std::make_move_iterator(b.end()));
        b.erase(b.begin() + std::ptrdiff_t(keep), b.end());
        std::size_t start = starts_[k] + keep;
        blocks_.insert(blocks_.begin() + std::ptrdiff_t(k + 1), std::move(tail));
        starts_.insert(starts_.begin() + std::ptrdiff_t(k + 1), start);
    }

    std::vector<std::vector<T>> blocks_;
    std::vector<std::size_t> starts_;  // position of the first element of each block
    std::size_t size_ = 0;
    mutable std::size_t cursor_ = 0;
};

// A BlockList whose trailing run of `fill` values is only counted.
template <class T> class FilledList {
public:
    explicit FilledList(T fill) : fill_(std::move(fill)) {}

    std::size_t size() const { return stored_.size() + tail_; }
    const T& Fill() const { return fill_; }
    const T& operator[](std::size_t i) const { return i < stored_.size() ? stored_[i] : fill_; }

    void Set(std::size_t i, T v) {
        if (i >= stored_.size()) {
            if (v == fill_) return;
            StoreUpTo(i + 1);
        }
        stored_[i] = std::move(v);
    }
    // Taken by reference: most points carry the fill value, which is only counted.
    void Insert(std::size_t i, const T& v) {
        if (i >= stored_.size()) {
            if (v == fill_) {
                ++tail_;
                return;
            }
            StoreUpTo(i);
            stored_.push_back(v);
            return;
        }
        stored_.insert(i, v);
    }
    void Erase(std::size_t i) {
        if (i < stored_.size()) stored_.erase(i);
        else --tail_;
    }
    void Swap(std::size_t a, std::size_t b) {
        if (a >= stored_.size() && b >= stored_.size()) return;  // two fill values
        StoreUpTo(std::max(a, b) + 1);
        std::swap(stored_[a], stored_[b]);
    }
    void Clear() { Reset(0); }
    // n fill values.
    void Reset(std::size_t n) {
        stored_.clear();
        tail_ = n;
    }

private:
    // Makes the first n positions real entries.
    void StoreUpTo(std::size_t n) {
        while (stored_.size() < n) {
            stored_.push_back(fill_);
            --tail_;
        }
    }

    T fill_;
    BlockList<T> stored_;
    std::size_t tail_ = 0;
};

}  // namespace fv
