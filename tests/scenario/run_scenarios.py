#!/usr/bin/env python3
"""Scenario tests: whole runs of quorvax-headless driven by key scripts.

Each scenario runs the driver in a fresh temporary folder that holds links to the
build folder's image/ and audio/, and checks what a person sees and keeps: the state
at the end, the sounds, pictures of the window and the score file.

    run_scenarios.py --driver BUILD/quorvax-headless --data BUILD [NAME ...]
    run_scenarios.py --list

Set QUORVAX_UPDATE_GOLDEN=1 to rewrite the stored golden dump instead of comparing.
Only the Python standard library is used.
"""

import argparse
import difflib
import json
import os
import struct
import subprocess
import sys
import tempfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
GOLDEN = os.path.join(HERE, "golden")

# Windows virtual-key codes.
BACKSPACE, ENTER, SHIFT, ESCAPE, SPACE = 8, 13, 16, 27, 32
LEFT, UP, RIGHT, DOWN = 37, 38, 39, 40
LEFT_BRACKET = 219

# Sound channels in the order start-up opens them.
NOTE1, FIRE, HIT, LOSE, UFO, UFOHIT, LIFEUP = "s1", "s5", "s6", "s7", "s8", "s9", "s10"

# Times of a game started from the menu at GAME_START: the wave-start wait ("READY!")
# lasts 128 frames of 10 ms, so play begins about 1.3 s later.
# Keys in play are pressed between two logical frames (odd milliseconds), as a person
# would: a key-down on the very tick of a frame is a case of its own.
GAME_START = 100
DURING_READY = GAME_START + 500
IN_PLAY = GAME_START + 1505

# A run whose script does not end the program is stopped this long after its last
# event, so that a scenario that goes wrong fails instead of running for ever.
SAFETY_MARGIN = 20000

SCORE_FILE = "quorvax_score.dat"

driver_path = None
data_folder = None
scenarios = {}


def scenario(function):
    scenarios[function.__name__] = function
    return function


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def check_equal(actual, expected, what):
    check(actual == expected, f"{what}: expected {expected!r}, got {actual!r}")


# ---- Key scripts ----------------------------------------------------------------------

def tap(ms, vk, hold=20):
    """A key pressed at ms and released hold ms later."""
    return [f"{ms} down {vk}", f"{ms + hold} up {vk}"]


def type_keys(ms, keys, gap=50):
    """Taps keys one after another, gap ms apart, starting at ms."""
    lines = []
    for i, vk in enumerate(keys):
        lines += tap(ms + i * gap, vk)
    return lines


def letters(text):
    return [ord(c) for c in text]


def script(*parts):
    """Joins lists of script lines, in time order, into a script text."""
    lines = [line for part in parts for line in part]
    lines.sort(key=lambda line: int(line.split()[0]))
    return "\n".join(lines) + "\n"


def finish_game(name_at, name):
    """After a game has ended: type name from name_at, confirm it with Enter, leave the
    high-score screen with Escape and the menu with Escape. Returns the script lines."""
    keys = letters(name)
    enter_at = name_at + len(keys) * 50 + 100
    return (type_keys(name_at, keys) + tap(enter_at, ENTER) + tap(enter_at + 200, ESCAPE) +
            tap(enter_at + 400, ESCAPE))


def short_game(name="NEW"):
    """Enter on the menu, Escape in play, the name, then back out to the end."""
    return script(tap(GAME_START, ENTER), tap(IN_PLAY, ESCAPE), finish_game(IN_PLAY + 300, name))


# ---- Running the driver ---------------------------------------------------------------

class Run:
    """What one run of the driver left behind."""

    def __init__(self, status, stderr, state, sounds, score, pictures):
        self.status = status
        self.stderr = stderr
        self.state = state          # the --state JSON, or None
        self.sounds = sounds        # [(ms, command)] from --sound-log
        self.score = score          # bytes of the score file, or None
        self.pictures = pictures    # {ms: Picture} from --shot

    def plays(self, start=0, end=2**32):
        """Channels started with a play command between start and end (inclusive)."""
        return [command.split()[1] for ms, command in self.sounds
                if command.startswith("play ") and start <= ms <= end]


