// The camera: a drawing offset added to everything in the level. The game never moves it.
#pragma once

#include "media/platform/image.h"

extern float CameraX;
extern float CameraY;

namespace TWisp_Camera {
void SetPosition(float x, float y);
void Move(float dx, float dy);
}  // namespace TWisp_Camera

void SetCamera(float x, float y);
void MoveCamera(float dx, float dy);
void DrawImageAtCamera(const Image& image, float x, float y, int frame);
