#include "frontend/editor_drawing.h"

#include <cstddef>

#include "game/grid.h"
#include "game/world_assets.h"
#include "media/platform/display.h"
#include "media/platform/image.h"

namespace {

// The round parts' pictures have their handle at their centre, as their objects set it.
void DrawCentred(const Image& image, float x, float y)
{
    DrawImageFrame(image, x + HalfCell, y + HalfCell, 0);
}

void DrawSwitchPart(SwitchPart part, float x, float y)
{
    const auto color = static_cast<std::size_t>(part.color);
    switch (part.kind) {
    case SwitchKind::Goal: DrawCentred(GoalImage, x, y); break;
    case SwitchKind::Static: DrawImageFrame(StaticButtonImages[color], x, y, 0); break;
    case SwitchKind::Active: DrawImageFrame(ActiveButtonImages[color], x, y, 0); break;
    case SwitchKind::Gate: DrawImageFrame(GateImages[color], x, y, 0); break;
    case SwitchKind::Start: DrawCentred(PlayerImage, x, y); break;
    default: break;
    }
}

void DrawItemPart(ItemKind kind, float x, float y)
{
    switch (kind) {
    case ItemKind::Woody: DrawImageFrame(WoodyImage, x, y, 0); break;
    case ItemKind::Boxy: DrawImageFrame(BoxyImage, x, y, 0); break;
    case ItemKind::Boulder: DrawCentred(BoulderImage, x, y); break;
    case ItemKind::Key: DrawImageFrame(KeyImage, x, y, 0); break;
    case ItemKind::Coin: DrawCentred(CoinImage, x, y); break;
    default: break;
    }
}

}  // namespace

void CentreRoundPictures()
{
    for (const Image* image : {&GoalImage, &PlayerImage, &BoulderImage, &CoinImage})
        CenterImageHandle(*image);
}

void DrawLevelPart(LevelLayer layer, int code, float x, float y)
{
    const auto byte = static_cast<uint8_t>(code);
    if (layer == LevelLayer::Ground) {
        const GroundPart part = GroundOf(byte);
        const auto variant = static_cast<std::size_t>(part.variant);
        if (part.kind == GroundKind::Floor)
            DrawImageFrame(FloorImages[variant], x, y, 0);
        else if (part.kind == GroundKind::Wall)
            DrawImageFrame(WallImages[variant], x, y, 0);
    } else if (layer == LevelLayer::Switch) {
        DrawSwitchPart(SwitchOf(byte), x, y);
    } else {
        DrawItemPart(ItemOf(byte), x, y);
    }
}

void DrawEditedLevel(const LevelData& level)
{
    const float width = MapWidth * CellSize, height = MapHeight * CellSize;
    SetDrawColor(0, 0, 0);
    SetDrawAlpha(0.45f);
    FillRect(MapOffsetX, MapOffsetY, width, height);
    SetDrawColor(255, 255, 255);
    SetDrawAlpha(0.12f);
    for (int column = 0; column <= MapWidth; ++column)
        FillRect(static_cast<float>(MapOffsetX + CellSize * column), MapOffsetY, 1, height);
    for (int row = 0; row <= MapHeight; ++row)
        FillRect(MapOffsetX, static_cast<float>(MapOffsetY + CellSize * row), width, 1);
    SetDrawAlpha(1);
    // The game's order: every ground, then every switch, then every item.
    for (const LevelLayer layer : {LevelLayer::Ground, LevelLayer::Switch, LevelLayer::Item}) {
        for (int cell = 0; cell < LevelCellCount; ++cell) {
            const LevelCell& parts = level.cells[cell];
            const int code = layer == LevelLayer::Ground ? parts.ground
                             : layer == LevelLayer::Switch ? parts.switches : parts.item;
            const auto x = static_cast<float>(MapOffsetX + CellSize * (cell / MapHeight));
            const auto y = static_cast<float>(MapOffsetY + CellSize * (cell % MapHeight));
            if (code != 0)
                DrawLevelPart(layer, code, x, y);
        }
    }
}

void DrawCellFrame(float x, float y, int size)
{
    const auto s = static_cast<float>(size);
    FillRect(x, y, s, 2);
    FillRect(x, y + s - 2, s, 2);
    FillRect(x, y, 2, s);
    FillRect(x + s - 2, y, 2, s);
}