def run(keys="", seed=7, until=None, shots=(), score=None, args=(), data=True, outputs=True):
    """Runs the driver in a fresh folder. keys: the script text (None: no --keys).
    score: the score file's bytes before the run (None: no file). data=False leaves
    out image/ and audio/; outputs=False asks for no state file and no sound log."""
    with tempfile.TemporaryDirectory(prefix="quorvax_scenario_") as folder:
        if data:
            for name in ("image", "audio"):
                os.symlink(os.path.join(data_folder, name), os.path.join(folder, name))
        if score is not None:
            with open(os.path.join(folder, SCORE_FILE), "wb") as file:
                file.write(score)
        command = [driver_path, "--seed", str(seed)]
        if outputs:
            command += ["--state", "state.json", "--sound-log", "sounds.log"]
        if keys is not None:
            with open(os.path.join(folder, "keys.txt"), "w") as file:
                file.write(keys)
            command += ["--keys", "keys.txt"]
        if until is None and keys:
            times = [int(line.split()[0]) for line in keys.splitlines()
                     if line.split() and line.split()[0].isdigit()]
            until = max(times, default=0) + SAFETY_MARGIN
        if until is not None:
            command += ["--until", str(until)]
        for ms in shots:
            command += ["--shot", f"{ms}:shot{ms}.png"]
        command += list(args)
        try:
            done = subprocess.run(command, cwd=folder, capture_output=True, timeout=300)
        except subprocess.TimeoutExpired:
            raise Failure(f"the driver ran for more than 300 s of real time: {command}")
        return Run(done.returncode, done.stderr.decode(errors="replace"),
                   read_json(os.path.join(folder, "state.json")),
                   read_sounds(os.path.join(folder, "sounds.log")),
                   read_bytes(os.path.join(folder, SCORE_FILE)),
                   {ms: read_png(os.path.join(folder, f"shot{ms}.png")) for ms in shots
                    if os.path.exists(os.path.join(folder, f"shot{ms}.png"))})


def read_bytes(path):
    if not os.path.exists(path):
        return None
    with open(path, "rb") as file:
        return file.read()


def read_json(path):
    text = read_bytes(path)
    return json.loads(text) if text else None


def read_sounds(path):
    text = read_bytes(path)
    if text is None:
        return []
    sounds = []
    for line in text.decode().splitlines():
        ms, command = line.split(" ", 1)
        sounds.append((int(ms), command))
    return sounds


# ---- Pictures -------------------------------------------------------------------------

class Picture:
    def __init__(self, width, height, rows):
        self.width, self.height, self.rows = width, height, rows

    def pixel(self, x, y):
        row = self.rows[y]
        return tuple(row[3 * x:3 * x + 3])

    def colours(self, left, top, right, bottom):
        """The set of (r, g, b) colours in the rectangle, right and bottom excluded."""
        return {self.pixel(x, y) for y in range(top, bottom) for x in range(left, right)}


def read_png(path):
    """Decodes an 8-bit RGB, non-interlaced PNG (what the driver writes)."""
    data = read_bytes(path)
    check(data[:8] == b"\x89PNG\r\n\x1a\n", f"{path} is not a PNG file")
    position, idat, header = 8, b"", None
    while position < len(data):
        length, kind = struct.unpack(">I4s", data[position:position + 8])
        body = data[position + 8:position + 8 + length]
        position += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
    width, height, depth, colour_type, _, _, interlace = header
    check((depth, colour_type, interlace) == (8, 2, 0), f"{path}: not 8-bit RGB")
    raw = zlib.decompress(idat)
    stride, rows, previous = width * 3, [], bytearray(width * 3)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - 3] if i >= 3 else 0
            up = previous[i]
            up_left = previous[i - 3] if i >= 3 else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - up_left
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - up_left)
                predictor = left if pa <= pb and pa <= pc else up if pb <= pc else up_left
                line[i] = (line[i] + predictor) & 255
        rows.append(bytes(line))
        previous = line
    return Picture(width, height, rows)


# Colours as a person sees them (r, g, b); the game writes them as 0x00BBGGRR.
BLACK, WHITE = (0, 0, 0), (255, 255, 255)
CYAN = (0, 255, 255)
ORANGE = (255, 153, 51)
RED_INVADER = RED_RANK = (255, 51, 51)


