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

    // Ten seconds: the step moves the mark, and the seconds digit starts again.
    placar.updateClock(1010);
    EXPECT_EQ(digitos(), (std::vector<int>{0, 0, 1, 0}));
    EXPECT_EQ(marcaRelogio, 1010);
    placar.updateClock(1011);
    EXPECT_EQ(digitos(), (std::vector<int>{0, 0, 1, 1}));
}

TEST(Relogio, Carries) {
    acerta({0, 0, 5, 9}, 0);
    placar.updateClock(10);
    EXPECT_EQ(digitos(), (std::vector<int>{0, 1, 0, 0}));

    acerta({1, 9, 5, 9}, 0);
    placar.updateClock(10);
    EXPECT_EQ(digitos(), (std::vector<int>{2, 0, 0, 0}));
}

TEST(Relogio, WrapsAfterFiftyNineFiftyNine) {
    acerta({5, 9, 5, 9}, 3600);
    placar.updateClock(3610);
    EXPECT_EQ(digitos(), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(marcaRelogio, 3610);
    placar.updateClock(3612);
    EXPECT_EQ(digitos(), (std::vector<int>{0, 0, 0, 2}));
}

// Frames come only when something changes: the clock tells the time since the mark however
// far apart they are, with every digit a single figure, and a calendar set back or forward
// by years neither breaks it nor stalls it.
TEST(Relogio, TellsTheTimeWhateverTheFramesBetween) {
    for (std::int64_t passo : {1, 3, 7, 10, 13, 25, 61, 599, 3599}) {
        acerta({0, 0, 0, 0}, 100);
        for (std::int64_t t = 100; t <= 100 + 3599; t += passo) {
            placar.updateClock(t);
            const std::int64_t s = (t - 100) % 3600;
            ASSERT_EQ(digitos(), (std::vector<int>{int(s / 600), int(s / 60 % 10),
                                                   int(s % 60 / 10), int(s % 10)}))
                << "every " << passo << " s, at " << t - 100 << " s";
        }
    }
    acerta({0, 0, 0, 0}, 100);
    placar.updateClock(40);
    EXPECT_EQ(digitos(), (std::vector<int>{0, 0, 0, 0}));
    placar.updateClock(40 + 3600LL * 24 * 365 * 30 + 75);
    EXPECT_EQ(digitos(), (std::vector<int>{0, 1, 1, 5}));
}

}  // namespace
