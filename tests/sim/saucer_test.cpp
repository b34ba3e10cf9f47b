// The bonus saucer: appearance draws and ranges, flight times and exits, the hit
// columns and rewards, the explosion, and the looping flight sound.
#include <sys/stat.h>

#include <cstdio>

#include "display/display.h"
#include "game/score/sounds.h"
#include "platform/headless/virtual_clock.h"
#include "sim_fixture.h"

namespace {

using namespace game;
using sim_test::script_draw;
using sim_test::SimTest;

using Saucer = SimTest;

constexpr std::uint32_t KIND = 10, DIRECTION = 2;

std::uint32_t last_draw() { return sim_test::draw_ranges().back(); }

// Brings in a saucer in the next frame: kind draw 0 is the small one, direction draw 0
// flies left.
void appear_next_frame(std::uint32_t kind, std::uint32_t direction) {
    script_draw(7600, 0);
    script_draw(KIND, kind);
    script_draw(DIRECTION, direction);
}

struct AppearCase {
    std::uint32_t kind, direction;
    bool small;
    std::int32_t state, x;
};

TEST_F(Saucer, AppearanceChoosesKindAndSide) {
    const AppearCase cases[] = {
        {0, 0, true, 1, 176}, {0, 1, true, 3, 0}, {1, 0, false, 1, 168}, {9, 1, false, 3, 0}};
    for (const AppearCase& c : cases) {
        SetUp();
        UFO1.y = UFO2.y = 99;
        appear_next_frame(c.kind, c.direction);
        NEXTFRAME();
        const ACTOR& ufo = c.small ? UFO1 : UFO2;
        const ACTOR& other = c.small ? UFO2 : UFO1;
        EXPECT_EQ(ufo.state, c.state) << c.kind << "," << c.direction;
        EXPECT_EQ(ufo.x, c.x) << c.kind << "," << c.direction;
        EXPECT_EQ(ufo.y, 8);
        EXPECT_EQ(other.state, 0);
        EXPECT_EQ(sim_test::sounds(), std::vector<std::string>{"PLAYAUDIO ufo"});
        const std::vector<std::uint32_t>& drawn = sim_test::draw_ranges();
        ASSERT_GE(drawn.size(), 3u);
        EXPECT_EQ(std::vector<std::uint32_t>(drawn.end() - 3, drawn.end()),
                  (std::vector<std::uint32_t>{7600, KIND, DIRECTION}));
    }
}

// One chance in (|INVADERNUM - 27| + 10) * 200; any draw but 0 brings nothing.
TEST_F(Saucer, ChanceIsHighestWithHalfTheFormationLeft) {
    const std::pair<std::uint32_t, std::uint32_t> cases[] = {
        {55, 7600}, {28, 2200}, {27, 2000}, {26, 2200}, {1, 7200}};
    for (const auto& [left, range] : cases) {
        SetUp();
        for (std::int32_t c = 1; c <= 11 && INVADERNUM > left; ++c) {
            for (std::int32_t r = 1; r <= 5 && INVADERNUM > left; ++r) sim_test::remove_invader(c, r);
        }
        script_draw(range, 1);
        NEXTFRAME();
        EXPECT_EQ(last_draw(), range) << left << " left";
        EXPECT_EQ(UFO1.state + UFO2.state, 0) << left << " left";
    }
}

struct FlightCase {
    std::uint32_t kind, direction;
    bool small;
    int moves;
};

TEST_F(Saucer, FlightTimes) {
    const FlightCase cases[] = {{0, 0, true, 177}, {0, 1, true, 177}, {1, 0, false, 169}, {1, 1, false, 169}};
    for (const FlightCase& c : cases) {
        SetUp();
        appear_next_frame(c.kind, c.direction);
        NEXTFRAME();
        const ACTOR& ufo = c.small ? UFO1 : UFO2;
        const std::int32_t start = ufo.x;
        int frames = 0;
        while (ufo.state > 0 && frames < 500) {
            NEXTFRAME();
            ++frames;
        }
        EXPECT_EQ(frames, c.moves) << c.kind << "," << c.direction;
        EXPECT_EQ(ufo.x, c.direction == 0 ? -1 : start + c.moves) << c.kind << "," << c.direction;
        // Leaving does not stop the flight sound.
        for (const std::string& s : sim_test::sounds()) EXPECT_NE(s, "STOPAUDIO ufo");
    }
}

struct HitCase {
    bool small;
    std::int32_t offset;  // the shot's hit column minus the saucer's x
    std::int32_t shot_y;  // after its flight
    bool hit;
};

TEST_F(Saucer, HitColumnsAndRows) {
    const HitCase cases[] = {
        {true, 0, 10, false},  {true, 1, 10, true},   {true, 14, 10, true},  {true, 15, 10, false},
        {false, 1, 10, false}, {false, 2, 10, true},  {false, 21, 10, true}, {false, 22, 10, false},
        {true, 5, 8, true},    {true, 5, 14, true},   {true, 5, 16, false},
    };
    for (const HitCase& c : cases) {
        SetUp();
        sim_test::clear_shields();
        ACTOR& ufo = c.small ? UFO1 : UFO2;
        ufo = ACTOR{81, 8, 1};  // at 80 when the shot is tested
        BULLETSHIP = ACTOR{80 + c.offset - 4, c.shot_y + 2, 1};
        NEXTFRAME();
        const std::string name = std::string(c.small ? "small" : "large") + " offset " +
                                 std::to_string(c.offset) + " y " + std::to_string(c.shot_y);
        EXPECT_EQ(ufo.state == -UFOFRAME, c.hit) << name;
        EXPECT_EQ(BULLETSHIP.state == 0, c.hit) << name;
    }
}

struct RewardCase {
    const char* name;
    bool small;
    std::int32_t score;
    std::int32_t score_after, life_after;
    std::vector<std::string> sounds;
};

TEST_F(Saucer, Rewards) {
    const RewardCase cases[] = {
        {"small: a life, no points", true, 2950, 2950, 4,
         {"PLAYWAV ufo", "STOPAUDIO ufo", "PLAYWAV ufohit", "PLAYWAV lifeup"}},
        {"large: 200 points", false, 1000, 1200, 3, {"PLAYWAV ufo", "STOPAUDIO ufo", "PLAYWAV ufohit"}},
        {"large: 200 points reaching 3000", false, 2900, 3100, 4,
         {"PLAYWAV ufo", "STOPAUDIO ufo", "PLAYWAV ufohit", "PLAYWAV lifeup"}},
    };
    for (const RewardCase& c : cases) {
        SetUp();
        sim_test::clear_shields();
        SCORE = c.score;
        ACTOR& ufo = c.small ? UFO1 : UFO2;
        ufo = ACTOR{79, 8, 3};
        BULLETSHIP = ACTOR{82, 12, 1};
        NEXTFRAME();
        EXPECT_EQ(SCORE, c.score_after) << c.name;
        EXPECT_EQ(LIFE, c.life_after) << c.name;
        // Silent channels have position = length = 0, so the flight sound restarts first.
        EXPECT_EQ(sim_test::sounds(), c.sounds) << c.name;
    }
}

TEST_F(Saucer, AppearsAndIsHitInTheSameFrame) {
    sim_test::clear_shields();
    appear_next_frame(0, 0);
    BULLETSHIP = ACTOR{180, 12, 1};  // hit column 184, inside 177 to 190
    NEXTFRAME();
    EXPECT_EQ(UFO1.state, -UFOFRAME);
    EXPECT_EQ(LIFE, 4);
}

// The explosion shows for 64 frames, the frame of the hit included; no new saucer
// can be drawn for meanwhile.
TEST_F(Saucer, ExplosionThenFreeForTheNext) {
    sim_test::clear_shields();
    UFO2 = ACTOR{79, 8, 3};
    BULLETSHIP = ACTOR{82, 12, 1};
    NEXTFRAME();
    EXPECT_EQ(UFO2.state, -64);
    const std::size_t draws = sim_test::draw_ranges().size();
    for (int i = 0; i < 63; ++i) NEXTFRAME();
    EXPECT_EQ(UFO2.state, -1);
    NEXTFRAME();
    EXPECT_EQ(UFO2.state, 0);
    for (std::uint32_t range : std::vector<std::uint32_t>(sim_test::draw_ranges().begin() + draws,
                                                          sim_test::draw_ranges().end())) {
        EXPECT_LT(range, 2000u) << "a saucer draw during the explosion";
    }
    NEXTFRAME();
    EXPECT_EQ(last_draw(), 7600u);
}

// Position is asked before length; silent channels report 0 for both, so a flying
// saucer restarts its sound every frame. No saucer flying: no question asked.
TEST_F(Saucer, SoundLoopAsksPositionThenLength) {
    UFO1 = ACTOR{100, 8, 1};
    NEXTFRAME();
    const std::string ufo = "s" + std::to_string(WAVUFO);
    EXPECT_EQ(sim_test::sound_commands(),
              (std::vector<std::string>{"status " + ufo + " position", "status " + ufo + " length",
                                        "status " + ufo + " length", "play " + ufo + " from 0 to 0"}));
    sim_test::clear_sounds();
    UFO1.state = -20;
    NEXTFRAME();
    EXPECT_TRUE(sim_test::sound_commands().empty());
}

// Writes a 100 ms silent 16-bit mono WAV file.
void write_wav(const char* path) {
    const std::uint32_t rate = 8000, samples = 800, data = samples * 2;
    std::FILE* f = std::fopen(path, "wb");
    ASSERT_NE(f, nullptr);
    auto u32 = [&](std::uint32_t v) { std::fwrite(&v, 4, 1, f); };
    auto u16 = [&](std::uint16_t v) { std::fwrite(&v, 2, 1, f); };
    std::fwrite("RIFF", 1, 4, f);
    u32(36 + data);
    std::fwrite("WAVEfmt ", 1, 8, f);
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    std::fwrite("data", 1, 4, f);
    u32(data);
    for (std::uint32_t i = 0; i < samples; ++i) u16(0);
    std::fclose(f);
}

// With a sound of 100 ms the flight sound is restarted only once it has run to its end.
TEST_F(Saucer, SoundLoopRestartsOnlyAtTheEnd) {
    mkdir("audio", 0755);
    write_wav("audio/loop.wav");
    const std::uint32_t saved = WAVUFO;
    WAVUFO = display::LOADAUDIO("audio\\loop.wav");
    ASSERT_EQ(display::GETAUDIOLEN(WAVUFO), 100u);
    display::PLAYAUDIO(WAVUFO);
    UFO2 = ACTOR{20, 8, 3};
    sim_test::clear_sounds();

    platform::headless::advance(60);
    NEXTFRAME();
    EXPECT_TRUE(sim_test::sounds().empty());
    platform::headless::advance(40);
    NEXTFRAME();
    EXPECT_EQ(sim_test::sounds(), std::vector<std::string>{"PLAYWAV ufo"});
    platform::headless::advance(10);
    NEXTFRAME();
    EXPECT_EQ(sim_test::sounds().size(), 1u);
    WAVUFO = saved;
}

}  // namespace
