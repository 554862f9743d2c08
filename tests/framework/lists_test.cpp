// The framework lists: growth, walks that survive removals in either direction, and bad indexes.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/engine.h"
#include "framework/lists.h"
#include "framework/task.h"
#include "gui/gui_object.h"

namespace {

struct Fixture {
    iList5 list;
    std::vector<std::shared_ptr<iTask>> tasks;

    explicit Fixture(int count) {
        for (int i = 0; i < count; ++i) {
            auto task = std::make_shared<iTask>();
            task->renderCountdown = i;
            tasks.push_back(task);
            list.AddLast(task);
        }
    }
    int Id(const std::shared_ptr<iTask>& task) const { return task ? task->renderCountdown : -1; }
};

} // namespace

TEST(ListsTest, WalksSurviveRemovalsUnderAheadOfAndBehindTheCursor) {
    struct Case {
        const char* name;
        bool backward;
        int removeWhenAt, removed;
        std::vector<int> seen;
    };
    const Case cases[] = {
        // Removing the element under the cursor: the next one is not skipped.
        {"forward, under", false, 1, 1, {0, 1, 2, 3, 4}},
        // Removing an element the walk has not reached yet: nothing is visited twice.
        {"forward, ahead", false, 1, 3, {0, 1, 2, 4}},
        {"forward, behind", false, 2, 0, {0, 1, 2, 3, 4}},
        {"backward, under", true, 3, 3, {4, 3, 2, 1, 0}},
        {"backward, ahead", true, 3, 1, {4, 3, 2, 0}},
        {"backward, behind", true, 2, 4, {4, 3, 2, 1, 0}},
    };
    for (const Case& c : cases) {
        Fixture f(5);
        std::vector<int> seen;
        for (auto t = c.backward ? f.list.Last() : f.list.First(); t;
             t = c.backward ? f.list.Previous() : f.list.Next()) {
            seen.push_back(f.Id(t));
            if (f.Id(t) == c.removeWhenAt)
                f.list.Remove(f.tasks[static_cast<std::size_t>(c.removed)].get());
        }
        EXPECT_EQ(seen, c.seen) << c.name;
    }
}

TEST(ListsTest, AbsentElementsAndBadIndexesChangeNothing) {
    Fixture f(3);
    auto stranger = std::make_shared<iTask>();
    EXPECT_EQ(f.list.Remove(stranger.get()), 3);
    EXPECT_EQ(f.list.IndexOf(stranger.get()), -1);
    EXPECT_EQ(f.list.RemoveAt(-1), 3);
    EXPECT_EQ(f.list.RemoveAt(3), 3);
    EXPECT_EQ(f.list.Get(3), nullptr);
    EXPECT_EQ(f.list.Get(-1), nullptr);
    f.list.Swap(0, 7);
    EXPECT_EQ(f.Id(f.list.Get(0)), 0);
    f.list.Swap(0, 2);
    EXPECT_EQ(f.Id(f.list.Get(0)), 2);

    // A removed entry is released, not kept alive by a stale slot.
    std::weak_ptr<iTask> watch = f.tasks[1];
    f.list.Remove(f.tasks[1].get());
    f.tasks[1].reset();
    EXPECT_TRUE(watch.expired());

    Fixture empty(0);
    EXPECT_EQ(empty.list.Remove(stranger.get()), 0);
    EXPECT_EQ(empty.list.First(), nullptr);
    EXPECT_EQ(empty.list.Last(), nullptr);
}

TEST(ListsTest, EnumeratorSeesElementsAppendedDuringTheWalk) {
    // Widgets need an engine and a playfield; the global ones are released at the end.
    iList4 list;
    list.AddLast(std::make_shared<iGuiObject>());
    auto walk = Enumerate(list);
    int visited = 0;
    while (walk.HasNext()) {
        walk.NextObject();
        if (++visited == 1) {
            list.AddLast(std::make_shared<iGuiObject>());
        }
    }
    EXPECT_EQ(visited, 2);
    ResetFrameworkGlobals();
}
