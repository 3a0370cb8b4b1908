#include "framework/particles.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>
#include <vector>

#include "media/core/random.h"

namespace {

// Emitters with image slots but no pictures: nothing here draws.
Emitter MakeEmitter(int imageCount)
{
    auto emitter = std::make_shared<TWisp_Particle_Emitter>();
    emitter->Images.assign(static_cast<size_t>(imageCount), nullptr);
    emitter->MaxImageIndex = imageCount - 1;
    return emitter;
}

std::vector<std::shared_ptr<TWisp_Particle>> Live(TWisp_Particle_Emitter& emitter)
{
    std::vector<std::shared_ptr<TWisp_Particle>> particles;
    for (const auto& particle : emitter.Particles)
        particles.push_back(particle);
    return particles;
}

// One particle of the given life, updated until it dies; the alpha after each update
// that leaves it alive, keyed by its remaining life.
std::map<int, float> AlphaOverLife(int life, int fades)
{
    Emitter emitter = MakeEmitter(1);
    emitter->Emit(0, 0, 0, 0, 0, 0, 0, life, 0, fades);
    const std::shared_ptr<TWisp_Particle> particle = Live(*emitter).at(0);
    std::map<int, float> alphas;
    while (emitter->Particles.Count() > 0) {
        emitter->Update();
        if (particle->Life > 0)
            alphas[particle->Life] = particle->Alpha;
    }
    return alphas;
}

struct EmittersTest : testing::Test {
    ~EmittersTest() override { Emitters.Clear(); }
};

}  // namespace

TEST(Particles, EmitMakesCountPlusOneParticlesAtOnePoint)
{
    Emitter emitter = MakeEmitter(1);
    emitter->Emit(66, 41, 0, 0, -2, -2, 0, 15, 2.0f, 1);
    EXPECT_EQ(emitter->Particles.Count(), 1);
    emitter->Emit(66, 41, -2, 2, -2, 2, 3, 40, 1.2f, 1);
    EXPECT_EQ(emitter->Particles.Count(), 5);
    for (const auto& particle : Live(*emitter)) {
        EXPECT_EQ(particle->X, 66);
        EXPECT_EQ(particle->Y, 41);
        EXPECT_EQ(particle->Life, particle->MaxLife);
    }
    const auto first = Live(*emitter).front();
    EXPECT_EQ(first->SpeedX, 0);
    EXPECT_EQ(first->SpeedY, -2);  // equal bounds give exactly that speed
}

TEST(Particles, EachParticleDrawsItsImageThenItsYSpeedThenItsXSpeed)
{
    Emitter emitter = MakeEmitter(3);
    SeedRandom(2024);
    emitter->Emit(0, 0, -5, -1, 20, 10, 5, 40, 1.2f, 1);

    SeedRandom(2024);
    std::set<int> images;
    for (const auto& particle : Live(*emitter)) {
        const int image = RandomInt(0, 2);
        const auto speedY = static_cast<float>(RandomReal(20, 10));
        const auto speedX = static_cast<float>(RandomReal(-5, -1));
        EXPECT_EQ(particle->ImageIndex, image);
        EXPECT_EQ(particle->SpeedY, speedY);
        EXPECT_EQ(particle->SpeedX, speedX);
        images.insert(image);
    }
    EXPECT_GT(images.size(), 1u) << "six particles of three images all drew the same one";
}

TEST(Particles, AParticleMovesAndSpinsEveryUpdateAndDiesAtTheLifeThUpdate)
{
    for (int life : {1, 15, 300}) {
        Emitter emitter = MakeEmitter(1);
        emitter->Emit(10, 20, 2, 2, -0.5f, -0.5f, 0, life, 2.0f, 0);
        const auto particle = Live(*emitter).at(0);
        for (int update = 1; update < life; ++update)
            emitter->Update();
        EXPECT_EQ(emitter->Particles.Count(), 1) << "life " << life;
        EXPECT_EQ(particle->X, 10 + 2.0f * (life - 1));
        EXPECT_EQ(particle->Y, 20 - 0.5f * (life - 1));
        // The rotation keeps growing past a full turn.
        EXPECT_EQ(particle->Rotation, 2.0f * (life - 1));
        emitter->Update();
        EXPECT_EQ(emitter->Particles.Count(), 0) << "life " << life;
        EXPECT_EQ(particle->Life, 0);
    }
}

