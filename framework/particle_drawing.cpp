#include "framework/camera.h"
#include "framework/particles.h"
#include "media/platform/display.h"

namespace {

// Oldest first, so newer particles cover older ones. Rotation and alpha are set for each
// particle alone and put back, as for every single picture the game draws.
template <class DrawFrame>
void DrawParticles(TWisp_Particle_Emitter& emitter, DrawFrame drawFrame)
{
    for (const std::shared_ptr<TWisp_Particle>& particle : emitter.Particles) {
        SetDrawAlpha(particle->Alpha);
        SetDrawRotation(particle->Rotation);
        drawFrame(emitter.Images[static_cast<size_t>(particle->ImageIndex)], particle->X,
                  particle->Y, 0);
        SetDrawRotation(0);
        SetDrawAlpha(1.0f);
    }
}

}  // namespace

void TWisp_Particle_Emitter::Draw()
{
    DrawParticles(*this, DrawImageFrame);
}

void TWisp_Particle_Emitter::DrawAtCamera()
{
    DrawParticles(*this, DrawImageAtCamera);
}

void DrawEmittersAtCamera()
{
    for (const Emitter& emitter : Emitters)
        emitter->DrawAtCamera();
}

void DrawEmitters()
{
    for (const Emitter& emitter : Emitters)
        emitter->Draw();
}
