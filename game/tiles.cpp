#include "game/tiles.h"

#include "framework/camera.h"
#include "game/world_assets.h"

void TWally::Trigger(int) {}

void TWally::OnSpawn()
{
    Kind = ObjectKind::Wally;
}

void TWally::OnRemove() {}

void TWally::Draw()
{
    DrawImageAtCamera(WallImages[static_cast<std::size_t>(Variant)], X, Y, 0);
}

void TWally::Update() {}

void TFloory::Trigger(int) {}

void TFloory::OnSpawn()
{
    Kind = ObjectKind::Floory;
}

void TFloory::OnRemove() {}

void TFloory::Draw()
{
    DrawImageAtCamera(FloorImages[static_cast<std::size_t>(Variant)], X, Y, 0);
}

void TFloory::Update() {}
