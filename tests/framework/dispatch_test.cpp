// The frame chain and the engine's dispatch: switches, input reset, countdowns, pause, the
// destroy list, collisions and render order.
#include <functional>
#include <memory>
#include <vector>

#include "framework/layer.h"
#include "framework/layer_shapes.h"
#include "framework/playfield.h"
#include "framework/scene_fixture.h"

namespace {

class ProbeEngine : public iEngine {
  public:
    int updates = 0;
    int renders = 0;
    bool sawKeyA = false;
    std::function<void(ProbeEngine&)> onUpdate;

    int OnUpdate() override {
        ++updates;
        sawKeyA = platform::KeyDown(65);
        if (onUpdate) {
            onUpdate(*this);
        }
        return 0;
    }
    int OnRenderHook() override {
        ++renders;
        return 0;
    }
};

std::shared_ptr<ProbeEngine> MakeScreen() {
    auto screen = std::make_shared<ProbeEngine>();
    screen->Create();
    return screen;
}

class LoggingObject : public iEngineObject {
  public:
    std::vector<String>* log = nullptr;
    std::shared_ptr<iEngineObject> queueWhenDestroyed;
    void Destroy() override {
        log->push_back(name);
        if (queueWhenDestroyed) {
            AddToDestroyList(queueWhenDestroyed);
        }
    }
};

std::shared_ptr<LoggingObject> MakeLogged(const String& name, std::vector<String>& log) {
    auto object = std::make_shared<LoggingObject>();
    object->name = name;
    object->log = &log;
    return object;
}

std::shared_ptr<iTask> MakeTask(int status) {
    auto task = std::make_shared<iTask>();
    task->status = status;
    return task;
}

class CountingObject : public iLayerRectangle {
  public:
    int updates = 0;
    void Update() override { ++updates; }
};

class CountingPlayfield : public iPlayfield {
  public:
    int updates = 0;
    int OnUpdate() override {
        ++updates;
        return 0;
    }
};

using DispatchTest = SceneTest;

} // namespace

TEST_F(DispatchTest, NewSceneIsDrawnOnlyAfterItsFirstLogicStep) {
    auto title = MakeScreen();
    SwitchScene(title);
    Frame();
    EXPECT_EQ(title->renders, 0);
    EXPECT_TRUE(graphics.commands.empty());

    Step();
    Frame();
    EXPECT_EQ(title->updates, 1);
    EXPECT_EQ(title->renders, 1);
    ASSERT_FALSE(graphics.commands.empty());
    EXPECT_EQ(graphics.commands.front().kind, platform::DrawCommand::Clear);
}

TEST_F(DispatchTest, RenderCountdownSkipsFramesAndRemovedSceneIsLeftAlone) {
    auto screen = MakeScreen();
    SwitchScene(screen);
    Step();
    screen->renderCountdown = 3;
    Frame();
    Frame();
    EXPECT_EQ(screen->renders, 0);
    EXPECT_EQ(screen->renderCountdown, 1);
    Frame();
    EXPECT_EQ(screen->renders, 1);

    screen->renderCountdown = 3;
    screen->status = 0;
    Frame();
    EXPECT_EQ(screen->renders, 1);
    EXPECT_EQ(screen->renderCountdown, 3);
}

TEST_F(DispatchTest, SwitchDuringUpdateFinishesTheStepOnTheOldEngine) {
    auto first = MakeScreen();
    auto second = MakeScreen();
    ProbeEngine* next = second.get();
    first->onUpdate = [next](ProbeEngine& self) {
        if (self.updates == 2) {
            SwitchScene(next->SelfAs<iScene>());
        }
    };
    SwitchScene(first);
    Step();
    auto firstTask = MakeTask(4);
    auto secondTask = MakeTask(3);
    first->tasks.AddLast(firstTask);
    second->tasks.AddLast(secondTask);
    second->colorFactor = 0.5f;
    second->frameCount = 9;

    // The switch asked for during this update waits for the next dispatch.
    Step();
    EXPECT_EQ(CurrentScene, first);
    EXPECT_EQ(first->frameCount, 2);
    EXPECT_EQ(firstTask->status, 3);

    // The dispatch that performs the switch counts down the old engine's tasks only.
    Step();
    EXPECT_EQ(CurrentScene, second);
    EXPECT_EQ(CurrentEngine, second);
    EXPECT_EQ(first->updates, 2);
    EXPECT_EQ(second->updates, 1);
    EXPECT_EQ(second->frameCount, 1);
    EXPECT_FLOAT_EQ(second->colorFactor, 1.0f);
    EXPECT_EQ(firstTask->status, 2);
    EXPECT_EQ(secondTask->status, 3);

    Step();
    EXPECT_EQ(secondTask->status, 2);
    EXPECT_EQ(firstTask->status, 2);
}