def text_row(picture, row, scale=2):
    """Colours of one text row of the logical frame in a picture scaled by scale."""
    return picture.colours(0, row * 8 * scale, picture.width, (row + 1) * 8 * scale)


# ---- Scenarios ------------------------------------------------------------------------

@scenario
def menu_selection_moves_with_its_sound():
    keys = script(["100 down 40", "130 down 40", "150 up 40"],   # Down, held: auto-repeats
                  tap(200, DOWN),                                # Down again: nothing
                  tap(300, UP), tap(400, UP))                    # Up: back; Up again: nothing
    result = run(keys, until=500, shots=(90, 180, 350))
    check_equal(result.status, 3, "exit status with --until")
    check_equal(result.plays(), [FIRE, FIRE], "menu sounds")
    check_equal(result.plays(100, 100), [FIRE], "sound of the first Down")
    check_equal(result.plays(300, 300), [FIRE], "sound of the first Up")
    check(all(c.startswith("play s5 from 0 to ") for _, c in result.sounds if c.startswith("play")),
          "the fire sound restarts from its beginning")
    check_equal(result.state["CHOOSE"], 1, "CHOOSE at the end")
    check_equal(result.state["CAPTION"], "Quorvax", "caption on the menu")
    marks = {ms: (CYAN in text_row(p, 17), CYAN in text_row(p, 19))
             for ms, p in result.pictures.items()}
    check_equal(marks, {90: (True, False), 180: (False, True), 350: (True, False)},
                "cyan selection on the play-game and high-score lines")


@scenario
def enter_starts_a_game_at_wave_one_with_three_lives():
    result = run(script(tap(GAME_START, ENTER)), until=DURING_READY, shots=(DURING_READY,))
    check_equal(result.status, 3, "exit status")
    check_equal(result.plays(GAME_START, GAME_START), [UFOHIT], "sound of taking the play choice")
    state = result.state
    check_equal((state["LEVEL"], state["LIFE"], state["SCORE"], state["GAMEOVER"]),
                (1, 3, 0, False), "LEVEL, LIFE, SCORE, GAMEOVER")
    check_equal(state["INVADERNUM"], 55, "INVADERNUM")
    check(state["STARTNUM"] < 128, "still in the wave-start wait")
    picture = result.pictures[DURING_READY]
    check(RED_INVADER in text_row(picture, 3), "the red top row of invaders is shown")
    check(WHITE in text_row(picture, 14) and WHITE in text_row(picture, 16),
          "WAVE 1 and READY! are shown")


@scenario
def escape_does_nothing_during_ready_and_ends_the_game_in_play():
    ready_only = run(script(tap(GAME_START, ENTER), tap(DURING_READY, ESCAPE)), until=IN_PLAY - 100)
    check_equal(ready_only.state["GAMEOVER"], False, "GAMEOVER after Escape during READY!")
    check(ready_only.state["STARTNUM"] == 128, "the wave-start wait is over")
    check_equal(ready_only.plays(DURING_READY), [NOTE1], "sounds after Escape: the first march note")

    in_play = run(script(tap(GAME_START, ENTER), tap(DURING_READY, ESCAPE), tap(IN_PLAY, ESCAPE)),
                  until=IN_PLAY + 200)
    check_equal(in_play.state["GAMEOVER"], True, "GAMEOVER after Escape in play")
    check_equal(in_play.state["LIFE"], 3, "lives left")
    check_equal(in_play.plays(IN_PLAY).count(LOSE), 1, "lose sounds after Escape in play")
    check(LOSE not in in_play.plays(0, IN_PLAY - 1), "no lose sound before")

    # An Escape on the very tick of a frame is still the current message when name
    # entry makes its first test, so name entry ends at once with an empty name.
    on_tick = GAME_START + 1500
    tick = run(script(tap(GAME_START, ENTER), tap(on_tick, ESCAPE)), until=on_tick + 100)
    check_equal(tick.plays(on_tick, on_tick), [LOSE, UFOHIT], "sounds of an Escape on a frame tick")
    check_equal((tick.state["PLAYERNAME"], tick.state["CAPTION"]), ("", "High Score"),
                "name and caption after an Escape on a frame tick")


