#pragma once
// A read-only view of one of the store's owning lists: callers see the records
// as const, so every change goes through the store's named operations, which
// keep the name indexes right.
#include <cstddef>
#include <iterator>
#include <memory>
#include <vector>

namespace corvane {

template <class T> class RecordList {
public:
    using Owned = std::vector<std::unique_ptr<T>>;

    class Iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = const T*;
        using reference = const T&;

        Iterator() = default;
        explicit Iterator(typename Owned::const_iterator at) : at_(at) {}
        reference operator*() const { return **at_; }
        pointer operator->() const { return at_->get(); }
        reference operator[](difference_type n) const { return *at_[n]; }
        Iterator& operator++() {
            ++at_;
            return *this;
        }
        Iterator operator++(int) { return Iterator(at_++); }
        Iterator& operator--() {
            --at_;
            return *this;
        }
        Iterator operator--(int) { return Iterator(at_--); }
        Iterator& operator+=(difference_type n) {
            at_ += n;
            return *this;
        }
        Iterator& operator-=(difference_type n) {
            at_ -= n;
            return *this;
        }
        friend Iterator operator+(Iterator it, difference_type n) { return it += n; }
        friend Iterator operator+(difference_type n, Iterator it) { return it += n; }
        friend Iterator operator-(Iterator it, difference_type n) { return it -= n; }
        friend difference_type operator-(const Iterator& a, const Iterator& b) {
            return a.at_ - b.at_;
        }
        friend bool operator==(const Iterator& a, const Iterator& b) { return a.at_ == b.at_; }
        friend auto operator<=>(const Iterator& a, const Iterator& b) { return a.at_ <=> b.at_; }

    private:
        typename Owned::const_iterator at_{};
    };

    explicit RecordList(const Owned& items) : items_(&items) {}

    std::size_t size() const { return items_->size(); }
    bool empty() const { return items_->empty(); }
    const T& operator[](std::size_t i) const { return *(*items_)[i]; }
    const T& front() const { return *items_->front(); }
    const T& back() const { return *items_->back(); }
    Iterator begin() const { return Iterator(items_->begin()); }
    Iterator end() const { return Iterator(items_->end()); }

private:
    const Owned* items_;
};

} // namespace corvane
