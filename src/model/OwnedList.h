#pragma once

#include <cstddef>
#include <memory>
#include <vector>

// An ordered list that owns its records. Copying it copies every record, so
// a whole network can be duplicated (the editor's undo copies it while an
// edit runs).
template <typename T> class OwnedList : public std::vector<std::unique_ptr<T>> {
public:
    OwnedList() = default;
    OwnedList(OwnedList&&) noexcept = default;
    OwnedList& operator=(OwnedList&&) noexcept = default;

    OwnedList(const OwnedList& other) : std::vector<std::unique_ptr<T>>()
    {
        this->reserve(other.size());
        for (const auto& record : other)
            this->push_back(std::make_unique<T>(*record));
    }

    OwnedList& operator=(const OwnedList& other)
    {
        if (this != &other) {
            OwnedList copy(other);
            this->swap(copy);
        }
        return *this;
    }

    T& Append(std::unique_ptr<T> record)
    {
        this->push_back(std::move(record));
        return *this->back();
    }

    // Positions taken from tree items and list rows are checked before use:
    // the network may have changed since the row was shown.
    bool Exists(int index) const { return index >= 0 && static_cast<std::size_t>(index) < this->size(); }

    // The record at the index, or null.
    T* RecordAt(int index) { return Exists(index) ? (*this)[static_cast<std::size_t>(index)].get() : nullptr; }
    const T* RecordAt(int index) const
    {
        return Exists(index) ? (*this)[static_cast<std::size_t>(index)].get() : nullptr;
    }
};
