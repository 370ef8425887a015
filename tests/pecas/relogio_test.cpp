// The scoreboard clock, advanced with the calendar time passed in.
#include <gtest/gtest.h>

#include <vector>

#include "game/globais.h"

namespace {

std::vector<int> digitos() { return {digitosRelogio, digitosRelogio + 4}; }

void acerta(std::vector<int> d, std::int64_t marca) {
    for (int i = 0; i < 4; ++i) digitosRelogio[i] = d[i];
    marcaRelogio = marca;
}

TEST(Relogio, SecondsCountFromTheLastTenSecondStep) {
    acerta({0, 0, 0, 0}, 1000);
    placar.updateClock(1005);
    EXPECT_EQ(digitos(), (std::vector<int>{0, 0, 0, 5}));
    EXPECT_EQ(agoraRelogio, 1005);
    EXPECT_EQ(marcaRelogio, 1000);

    // Ten seconds: the frame shows 10 in the seconds digit, the step moves the mark.
    placar.updateClock(1010);
    EXPECT_EQ(digitos(), (std::vector<int>{0, 0, 1, 10}));
    EXPECT_EQ(marcaRelogio, 1010);
    placar.updateClock(1011);
    EXPECT_EQ(digitos(), (std::vector<int>{0, 0, 1, 1}));
}

TEST(Relogio, Carries) {
    acerta({0, 0, 5, 9}, 0);
    placar.updateClock(10);
    EXPECT_EQ(digitos(), (std::vector<int>{0, 1, 0, 10}));

    acerta({1, 9, 5, 9}, 0);
    placar.updateClock(10);
    EXPECT_EQ(digitos(), (std::vector<int>{2, 0, 0, 10}));
}

TEST(Relogio, WrapsAfterFiftyNineFiftyNine) {
    acerta({5, 9, 5, 9}, 3600);
    placar.updateClock(3610);
    EXPECT_EQ(digitos(), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(marcaRelogio, 3610);
    placar.updateClock(3612);
    EXPECT_EQ(digitos(), (std::vector<int>{0, 0, 0, 2}));
}

TEST(Relogio, FramesFarApartLoseTheSurplus) {
    acerta({0, 0, 0, 0}, 100);
    placar.updateClock(125);
    EXPECT_EQ(digitos(), (std::vector<int>{0, 0, 1, 25}));  // drawn as "1"
    EXPECT_EQ(marcaRelogio, 125);
    placar.updateClock(126);
    EXPECT_EQ(digitos(), (std::vector<int>{0, 0, 1, 1}));
}

}  // namespace
