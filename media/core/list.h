// Lists of shared objects that may change while they are walked.
//
// The walk rule the game depends on: the element just handed out may be removed during the
// walk (the walk goes on with the next one), and an element removed before the walk reaches
// it is not visited. An element removed during a walk stays alive until the last walk of
// the list ends, so the reference a walk hands out stays valid. Elements appended during a
// walk are visited by it.
//
//     for (const std::shared_ptr<T>& element : list) ...   // walks first to last
#pragma once

#include <cassert>
#include <cstddef>
#include <deque>
#include <iterator>
#include <memory>
#include <vector>

template <class T>
class List {
public:
    class Walk;

    List() = default;
    List(const List&) = delete;
    List& operator=(const List&) = delete;

    void Append(std::shared_ptr<T> element)
    {
        assert(element && "a list holds objects, never Null");
        // A walk holds references into `slots_`, which growing would move.
        if (walks_ > 0)
            arrivals_.push_back({std::move(element), false});
        else
            slots_.push_back({std::move(element), false});
        ++count_;
    }

    // Removes the first element that is `element`; false when there was none.
    bool Remove(const T* element)
    {
        for (std::size_t i = 0; i < slots_.size() + arrivals_.size(); ++i) {
            Slot& slot = At(i);
            if (!slot.removed && slot.element.get() == element) {
                Vacate(i);
                return true;
            }
        }
        return false;
    }

    void Clear()
    {
        if (walks_ == 0) {
            slots_.clear();
            arrivals_.clear();
        } else {
            for (Slot& slot : slots_)
                slot.removed = true;
            for (Slot& slot : arrivals_)
                slot.removed = true;
            gaps_ = true;
        }
        count_ = 0;
    }

    int Count() const { return static_cast<int>(count_); }

    // Exchanges the elements with `other`'s, removals still pending included, while each list
    // keeps its own walks: a list's content can be set aside while walks of it wait, and
    // given back before they go on, as they left it. Walks of either list begun in between
    // must have ended by then.
    void ExchangeElements(List& other)
    {
        std::swap(slots_, other.slots_);
        std::swap(arrivals_, other.arrivals_);
        std::swap(count_, other.count_);
        std::swap(gaps_, other.gaps_);
    }

    Walk begin() { return Walk(this); }
    std::nullptr_t end() { return nullptr; }

    // A walk in progress. While any walk runs, a removed element keeps its slot, marked
    // removed, so that the positions of the others stay put and the element stays alive;
    // such slots are dropped when the last walk ends, and elements appended meanwhile join
    // the others then.
    class Walk {
    public:
        explicit Walk(List* list) : list_(list)
        {
            ++list_->walks_;
            Skip();
        }
        Walk(const Walk& other) : list_(other.list_), index_(other.index_) { ++list_->walks_; }
        Walk& operator=(const Walk&) = delete;
        ~Walk()
        {
            if (--list_->walks_ == 0)
                list_->Settle();
        }

        const std::shared_ptr<T>& operator*() const { return list_->At(index_).element; }
        Walk& operator++()
        {
            ++index_;
            Skip();
            return *this;
        }
        bool operator!=(std::nullptr_t) const { return index_ < list_->slots_.size() + list_->arrivals_.size(); }

    private:
        void Skip()
        {
            const std::size_t settled = list_->slots_.size();
            while (index_ < settled && list_->slots_[index_].removed)
                ++index_;
            while (index_ >= settled && index_ - settled < list_->arrivals_.size() &&
                   list_->arrivals_[index_ - settled].removed)
                ++index_;
        }

        List* list_;
        std::size_t index_ = 0;
    };

private:
    struct Slot {
        std::shared_ptr<T> element;
        bool removed;
    };

    // Position i counts through the settled slots, then the arrivals.
    Slot& At(std::size_t i) { return i < slots_.size() ? slots_[i] : arrivals_[i - slots_.size()]; }

    void Vacate(std::size_t i)
    {
        --count_;
        if (walks_ > 0) {
            At(i).removed = true;
            gaps_ = true;
        } else {
            slots_.erase(slots_.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }

    void Settle()
    {
        if (gaps_) {
            std::erase_if(slots_, [](const Slot& slot) { return slot.removed; });
            std::erase_if(arrivals_, [](const Slot& slot) { return slot.removed; });
            gaps_ = false;
        }
        if (!arrivals_.empty()) {
            slots_.insert(slots_.end(), std::make_move_iterator(arrivals_.begin()),
                          std::make_move_iterator(arrivals_.end()));
            arrivals_.clear();
        }
    }

    // A vector, so that walks run through memory in order: they are most of the rules' time.
    std::vector<Slot> slots_;
    // Appended during a walk; a deque, so that appending moves none the walk has handed out.
    std::deque<Slot> arrivals_;
    std::size_t count_ = 0;
    int walks_ = 0;
    bool gaps_ = false;
};

// The list operations under their usual names.
template <class T>
void ListAppend(List<T>& list, std::shared_ptr<T> element)
{
    list.Append(std::move(element));
}

template <class T>
int ListRemove(List<T>& list, const T* element)
{
    return list.Remove(element) ? 1 : 0;
}

template <class T>
void ListClear(List<T>& list)
{
    list.Clear();
}

template <class T>
int ListCount(const List<T>& list)
{
    return list.Count();
}