TEST_F(DispatchTest, InputIsResetOnlyWhenTheSceneBeingLeftHadStarted) {
    auto first = MakeScreen();
    auto second = MakeScreen();
    SwitchScene(first);
    Step();
    EXPECT_TRUE(first->started);

    // An ordinary switch: the held key reads as up on the new screen.
    platform::Input().Press(65);
    SwitchScene(second);
    Step();
    EXPECT_FALSE(second->sawKeyA);
    EXPECT_FALSE(first->started);
    EXPECT_TRUE(second->started);

    // A screen created during another one's update takes over without a reset.
    auto created = std::make_shared<ProbeEngine>();
    ProbeEngine* handle = created.get();
    second->onUpdate = [handle](ProbeEngine&) {
        handle->Create();
        SwitchScene(handle->SelfAs<iScene>());
    };
    Step();
    second->onUpdate = nullptr;
    EXPECT_EQ(CurrentScene, created);
    platform::Input().Press(65);
    Step();
    EXPECT_TRUE(created->sawKeyA);
    EXPECT_TRUE(second->started);
    EXPECT_FALSE(created->fresh);

    // Returning to a screen seen before: its fresh flag stays clear.
    SwitchScene(first);
    Step();
    EXPECT_FALSE(first->fresh);
    EXPECT_FALSE(first->sawKeyA);
}

TEST_F(DispatchTest, DestroyListIsDrainedAtTheEndOfTheDispatch) {
    std::vector<String> log;
    auto screen = MakeScreen();
    SwitchScene(screen);
    auto queuedByDestroy = MakeLogged(u"queued", log);
    auto first = MakeLogged(u"first", log);
    first->queueWhenDestroyed = queuedByDestroy;
    auto skipped = MakeLogged(u"skipped", log);
    skipped->skipDestroy = 1;
    auto duringUpdate = MakeLogged(u"during", log);
    int countSeenInUpdate = -1;
    LoggingObject* lateObject = duringUpdate.get();
    screen->onUpdate = [&countSeenInUpdate, lateObject](ProbeEngine&) {
        countSeenInUpdate = DestroyList.Count();
        AddToDestroyList(lateObject->SelfAs<iEngineObject>());
    };
    AddToDestroyList(first);
    AddToDestroyList(skipped);

    Step();
    EXPECT_EQ(countSeenInUpdate, 2);
    EXPECT_EQ(log, (std::vector<String>{u"first", u"during", u"queued"}));
    EXPECT_EQ(DestroyList.Count(), 0);
}

TEST_F(DispatchTest, WaitingStatusSkipsLogicUntilItReachesOne) {
    auto screen = MakeScreen();
    SwitchScene(screen);
    screen->status = 3;
    Step(2);
    EXPECT_EQ(screen->updates, 0);
    EXPECT_EQ(screen->status, 1);
    EXPECT_EQ(screen->frameCount, 0);
    Step();
    EXPECT_EQ(screen->updates, 1);
}

TEST_F(DispatchTest, PausedEngineStillCountsTasksAndDrainsDestroyList) {
    std::vector<String> log;
    auto screen = MakeScreen();
    auto playfield = std::make_shared<CountingPlayfield>();
    playfield->New();
    playfield->AddToEngine(*screen);
    SwitchScene(screen);
    Step();
    screen->paused = true;
    auto task = MakeTask(3);
    screen->tasks.AddLast(task);
    AddToDestroyList(MakeLogged(u"gone", log));

    Step();
    EXPECT_EQ(screen->updates, 1);
    EXPECT_EQ(playfield->updates, 1);
    EXPECT_EQ(screen->frameCount, 1);
    EXPECT_EQ(task->status, 2);
    EXPECT_EQ(log, std::vector<String>{u"gone"});
}

