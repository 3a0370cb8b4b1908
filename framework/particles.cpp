#include "framework/particles.h"

#include <cassert>

#include "media/core/random.h"

List<TWisp_Particle_Emitter> Emitters;

void TWisp_Particle::Init(float x, float y, float speedX, float speedY, int life, int imageIndex,
                          float spin, int fades)
{
    X = x;
    Y = y;
    SpeedX = speedX;
    SpeedY = speedY;
    Life = life;
    MaxLife = life;
    ImageIndex = imageIndex;
    Fades = fades;
    Spin = spin;
}

void TWisp_Particle::SetPosition(float x, float y)
{
    X = x;
    Y = y;
}

void TWisp_Particle::Move()
{
    X += SpeedX;
    Y += SpeedY;
}

void TWisp_Particle::Update()
{
    Move();
    Life -= 1;
    Rotation += Spin;
    if (!Fades)
        return;
    // Opaque for about two thirds of the life, then slightly see-through. The middle step
    // only catches one update of a few short lifetimes; the constants are single precision.
    if (Life < MaxLife / 3)
        Alpha = 0.9f;
    else if (static_cast<float>(Life) < static_cast<float>(MaxLife) / 3.3f)
        Alpha = 0.7f;
    else
        Alpha = 1.0f;
}

void TWisp_Particle_Emitter::Emit(float x, float y, float minSpeedX, float maxSpeedX,
                                  float minSpeedY, float maxSpeedY, int count, int life,
                                  float spin, int fades)
{
    assert(!Images.empty() && "an emitter needs images before it emits: make it with LoadEmitter");
    // count + 1 particles, and the random numbers drawn image first, then y, then x: a
    // seed gives the same burst on every run.
    for (int i = 0; i <= count; ++i) {
        auto particle = std::make_shared<TWisp_Particle>();
        const int imageIndex = RandomInt(0, MaxImageIndex);
        const auto speedY = static_cast<float>(RandomReal(minSpeedY, maxSpeedY));
        const auto speedX = static_cast<float>(RandomReal(minSpeedX, maxSpeedX));
        particle->Init(x, y, speedX, speedY, life, imageIndex, spin, fades);
        Particles.Append(std::move(particle));
    }
}

void TWisp_Particle_Emitter::Update()
{
    // The walk survives the removal of the particle it stands on.
    for (const std::shared_ptr<TWisp_Particle>& particle : Particles) {
        particle->Update();
        if (particle->Life <= 0)
            Particles.Remove(particle.get());
    }
}

void TWisp_Particle_Emitter::Clear()
{
    Particles.Clear();
}

void SpawnParticles(const Emitter& emitter, float x, float y, float minSpeedX, float maxSpeedX,
                    float minSpeedY, float maxSpeedY, int count, int life, float spin, int fades)
{
    emitter->Emit(x, y, minSpeedX, maxSpeedX, minSpeedY, maxSpeedY, count, life, spin, fades);
}

void UpdateEmitters()
{
    for (const Emitter& emitter : Emitters)
        emitter->Update();
}

void ClearEmitters(const Emitter& emitter)
{
    if (emitter) {
        emitter->Clear();
        return;
    }
    for (const Emitter& each : Emitters)
        each->Clear();
}

int LiveParticleCount()
{
    int count = 0;
    for (const Emitter& emitter : Emitters)
        count += ListCount(emitter->Particles);
    return count;
}
