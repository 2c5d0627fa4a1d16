// A small cache of values lately used, the latest first: the oldest go once
// the values kept weigh more than the budget (the latest always stays).
#pragma once

#include <cstddef>
#include <list>
#include <utility>

namespace platform {

template <class Key, class Value> class RecentlyUsed {
public:
    explicit RecentlyUsed(std::size_t budget) : budget_(budget) {}

    // The value kept under `key`, now the latest; null when none is.
    Value* Find(const Key& key)
    {
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            if (it->key == key) {
                entries_.splice(entries_.begin(), entries_, it);
                return &entries_.front().value;
            }
        }
        return nullptr;
    }

    // Keeps `value`, which weighs `weight`, as the latest.
    Value& Keep(Key key, Value value, std::size_t weight)
    {
        entries_.push_front({std::move(key), std::move(value), weight});
        weight_ += weight;
        while (weight_ > budget_ && entries_.size() > 1) {
            weight_ -= entries_.back().weight;
            entries_.pop_back();
        }
        return entries_.front().value;
    }

private:
    struct Entry {
        Key key;
        Value value;
        std::size_t weight;
    };
    std::size_t budget_;
    std::list<Entry> entries_;
    std::size_t weight_ = 0;
};

} // namespace platform