TEST(Particles, AFadingParticleTurnsSeeThroughForTheLastThirdOfItsLife)
{
    const float opaque = 1.0f;
    const float faded = 0.89999998f;
    const float briefly = 0.69999999f;
    std::map<int, float> life15;
    for (int left = 14; left >= 1; --left)
        life15[left] = left >= 5 ? opaque : faded;
    EXPECT_EQ(AlphaOverLife(15, 1), life15);

    const auto life40 = AlphaOverLife(40, 1);
    EXPECT_EQ(life40.at(13), opaque);
    EXPECT_EQ(life40.at(12), faded);

    const auto life10 = AlphaOverLife(10, 1);
    EXPECT_EQ(life10.at(4), opaque);
    EXPECT_EQ(life10.at(3), briefly);
    EXPECT_EQ(life10.at(2), faded);

    for (const auto& [left, alpha] : AlphaOverLife(15, 0))
        EXPECT_EQ(alpha, opaque) << "fading off, life left " << left;
}

TEST(Particles, TheMiddleFadeStepHoldsForExactlyNineShortLives)
{
    const std::set<std::pair<int, int>> expected = {{4, 1},  {5, 1},  {7, 2},  {8, 2}, {10, 3},
                                                    {11, 3}, {14, 4}, {17, 5}, {20, 6}};
    std::set<std::pair<int, int>> found;
    for (int life = 1; life <= 120; ++life)
        for (const auto& [left, alpha] : AlphaOverLife(life, 1))
            if (alpha == 0.7f)
                found.emplace(life, left);
    EXPECT_EQ(found, expected);
}

TEST(Particles, AnUpdateRemovesTheDeadAndUpdatesEveryOtherOnce)
{
    Emitter emitter = MakeEmitter(1);
    for (int life : {1, 3, 1, 1, 2})
        emitter->Emit(0, 0, 1, 1, 0, 0, 0, life, 0, 0);
    const auto before = Live(*emitter);
    emitter->Update();
    const auto after = Live(*emitter);
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[0], before[1]);
    EXPECT_EQ(after[1], before[4]);
    for (const auto& particle : before)
        EXPECT_EQ(particle->X, 1) << "every particle moves exactly once";
    emitter->Update();
    ASSERT_EQ(Live(*emitter).size(), 1u);
    EXPECT_EQ(Live(*emitter)[0], before[1]);
}

TEST_F(EmittersTest, SpawnUpdateAndClearReachEveryRegisteredEmitter)
{
    Emitter sparkles = MakeEmitter(1);
    Emitter splinters = MakeEmitter(3);
    Emitters.Append(sparkles);
    Emitters.Append(splinters);
    SpawnParticles(sparkles, 66, 41, 0, 0, -2, -2, 1, 15, 2.0f, 1);
    SpawnParticles(splinters, 98, 41, -2, 2, -2, 2, 3, 40, 1.2f, 1);
    EXPECT_EQ(sparkles->Particles.Count(), 2);
    EXPECT_EQ(splinters->Particles.Count(), 4);

    UpdateEmitters();
    for (const auto& star : Live(*sparkles))
        EXPECT_EQ(star->Y, 39);
    for (const auto& splinter : Live(*splinters))
        EXPECT_EQ(splinter->Life, 39);

    ClearEmitters(sparkles);
    EXPECT_EQ(sparkles->Particles.Count(), 0);
    EXPECT_EQ(splinters->Particles.Count(), 4);

    SpawnParticles(sparkles, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0);
    ClearEmitters(nullptr);
    EXPECT_EQ(sparkles->Particles.Count(), 0);
    EXPECT_EQ(splinters->Particles.Count(), 0);

    // An emitter cleared by a new level works as before.
    SpawnParticles(sparkles, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0);
    UpdateEmitters();
    EXPECT_EQ(sparkles->Particles.Count(), 1);
    UpdateEmitters();
    EXPECT_EQ(sparkles->Particles.Count(), 0);
}