@scenario
def name_entry_with_shift_backspace_and_the_twelve_character_limit():
    start = IN_PLAY + 300
    typing = [("A", 65), ("B", 66), ("C", 67), ("Backspace", BACKSPACE)]
    keys = type_keys(start, [vk for _, vk in typing])
    shifted_at = start + 300
    # Shift and 1 go down in the same millisecond: events are delivered in file order.
    keys += [f"{shifted_at} down {SHIFT}"] + tap(shifted_at, ord("1")) + \
        tap(shifted_at + 100, LEFT_BRACKET) + [f"{shifted_at + 150} up {SHIFT}"]
    rest_at = shifted_at + 200
    keys += type_keys(rest_at, letters("DEFGHIJKLM"))   # 3 + 10 characters: M is the 13th
    keys += [f"{rest_at + 600} down {SPACE}", f"{rest_at + 620} up {SPACE}"]
    end_at = rest_at + 700
    keys += tap(end_at, ENTER) + tap(end_at + 200, ESCAPE) + tap(end_at + 400, ESCAPE)
    typing_shot, scores_shot = start + 250, end_at + 100
    result = run(script(tap(GAME_START, ENTER), tap(IN_PLAY, ESCAPE), keys),
                 shots=(typing_shot, scores_shot))
    check_equal(result.status, 0, "exit status after Escape on the menu")
    check_equal(result.state["PLAYERNAME"], "AB!DEFGHIJKL", "name typed")
    typing = result.pictures[typing_shot]
    check(ORANGE in text_row(typing, 10) and CYAN in text_row(typing, 12),
          "name entry shows YOUR NAME in orange and the name in cyan")
    scores = result.pictures[scores_shot]
    check(WHITE in text_row(scores, 2) and RED_RANK in text_row(scores, 4),
          "the high-score screen shows its title and the new first entry in red")
    check_equal(text_row(scores, 6), {BLACK}, "no second entry")
    check_equal(result.plays(start, start + 200), [FIRE, FIRE, FIRE, HIT],
                "sounds of A, B, C and Backspace")
    check_equal(result.plays(shifted_at, shifted_at + 150), [FIRE],
                "sounds of Shift+1 (accepted) and Shift+[ (refused silently)")
    check_equal(result.plays(rest_at, rest_at + 450), [FIRE] * 9 + [HIT],
                "nine letters accepted, the thirteenth character refused")
    check_equal(result.plays(rest_at + 600, rest_at + 620), [], "Space adds nothing, silently")
    check_equal(result.plays(end_at, end_at + 10), [UFOHIT], "Enter ends name entry at the next frame tick")
    check_equal(result.score, b"1\r\n1\r\nAB!DEFGHIJKL\r\n0\r\n", "score file")


def table_file(entries):
    """Score file bytes for [(wave, name, points)]."""
    lines = [str(len(entries))]
    for wave, name, points in entries:
        lines += [str(wave), name, str(points)]
    return "".join(line + "\r\n" for line in lines).encode()


@scenario
def a_finished_game_enters_the_table_by_the_insertion_rules():
    nine = [(2, f"P{i}", 1000 - 10 * i) for i in range(1, 10)]
    cases = [
        ("no score file", None, [(1, "NEW", 0)]),
        ("LF line ends", b"1\n3\nACE\n1230\n", [(3, "ACE", 1230), (1, "NEW", 0)]),
        ("equal points: the newer ranks higher", table_file([(1, "A", 500), (1, "B", 0), (1, "C", 0)]),
         [(1, "A", 500), (1, "NEW", 0), (1, "B", 0), (1, "C", 0)]),
        ("negative points rank lower", table_file([(1, "NEG", -5)]), [(1, "NEW", 0), (1, "NEG", -5)]),
        ("full table, 10th beats the score: unchanged", table_file(nine + [(1, "TEN", 10)]),
         nine + [(1, "TEN", 10)]),
        ("full table, 10th equals the score: replaced", table_file(nine + [(1, "TEN", 0)]),
         nine + [(1, "NEW", 0)]),
    ]
    for label, before, after in cases:
        result = run(short_game("NEW"), score=before)
        check_equal(result.status, 0, f"{label}: exit status")
        check_equal(result.score, table_file(after), f"{label}: score file")
        check_equal(result.state["SCORENUM"], len(after), f"{label}: SCORENUM")


