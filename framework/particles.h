// Short-lived sprite bursts: the stars of a picked-up coin or key, the splinters of a
// smashed wooden block.
#pragma once

#include <memory>
#include <vector>

#include "media/core/list.h"
#include "media/platform/image.h"

struct TWisp_Particle {
    float X = 0;
    float Y = 0;
    float SpeedX = 0;
    float SpeedY = 0;
    int Life = 0;
    int MaxLife = 0;
    int ImageIndex = 0;
    int Fades = 0;
    float Alpha = 1.0f;
    float Spin = 0;
    float Rotation = 0;

    void Init(float x, float y, float speedX, float speedY, int life, int imageIndex, float spin,
              int fades);
    void SetPosition(float x, float y);
    void Move();
    void Update();
};

struct TWisp_Particle_Emitter {
    List<TWisp_Particle> Particles;
    std::vector<Image> Images;
    int MaxImageIndex = 0;

    void Emit(float x, float y, float minSpeedX, float maxSpeedX, float minSpeedY, float maxSpeedY,
              int count, int life, float spin, int fades);
    void Update();
    void Draw();
    void DrawAtCamera();
    void Clear();
};

using Emitter = std::shared_ptr<TWisp_Particle_Emitter>;

// Every emitter of the run, in the order they were loaded; they live for the whole run.
extern List<TWisp_Particle_Emitter> Emitters;

void SpawnParticles(const Emitter& emitter, float x, float y, float minSpeedX, float maxSpeedX,
                    float minSpeedY, float maxSpeedY, int count, int life, float spin, int fades);
void UpdateEmitters();
void DrawEmittersAtCamera();
void DrawEmitters();
// Null clears every emitter.
void ClearEmitters(const Emitter& emitter);
// The particles alive in every emitter together.
int LiveParticleCount();
