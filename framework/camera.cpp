#include "framework/camera.h"

float CameraX = 0;
float CameraY = 0;

void TWisp_Camera::SetPosition(float x, float y)
{
    CameraX = x;
    CameraY = y;
}

void TWisp_Camera::Move(float dx, float dy)
{
    CameraX += dx;
    CameraY += dy;
}

void SetCamera(float x, float y)
{
    TWisp_Camera::SetPosition(x, y);
}

void MoveCamera(float dx, float dy)
{
    TWisp_Camera::Move(dx, dy);
}

void DrawImageAtCamera(const Image& image, float x, float y, int frame)
{
    DrawImageFrame(image, x + CameraX, y + CameraY, frame);
}
