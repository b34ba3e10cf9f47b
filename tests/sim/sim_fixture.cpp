// The shared set-up of the rules' tests. The program runs in an empty folder, so every
// sound channel is silent with length 0: a PLAYWAV sends "status sN length" and then
// "play sN from 0 to 0".
#include "sim_fixture.h"

#include <unistd.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <sstream>

#include "display/display.h"
#include "game/score/sounds.h"
#include "platform/sound.h"

namespace sim_test {

namespace {

struct Scripted {
    std::uint32_t range;
    std::uint32_t value;
};

std::deque<Scripted> script;
std::vector<std::uint32_t> ranges;
std::uint32_t next_column = 0;
std::vector<std::string> commands;
std::vector<std::uint32_t> handles;
std::vector<std::string> start_up;

std::uint32_t draw(std::uint32_t range) {
    ranges.push_back(range);
    for (auto it = script.begin(); it != script.end(); ++it) {
        if (it->range == range) {
            const std::uint32_t value = it->value;
            script.erase(it);
            return value;
        }
    }
    if (range == 11) return next_column++ % 11;
    return range - 1;
}

std::string sound_name(std::uint32_t handle) {
    using namespace game;
    for (int i = 1; i <= 4; ++i) {
        if (handle == WAVINVADER[i]) return "note" + std::to_string(i);
    }
    const std::pair<std::uint32_t, const char*> names[] = {
        {WAVFIRE, "fire"}, {WAVHIT, "hit"},         {WAVLOSE, "lose"},
        {WAVUFO, "ufo"},   {WAVUFOHIT, "ufohit"}, {WAVLIFEUP, "lifeup"}};
    for (const auto& [h, name] : names) {
        if (handle == h) return name;
    }
    return "s" + std::to_string(handle);
}

// Runs the whole test program in a fresh empty folder and opens the game's sounds
// once, as start-up does: a second INITAUDIO would open ten more channels.
class SoundEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        home = std::filesystem::current_path();
        char name[] = "/tmp/quorvax_sim_XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        folder = name;
        std::filesystem::current_path(folder);
        platform::sound::set_command_observer([](const std::string& c) { start_up.push_back(c); });
        game::INITAUDIO();
        platform::sound::set_command_observer({});
        handles = {game::WAVINVADER[1], game::WAVINVADER[2], game::WAVINVADER[3],
                   game::WAVINVADER[4], game::WAVFIRE,       game::WAVHIT,
                   game::WAVLOSE,       game::WAVUFO,        game::WAVUFOHIT,
                   game::WAVLIFEUP};
    }

    void TearDown() override {
        std::filesystem::current_path(home);
        std::filesystem::remove_all(folder);
    }

private:
    std::filesystem::path home, folder;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new SoundEnvironment);

}  // namespace

void script_draw(std::uint32_t range, std::uint32_t value) { script.push_back({range, value}); }

const std::vector<std::uint32_t>& draw_ranges() { return ranges; }

std::vector<std::string> sounds() {
    std::vector<std::string> out;
    for (const std::string& command : commands) {
        std::istringstream words(command);
        std::string verb, alias, rest;
        words >> verb >> alias;
        std::getline(words, rest);
        if (alias.size() < 2 || alias[0] != 's') continue;
        const std::string name = sound_name(static_cast<std::uint32_t>(std::stoul(alias.substr(1))));
        if (verb == "play" && rest.rfind(" from 0 to ", 0) == 0) out.push_back("PLAYWAV " + name);
        if (verb == "play" && rest.empty()) out.push_back("PLAYAUDIO " + name);
        if (verb == "stop") out.push_back("STOPAUDIO " + name);
    }
    return out;
}

const std::vector<std::string>& sound_commands() { return commands; }

void clear_sounds() { commands.clear(); }

const std::vector<std::uint32_t>& first_handles() { return handles; }

const std::vector<std::string>& start_up_commands() { return start_up; }

void message(std::uint32_t code, std::uint32_t key) {
    display::detail::MS = display::MSG{};
    display::detail::MS.message = code;
    display::detail::MS.wParam = key;
}

void clear_shields() {
    for (int c = 1; c <= 3; ++c) {
        for (int r = 1; r <= 3; ++r) {
            for (int k = 1; k <= 4; ++k) game::WALL[c][r][k].state = 0;
        }
    }
}

void remove_invader(std::int32_t column, std::int32_t row) {
    game::INVADER[column][row].state = 0;
    game::GETINVADERNUM();
}

void SimTest::SetUp() {
    using namespace game;
    script.clear();
    ranges.clear();
    next_column = 0;
    set_random_source(draw);
    BULLETSHIP = ACTOR{};
    for (ACTOR& shot : BULLET) shot = ACTOR{};
    UFO1 = ACTOR{};
    UFO2 = ACTOR{};
    message(0, 0);
    INITPLAY();
    INITLEVEL();
    STARTNUM = WAITFRAME;
    SHIP.state = 1;
    commands.clear();
    platform::sound::set_command_observer([](const std::string& c) { commands.push_back(c); });
}

void SimTest::TearDown() {
    platform::sound::set_command_observer({});
    game::set_random_source({});
    EXPECT_TRUE(script.empty()) << "scripted draws left unused";
}

}  // namespace sim_test
