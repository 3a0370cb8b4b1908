#include "game/items.h"

#include "framework/camera.h"
#include "game/world_assets.h"
#include "media/platform/display.h"

float GoalAngle = 0.0f;
std::function<void()> FinishSequence;

namespace {

// Eight stars from the centre of the cell: two each up, left, down and right.
void SparkleBurst(const Emitter& emitter, float x, float y)
{
    const float speeds[4][2] = {{0, -2}, {-2, 0}, {0, 2}, {2, 0}};
    for (const auto& speed : speeds) {
        SpawnParticles(emitter, x + HalfCell, y + HalfCell, speed[0], speed[0], speed[1], speed[1],
                       1, 15, 2.0f, 1);
    }
}

}  // namespace

void TCoin::Trigger(int)
{
    SparkleBurst(CoinSparkles, X, Y);
}

void TCoin::OnSpawn()
{
    Kind = ObjectKind::Coin;
    CenterImageHandle(CoinImage);
}

void TCoin::OnRemove() {}

void TCoin::Draw()
{
    SetDrawScale(Scale, Scale);
    DrawImageAtCamera(CoinImage, X + HalfCell, Y + HalfCell, 0);
    SetDrawScale(1, 1);
}

void TCoin::Update()
{
    if (Growing != 0) {
        Scale += 0.01f;
        if (Scale >= 1.15f)
            Growing = 0;
    } else {
        Scale -= 0.01f;
        if (Scale <= 0.85f)
            Growing = 1;
    }
}

void TKey::Trigger(int)
{
    SparkleBurst(KeySparkles, X, Y);
}

void TKey::OnSpawn()
{
    Kind = ObjectKind::Key;
}

void TKey::OnRemove() {}

void TKey::Draw()
{
    DrawImageAtCamera(KeyImage, X, Y, 0);
}

void TKey::Update() {}

void TGoal::Trigger(int)
{
    if (FinishSequence)
        FinishSequence();
}

void TGoal::OnSpawn()
{
    Kind = ObjectKind::Goal;
    CenterImageHandle(GoalImage);
}

void TGoal::OnRemove() {}

void TGoal::Draw()
{
    SetDrawRotation(GoalAngle);
    DrawImageAtCamera(GoalImage, X + HalfCell, Y + HalfCell, 0);
    SetDrawRotation(0);
}

void TGoal::Update()
{
    GoalAngle += 0.3f;
    if (GoalAngle >= 360.0f)
        GoalAngle = 0.0f;
}
