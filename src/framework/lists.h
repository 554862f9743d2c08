#pragma once
// The framework's typed lists: a growable array of shared references with a count and a cursor
// that doubles as the list's own iterator, so that walks need no allocation and survive a
// removal made while they run.
//
// Index:
//   iCursorList<T>   the common list (AddLast, Remove, RemoveAt, IndexOf, Get, walks)
//   iList..iList6    the element types of the framework
//   iEnumerator      an enumerator over a widget list that also sees elements appended meanwhile
//   iObjectList      the list that name searches fill
// Walk with First/Next or Last/Previous: they also tell the list which way the walk goes, which
// a removal needs to keep the cursor on track.
#include <memory>
#include <vector>

class iObject;
class iEngineObject;
class iPlayfield;
class iLayer;
class iLayerObject;
class iGuiObject;
class iTask;

template <class T> class iCursorList {
  public:
    using Ptr = std::shared_ptr<T>;

    int count = 0;
    int cursor = 0;
    // Its size is the capacity; entries from `count` on are empty.
    std::vector<Ptr> array;

    int Count() const { return count; }
    int Capacity() const { return static_cast<int>(array.size()); }

    void AddLast(Ptr x) {
        if (count == Capacity()) {
            array.resize(static_cast<std::size_t>(count) * 2 + 10);
        }
        array[static_cast<std::size_t>(count)] = std::move(x);
        count += 1;
    }

    int IndexOf(const T* x) const {
        for (int i = 0; i < count; ++i) {
            if (array[static_cast<std::size_t>(i)].get() == x) {
                return i;
            }
        }
        return -1;
    }

    // Returns the new count; an element that is not in the list changes nothing.
    int Remove(const T* x) {
        if (count == 0) {
            return 0;
        }
        const int i = IndexOf(x);
        return i < 0 ? count : RemoveAt(i);
    }

    // The cursor steps back only when the removed entry lies at or before it in the walk's
    // direction, so a walk in either direction neither skips nor repeats an element. A bad
    // index changes nothing.
    int RemoveAt(int i) {
        if (i < 0 || i >= count) {
            return count;
        }
        for (int k = i; k + 1 < count; ++k) {
            array[static_cast<std::size_t>(k)] = std::move(array[static_cast<std::size_t>(k + 1)]);
        }
        count -= 1;
        array[static_cast<std::size_t>(count)].reset();
        if (i < cursor || (i == cursor && !backward_)) {
            cursor -= 1;
        }
        return count;
    }

    // None for an index outside the list.
    Ptr Get(int i) const {
        return i >= 0 && i < count ? array[static_cast<std::size_t>(i)] : Ptr();
    }

    // Forward walk: First, then Next until none.
    Ptr First() {
        backward_ = false;
        cursor = 0;
        return Get(0);
    }
    Ptr Next() {
        cursor += 1;
        return Get(cursor);
    }
    // Backward walk: Last, then Previous until none.
    Ptr Last() {
        backward_ = true;
        cursor = count - 1;
        return Get(cursor);
    }
    Ptr Previous() {
        cursor -= 1;
        return Get(cursor);
    }

    // Bad indexes change nothing.
    void Swap(int i, int j) {
        if (i < 0 || j < 0 || i >= count || j >= count) {
            return;
        }
        std::swap(array[static_cast<std::size_t>(i)], array[static_cast<std::size_t>(j)]);
    }

    void Clear() {
        array.clear();
        count = 0;
        cursor = 0;
        backward_ = false;
    }

  private:
    bool backward_ = false;
};

using iList = iCursorList<iPlayfield>;
using iList2 = iCursorList<iLayer>;
using iList3 = iCursorList<iLayerObject>;
using iList4 = iCursorList<iGuiObject>;
using iList5 = iCursorList<iTask>;
using iList6 = iCursorList<iEngineObject>;

// Walks a widget list by index; elements appended during the walk are visited too.
class iEnumerator {
  public:
    explicit iEnumerator(const iList4* list) : list_(list) {}
    bool HasNext() const { return list_ != nullptr && index_ < list_->count; }
    std::shared_ptr<iGuiObject> NextObject() {
        auto element = list_ != nullptr ? list_->Get(index_) : nullptr;
        index_ += 1;
        return element;
    }

  private:
    const iList4* list_ = nullptr;
    int index_ = 0;
};

inline iEnumerator Enumerate(const iList4& list) { return iEnumerator(&list); }

// What name searches fill; elements are only ever appended.
class iObjectList {
  public:
    int count = 0;
    std::vector<std::shared_ptr<iObject>> array;

    void AddLast(std::shared_ptr<iObject> x) {
        if (count == static_cast<int>(array.size())) {
            array.resize(static_cast<std::size_t>(count) * 2 + 10);
        }
        array[static_cast<std::size_t>(count)] = std::move(x);
        count += 1;
    }
    int Count() const { return count; }
    std::shared_ptr<iObject> Get(int i) const {
        return i >= 0 && i < count ? array[static_cast<std::size_t>(i)] : nullptr;
    }
};