@scenario
def captions_follow_the_screens():
    keys = script(tap(100, DOWN), tap(200, SPACE), tap(400, ESCAPE))
    on_scores = run(keys, until=300)
    check_equal(on_scores.state["CAPTION"], "High Score", "caption on the high-score screen")
    check_equal(on_scores.plays(200, 200), [HIT], "sound of taking the high-score choice")
    back = run(keys, until=500)
    check_equal(back.state["CAPTION"], "Quorvax", "caption back on the menu")
    check_equal(back.state["CHOOSE"], 2, "the high-score line stays marked")
    check_equal(back.plays(400, 400), [HIT], "sound of leaving the high-score screen")
    check_equal(back.status, 3, "the Escape that left the high-score screen did not end the menu")


@scenario
def close_button_ends_a_game_with_status_zero():
    result = run(script(tap(GAME_START, ENTER), ["2000 close"], tap(2500, ESCAPE)),
                 score=table_file([(4, "OLD", 900)]))
    check_equal(result.status, 0, "exit status")
    check(result.state is not None, "the state is written on the close button too")
    check_equal((result.state["LEVEL"], result.state["GAMEOVER"]), (1, False), "LEVEL, GAMEOVER")
    check_equal(result.score, table_file([(4, "OLD", 900)]), "score file untouched by the game")
    check(all(ms <= 2000 for ms, _ in result.sounds), "nothing sounds after the close")


@scenario
def bad_options_and_scripts_are_refused_before_the_run():
    cases = [
        ("malformed script line", "100 down 13\n200 jump 13\n", [], "keys.txt:2: unknown event"),
        ("VK above 255", "100 down 256\n", [], "keys.txt:1: \"256\" is not a virtual-key code"),
        ("size out of range", "100 size 0 10\n", [], "keys.txt:1: size 0 10 is out of range"),
        ("missing field", "100 up\n", [], "keys.txt:1: up takes 1 value, not 0"),
        ("times going backwards", "100 down 13\n50 up 13\n", [], "keys.txt:2: time 50 comes before"),
        ("unknown option", "", ["--fast"], "unknown option \"--fast\""),
        ("missing value", "", ["--until"], "--until needs a value"),
        ("unreadable keys file", None, ["--keys", "no_such.keys"], "cannot read keys file no_such.keys"),
        ("bad MS:PATH", "", ["--shot", "soon:a.png"], "--shot: \"soon:a.png\" is not MS:PATH"),
        ("bad WxH", "", ["--screen", "wide"], "--screen: \"wide\" is not WxH"),
        ("state file in no folder", "", ["--state", "no/such/s.json"], "cannot write state file"),
        ("sound log in no folder", "", ["--sound-log", "no/such/s.log"], "cannot write sound log"),
        ("picture in no folder", "", ["--shot", "10:no/such/a.png"], "cannot write no/such/a.png"),
    ]
    for label, keys, args, message in cases:
        result = run(keys, args=args, outputs=False)
        check_equal(result.status, 2, f"{label}: exit status")
        check(message in result.stderr, f"{label}: stderr {result.stderr!r} lacks {message!r}")
        check(result.score is None, f"{label}: the program did not start (no score file)")


@scenario
def until_stops_the_run_with_status_three():
    stopped = run(script(tap(GAME_START, ENTER)), until=800, shots=(800, 900))
    check_equal(stopped.status, 3, "exit status")
    check_equal(sorted(stopped.pictures), [800], "a picture at the stop time is still taken")
    check("no picture for shot900.png" in stopped.stderr, "the picture after the stop is reported")
    check(stopped.state is not None and stopped.sounds, "state and sound log are written")
    check(all(ms <= 800 for ms, _ in stopped.sounds), "nothing sounds after the stop")
    ends_first = run(script(tap(100, ESCAPE)), until=100000)
    check_equal(ends_first.status, 0, "a run that ends by itself before --until")


@scenario
def input_output_errors_end_with_status_one():
    bad = b"1\r\n1\r\nACE\r\n12x\r\n"
    result = run(script(tap(100, ESCAPE)), score=bad)
    check_equal(result.status, 1, "exit status with a malformed score file")
    check("quorvax: " in result.stderr, f"stderr names the problem: {result.stderr!r}")
    check_equal(result.score, bad, "the malformed score file is left untouched")
    no_images = run(script(tap(100, ESCAPE)), data=False)
    check_equal(no_images.status, 1, "exit status without image files")


