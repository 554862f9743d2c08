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

TEST(ListsTest, GrowsToTwiceTheCountPlusTen) {
    Fixture f(0);
    EXPECT_EQ(f.list.Capacity(), 0);
    std::vector<int> capacities;
    for (int i = 0; i < 31; ++i) {
        f.list.AddLast(std::make_shared<iTask>());
        capacities.push_back(f.list.Capacity());
    }
    EXPECT_EQ(capacities[0], 10);
    EXPECT_EQ(capacities[9], 10);
    EXPECT_EQ(capacities[10], 30);
    EXPECT_EQ(capacities[30], 70);
    EXPECT_EQ(f.list.Count(), 31);
}

TEST(ListsTest, ForwardWalkSurvivesRemovalsAtBeforeAndAfterTheCursor) {
    // Removing the element under the cursor: the next one is not skipped.
    Fixture under(5);
    std::vector<int> seen;
    for (auto t = under.list.First(); t; t = under.list.Next()) {
        seen.push_back(under.Id(t));
        if (under.Id(t) == 1) {
            under.list.Remove(t.get());
        }
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3, 4}));

    // Removing an element that the walk has not reached yet: nothing is visited twice.
    Fixture ahead(5);
    seen.clear();
    for (auto t = ahead.list.First(); t; t = ahead.list.Next()) {
        seen.push_back(ahead.Id(t));
        if (ahead.Id(t) == 1) {
            ahead.list.Remove(ahead.tasks[3].get());
        }
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 4}));

    // Removing an element already visited.
    Fixture behind(5);
    seen.clear();
    for (auto t = behind.list.First(); t; t = behind.list.Next()) {
        seen.push_back(behind.Id(t));
        if (behind.Id(t) == 2) {
            behind.list.Remove(behind.tasks[0].get());
        }
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST(ListsTest, BackwardWalkSurvivesRemovals) {
    Fixture under(5);
    std::vector<int> seen;
    for (auto t = under.list.Last(); t; t = under.list.Previous()) {
        seen.push_back(under.Id(t));
        if (under.Id(t) == 3) {
            under.list.Remove(t.get());
        }
    }
    EXPECT_EQ(seen, (std::vector<int>{4, 3, 2, 1, 0}));

    Fixture lower(5);
    seen.clear();
    for (auto t = lower.list.Last(); t; t = lower.list.Previous()) {
        seen.push_back(lower.Id(t));
        if (lower.Id(t) == 3) {
            lower.list.Remove(lower.tasks[1].get());
        }
    }
    EXPECT_EQ(seen, (std::vector<int>{4, 3, 2, 0}));

    Fixture visited(5);
    seen.clear();
    for (auto t = visited.list.Last(); t; t = visited.list.Previous()) {
        seen.push_back(visited.Id(t));
        if (visited.Id(t) == 2) {
            visited.list.Remove(visited.tasks[4].get());
        }
    }
    EXPECT_EQ(seen, (std::vector<int>{4, 3, 2, 1, 0}));
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

    Fixture empty(0);
    EXPECT_EQ(empty.list.Remove(stranger.get()), 0);
    EXPECT_EQ(empty.list.First(), nullptr);
    EXPECT_EQ(empty.list.Last(), nullptr);
}

TEST(ListsTest, RemovedEntriesAreReleased) {
    Fixture f(2);
    std::weak_ptr<iTask> watch = f.tasks[1];
    f.list.Remove(f.tasks[1].get());
    f.tasks[1].reset();
    EXPECT_TRUE(watch.expired());
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
