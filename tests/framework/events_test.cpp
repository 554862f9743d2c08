// The event list (one record per name and source, identity that survives the source), the
// swipe's tracking and inertia, and the vector.
#include <new>

#include <gtest/gtest.h>

#include "framework/events.h"
#include "platform/input.h"

namespace {

class EventListTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetEventList(); }
    void TearDown() override { ResetEventList(); }
};

} // namespace

TEST_F(EventListTest, EachPairIsRecordedOnceInTheOrderFirstRaised) {
    auto a = std::make_shared<iObject>();
    auto b = std::make_shared<iObject>();
    EXPECT_FALSE(iEvent::Check(a.get(), u"ok.Hit"));
    const auto first = iEvent::Raise(a.get(), u"ok.Hit");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->name, u"ok.Hit");
    EXPECT_EQ(first->source.lock(), a);
    EXPECT_FALSE(iEvent::Raise(a.get(), u"ok.Hit"));
    EXPECT_TRUE(iEvent::Raise(b.get(), u"ok.Hit"));
    EXPECT_TRUE(iEvent::Raise(a.get(), u"ok.Released"));
    // Names compare exactly.
    EXPECT_TRUE(iEvent::Raise(a.get(), u"ok.hit"));
    EXPECT_TRUE(iEvent::Check(a.get(), u"ok.Hit"));
    EXPECT_FALSE(iEvent::Check(b.get(), u"ok.Released"));
    ASSERT_EQ(TheEventList.Count(), 4);
    EXPECT_EQ(TheEventList.Get(0), first);
    EXPECT_EQ(TheEventList.Get(2)->name, u"ok.Released");
}

TEST_F(EventListTest, TheListDoesNotKeepItsSourcesAlive) {
    auto widget = std::make_shared<iObject>();
    std::weak_ptr<iObject> watch = widget;
    iEvent::Raise(widget.get(), u"Hit");
    widget.reset();
    EXPECT_TRUE(watch.expired());
    EXPECT_EQ(TheEventList.Count(), 1);
    EXPECT_TRUE(TheEventList.Get(0)->source.expired());
}

TEST_F(EventListTest, ANewObjectAtADeadSourcesAddressIsAnotherSource) {
    // Force the case the allocator may produce by chance: two objects at one address.
    alignas(iObject) unsigned char storage[sizeof(iObject)];
    auto destroyOnly = [](iObject* object) { object->~iObject(); };
    std::shared_ptr<iObject> first(new (storage) iObject(), destroyOnly);
    iEvent::Raise(first.get(), u"Hit");
    first.reset();
    std::shared_ptr<iObject> second(new (storage) iObject(), destroyOnly);
    EXPECT_FALSE(iEvent::Check(second.get(), u"Hit"));
    EXPECT_TRUE(iEvent::Raise(second.get(), u"Hit"));
    second.reset();
}

TEST_F(EventListTest, SourcesNotOwnedBySharedReferencesStillCount) {
    iObject plain;
    EXPECT_TRUE(iEvent::Raise(&plain, u"Down"));
    EXPECT_FALSE(iEvent::Raise(&plain, u"Down"));
    EXPECT_TRUE(iEvent::Check(&plain, u"Down"));
    EXPECT_TRUE(iEvent::Raise(nullptr, u"Down"));
    EXPECT_FALSE(iEvent::Raise(nullptr, u"Down"));
}

namespace {

class SwipeTest : public ::testing::Test {
  protected:
    void SetUp() override { platform::Input() = platform::InputDevice{}; }
    void TearDown() override { platform::Input() = platform::InputDevice{}; }
};

} // namespace

TEST_F(SwipeTest, AFlickAddsAShareOfTheMovementThenSlowsDown) {
    iSwipe swipe;
    platform::Input().MoveMouse(100, 200);
    swipe.Update(0);
    EXPECT_EQ(swipe.state, 0);
    platform::Input().Press(1);
    swipe.Update(0);
    EXPECT_EQ(swipe.state, 1);
    EXPECT_FLOAT_EQ(swipe.velocityX, 0.0f);
    platform::Input().MoveMouse(150, 180);
    swipe.Update(0);
    EXPECT_FLOAT_EQ(swipe.velocityX, 5.0f);
    EXPECT_FLOAT_EQ(swipe.velocityY, -2.0f);
    platform::Input().MoveMouse(170, 180);
    swipe.Update(0);
    EXPECT_FLOAT_EQ(swipe.velocityX, 7.0f);

    platform::Input().Release(1);
    platform::Input().MoveMouse(500, 500);
    swipe.Update(0);
    EXPECT_EQ(swipe.state, 0);
    EXPECT_FLOAT_EQ(swipe.velocityX, 7.0f);
    swipe.ApplyFriction();
    EXPECT_FLOAT_EQ(swipe.velocityX, 7.0f * 0.94f);
    EXPECT_FLOAT_EQ(swipe.velocityY, -2.0f * 0.94f);

    // A new touch starts from where it lands: the jump to it is no movement.
    platform::Input().Press(1);
    swipe.Update(0);
    EXPECT_FLOAT_EQ(swipe.velocityX, 7.0f * 0.94f);
}

TEST_F(SwipeTest, TouchIndexesOutsideTheDeviceAreSafe) {
    iSwipe swipe;
    platform::Input().MoveMouse(300, 300);
    // Index 40 has no position but follows the state of code 424.
    platform::Input().Press(424);
    swipe.Update(40);
    EXPECT_EQ(swipe.state, 1);
    EXPECT_FLOAT_EQ(swipe.lastX, 0.0f);
    platform::Input().Release(424);
    swipe.Update(40);
    EXPECT_EQ(swipe.state, 0);

    // Codes beyond the device, or below it, count as up.
    platform::Input().Press(1);
    for (int index : {128, 1000, -385, -1000, -2147483647, 2147483647})
        swipe.Update(index);
    EXPECT_EQ(swipe.state, 0);
    EXPECT_FLOAT_EQ(swipe.velocityX, 0.0f);
}