@scenario
def a_resized_window_shows_the_frame_as_a_centred_square():
    result = run(script(["100 size 500 300"]), until=200, shots=(150,))
    picture = result.pictures[150]
    check_equal((picture.width, picture.height), (500, 300), "picture size")
    check_equal(picture.colours(0, 0, 100, 300), {BLACK}, "left band")
    check_equal(picture.colours(400, 0, 500, 300), {BLACK}, "right band")
    check(CYAN in picture.colours(100, 17 * 8 * 300 // 192, 400, 18 * 8 * 300 // 192),
          "the menu's marked line inside the square")


# A short game: shots from the left edge, a move right under the gap between the
# second and third shields, more shots, a move back, then Escape and the name GOLD.
GOLDEN_KEYS = script(
    tap(GAME_START, ENTER),
    tap(IN_PLAY, SPACE), tap(IN_PLAY + 700, SPACE),
    [f"{IN_PLAY + 1000} down {RIGHT}", f"{IN_PLAY + 1900} up {RIGHT}"],
    tap(IN_PLAY + 2000, SPACE), tap(IN_PLAY + 2700, SPACE),
    [f"{IN_PLAY + 2900} down {LEFT}", f"{IN_PLAY + 3300} up {LEFT}"],
    tap(IN_PLAY + 3400, SPACE), tap(IN_PLAY + 4500, ESCAPE),
    finish_game(IN_PLAY + 4800, "GOLD"))


def golden_text(result):
    return (f"exit status {result.status}\n" + json.dumps(result.state, indent=1) + "\n" +
            "".join(f"{ms} {command}\n" for ms, command in result.sounds))


@scenario
def the_same_seed_and_script_give_the_same_run():
    first, second = run(GOLDEN_KEYS, seed=99), run(GOLDEN_KEYS, seed=99)
    check_equal(second.state, first.state, "state of the second run")
    check_equal(second.sounds, first.sounds, "sound log of the second run")
    # The seed reaches the game: another one makes the invaders shoot otherwise.
    other = run(GOLDEN_KEYS, seed=100)
    check(other.state["BULLET"] != first.state["BULLET"], "another seed gives another game")


@scenario
def a_short_game_matches_its_golden_dump():
    result = run(GOLDEN_KEYS, seed=2024)
    text = golden_text(result)
    path = os.path.join(GOLDEN, "short_game.txt")
    if os.environ.get("QUORVAX_UPDATE_GOLDEN") == "1":
        os.makedirs(GOLDEN, exist_ok=True)
        with open(path, "w") as file:
            file.write(text)
        return
    check(os.path.exists(path), f"{path} is missing; make it with QUORVAX_UPDATE_GOLDEN=1")
    with open(path) as file:
        expected = file.read()
    if text != expected:
        diff = difflib.unified_diff(expected.splitlines(True), text.splitlines(True),
                                    "stored", "this run")
        raise Failure("the run differs from its golden dump "
                      "(QUORVAX_UPDATE_GOLDEN=1 stores the new one):\n" + "".join(diff))


# ---- Runner ---------------------------------------------------------------------------

def main():
    global driver_path, data_folder
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--driver", help="the quorvax-headless executable")
    parser.add_argument("--data", help="folder holding image/ and audio/")
    parser.add_argument("--list", action="store_true", help="print the scenario names")
    parser.add_argument("names", nargs="*", help="scenarios to run (default: all)")
    options = parser.parse_args()
    if options.list:
        print("\n".join(scenarios))
        return 0
    if not options.driver or not options.data:
        parser.error("--driver and --data are needed to run scenarios")
    driver_path = os.path.abspath(options.driver)
    data_folder = os.path.abspath(options.data)
    unknown = [name for name in options.names if name not in scenarios]
    if unknown:
        parser.error("unknown scenario: " + ", ".join(unknown))
    failed = 0
    for name in options.names or list(scenarios):
        try:
            scenarios[name]()
            print(f"PASS {name}")
        except Failure as failure:
            failed += 1
            print(f"FAIL {name}: {failure}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