TEST_F(DispatchTest, DispatchesPerUpdateFollowTheSwitch) {
    auto first = MakeScreen();
    auto second = MakeScreen();
    ProbeEngine* next = second.get();
    first->onUpdate = [next](ProbeEngine&) { SwitchScene(next->SelfAs<iScene>()); };
    SwitchScene(first);
    DispatchesPerUpdate = 2;
    Step();
    EXPECT_EQ(first->updates, 1);
    EXPECT_EQ(second->updates, 1);

    DispatchesPerUpdate = 0;
    Step();
    EXPECT_EQ(second->updates, 1);
}

TEST_F(DispatchTest, SwitchSceneAsksForSixtyOnlyWhenTheRateDiffers) {
    auto screen = MakeScreen();
    platform::SetUpdateRate(30);
    SwitchSceneKeepRate(screen);
    EXPECT_EQ(platform::GetUpdateRate(), 30);
    EXPECT_EQ(UpdateRate, 0);

    SwitchScene(screen);
    EXPECT_EQ(platform::GetUpdateRate(), 60);
    EXPECT_EQ(UpdateRate, 60);

    platform::SetUpdateRate(30);
    SwitchScene(screen);
    EXPECT_EQ(platform::GetUpdateRate(), 30);
    EXPECT_EQ(PendingScene, screen);
}

TEST_F(DispatchTest, RenderHookRunsOnceInWindowSpaceWithoutPlayfields) {
    auto screen = MakeScreen();
    SwitchScene(screen);
    Step();
    Frame();
    EXPECT_EQ(screen->renders, 1);

    for (int i = 0; i < 2; ++i) {
        auto playfield = std::make_shared<iPlayfield>();
        playfield->New();
        playfield->AddToEngine(*screen);
    }
    Frame();
    EXPECT_EQ(screen->renders, 3);
    EXPECT_EQ(GraphicsStateDepth(), 0);
}

TEST_F(DispatchTest, LayerSharedByTwoPlayfieldsIsUpdatedOncePerStep) {
    auto screen = MakeScreen();
    auto layer = std::make_shared<iLayer>();
    layer->Init();
    for (int i = 0; i < 2; ++i) {
        auto playfield = std::make_shared<iPlayfield>();
        playfield->New();
        playfield->layers.AddLast(layer);
        playfield->AddToEngine(*screen);
    }
    auto object = std::make_shared<CountingObject>();
    layer->AddObject(object);
    SwitchScene(screen);

    Step();
    EXPECT_EQ(object->updates, 1);
    Step(2);
    EXPECT_EQ(object->updates, 3);
}

TEST_F(DispatchTest, CollisionPassRemovesAndCreditsAsTheRulesSay) {
    auto screen = MakeScreen();
    SwitchScene(screen);
    auto makeBox = [](float x, int hitPoints, int points) {
        auto box = std::make_shared<iLayerRectangle>();
        box->width = 10;
        box->height = 10;
        box->x = x;
        box->hitPoints = hitPoints;
        box->points = points;
        CurrentEngine->defaultLayer->AddObject(box);
        return box;
    };
    // 3 against 1: the second uses the first's hit points from before the step.
    auto strong = makeBox(0, 3, 5);
    auto weak = makeBox(5, 1, 7);
    strong->AddToCollisionsA();
    weak->AddToCollisionsB();
    weak->counted = true;
    Step();
    EXPECT_EQ(strong->hitPoints, 2);
    EXPECT_EQ(weak->hitPoints, 0);
    EXPECT_EQ(weak->status, 0);
    EXPECT_EQ(strong->status, 1);
    EXPECT_EQ(strong->score, 7);
    EXPECT_TRUE(strong->ghost);
    EXPECT_EQ(screen->destroyedCount, 1);
    EXPECT_EQ(screen->collisionsB.Count(), 0);

    // Two invulnerable objects remove each other, each credited with the other's points.
    auto left = makeBox(100, 1, 2);
    auto right = makeBox(104, 1, 3);
    left->invulnerable = true;
    right->invulnerable = true;
    left->AddToCollisionsA();
    right->AddToCollisionsB();
    Step();
    EXPECT_EQ(left->status, 0);
    EXPECT_EQ(right->status, 0);
    EXPECT_EQ(left->score, 3);
    EXPECT_EQ(right->score, 2);
    EXPECT_EQ(screen->collisionsA.Count(), 1);
}
