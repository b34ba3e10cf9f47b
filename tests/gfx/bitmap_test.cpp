// Bitmap records: the argument orders of every DRAWBMP and COPYBMP form, the copy's
// pre-fill, the window record's no-image path, LOADBMP's header fields and its bad
// input.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "display/display.h"
#include "tests/gfx/fixtures.h"

namespace {

using namespace gfx_test;
using display::PBITMAP;

struct BitmapFree {
    void operator()(display::BITMAPREC* bitmap) const { free_bitmap(bitmap); }
};
using BitmapPtr = std::unique_ptr<display::BITMAPREC, BitmapFree>;

// The source: 10 by 9 of distinct colours with KEY and colour 1 scattered in it,
// recorded as 6 by 5 with key 0x00112233 so that forms using the recorded size or the
// recorded key are told apart from forms that do not.
constexpr platform::Colour RECORDED_KEY = 0x00100203;  // pattern(3, 2)
BitmapPtr make_source() {
    BitmapPtr source(make_bitmap(patterned_surface(10, 9), RECORDED_KEY));
    source->WIDTH = 6;
    source->HEIGHT = 5;
    return source;
}

struct Blit {
    int sx, sy, sw, sh, dx, dy, dw, dh;
    platform::Colour key;
};

TEST(DrawBmp, EveryFormPassesItsArgumentsOn) {
    struct Case {
        const char* form;
        std::function<void(PBITMAP, PBITMAP)> draw;
        Blit expected;
    } cases[] = {
        {"full", [](PBITMAP s, PBITMAP d) { display::DRAWBMP(s, d, 1, 2, 3, 4, 5, 6, 7, 8, KEY); },
         {1, 2, 3, 4, 5, 6, 7, 8, KEY}},
        {"sx sy dx dy w h key", [](PBITMAP s, PBITMAP d) { display::DRAWBMP(s, d, 1, 2, 7, 3, 5, 4, KEY); },
         {1, 2, 5, 4, 7, 3, 5, 4, KEY}},
        {"x y w h key", [](PBITMAP s, PBITMAP d) { display::DRAWBMP(s, d, 7, 3, 5, 4, KEY); },
         {0, 0, 5, 4, 7, 3, 5, 4, KEY}},
        {"x y key", [](PBITMAP s, PBITMAP d) { display::DRAWBMP(s, d, 7, 3, KEY); },
         {0, 0, 6, 5, 7, 3, 6, 5, KEY}},
        {"key", [](PBITMAP s, PBITMAP d) { display::DRAWBMP(s, d, KEY); }, {0, 0, 6, 5, 0, 0, 6, 5, KEY}},
        {"none", [](PBITMAP s, PBITMAP d) { display::DRAWBMP(s, d); },
         {0, 0, 6, 5, 0, 0, 6, 5, RECORDED_KEY}},
        {"negative position", [](PBITMAP s, PBITMAP d) { display::DRAWBMP(s, d, static_cast<std::uint32_t>(-3), static_cast<std::uint32_t>(-2), KEY); },
         {0, 0, 6, 5, -3, -2, 6, 5, KEY}},
    };
    for (const Case& c : cases) {
        BitmapPtr source = make_source();
        BitmapPtr dest(make_bitmap(filled_surface(16, 14, BACKGROUND), 0));
        dest->WIDTH = 3;  // the destination's recorded size plays no part
        dest->HEIGHT = 3;
        const std::vector<platform::Colour> before = dest->IMAGE->pixels;
        platform::Surface reference = *dest->IMAGE;
        const Blit& e = c.expected;
        reference_blit(*source->IMAGE, e.sx, e.sy, e.sw, e.sh, reference, e.dx, e.dy, e.dw, e.dh, e.key);
        c.draw(source.get(), dest.get());
        EXPECT_EQ(dest->IMAGE->pixels, reference.pixels) << c.form;
        EXPECT_NE(reference.pixels, before) << c.form << ": the case draws nothing";
    }
}

TEST(DrawBmp, NullBitmapsAndImagesDrawNothing) {
    BitmapPtr source = make_source();
    BitmapPtr dest(make_bitmap(filled_surface(8, 8, BACKGROUND), 0));
    BitmapPtr no_image(make_bitmap(nullptr, 0));
    no_image->WIDTH = 8;
    no_image->HEIGHT = 8;
    display::DRAWBMP(nullptr, dest.get());
    display::DRAWBMP(source.get(), nullptr);
    display::DRAWBMP(no_image.get(), dest.get());
    display::DRAWBMP(source.get(), no_image.get());
    display::DRAWBMP(nullptr, dest.get(), 0, 0, KEY);
    for (platform::Colour c : dest->IMAGE->pixels) EXPECT_EQ(c, BACKGROUND);
}

// What a copy must hold: the whole source image, with the destination rectangle an
// exact copy of the source rectangle (key-coloured pixels included) unless the key is
// 1, in which case source pixels of colour 1 leave the copied image showing.
platform::Surface expected_copy(const platform::Surface& source, const Blit& e) {
    platform::Surface result = source;
    if (e.key != platform::NO_COLOUR) {
        for (int y = 0; y < source.height; ++y)
            for (int x = 0; x < source.width; ++x)
                if (x >= e.dx && y >= e.dy && x < e.dx + e.dw && y < e.dy + e.dh) result.pixels[y * source.width + x] = e.key;
    }
    reference_blit(source, e.sx, e.sy, e.sw, e.sh, result, e.dx, e.dy, e.dw, e.dh, e.key);
    return result;
}

TEST(CopyBmp, EveryFormPassesItsArgumentsOn) {
    struct Case {
        const char* form;
        std::function<PBITMAP(PBITMAP)> copy;
        Blit expected;
    } cases[] = {
        {"full", [](PBITMAP s) { return display::COPYBMP(s, 1, 2, 3, 4, 5, 3, 4, 6, KEY); },
         {1, 2, 3, 4, 5, 3, 4, 6, KEY}},
        {"sx sy dx dy w h key", [](PBITMAP s) { return display::COPYBMP(s, 4, 3, 1, 2, 5, 4, KEY); },
         {4, 3, 5, 4, 1, 2, 5, 4, KEY}},
        {"sx sy dx dy w h", [](PBITMAP s) { return display::COPYBMP(s, 4, 3, 1, 2, 5, 4); },
         {4, 3, 5, 4, 1, 2, 5, 4, RECORDED_KEY}},
        {"x y w h key", [](PBITMAP s) { return display::COPYBMP(s, 4, 3, 5, 4, KEY); },
         {0, 0, 5, 4, 4, 3, 5, 4, KEY}},
        {"x y key", [](PBITMAP s) { return display::COPYBMP(s, 2, 1, KEY); }, {0, 0, 6, 5, 2, 1, 6, 5, KEY}},
        {"key", [](PBITMAP s) { return display::COPYBMP(s, KEY); }, {0, 0, 6, 5, 0, 0, 6, 5, KEY}},
        {"none", [](PBITMAP s) { return display::COPYBMP(s); }, {0, 0, 6, 5, 0, 0, 6, 5, RECORDED_KEY}},
        {"key 1, no pre-fill", [](PBITMAP s) { return display::COPYBMP(s, 4, 3, 1, 2, 5, 4, 1); },
         {4, 3, 5, 4, 1, 2, 5, 4, 1}},
        {"scaled", [](PBITMAP s) { return display::COPYBMP(s, 1, 1, 3, 2, 2, 3, 6, 4, KEY); },
         {1, 1, 3, 2, 2, 3, 6, 4, KEY}},
    };
    for (const Case& c : cases) {
        BitmapPtr source = make_source();
        BitmapPtr copy(c.copy(source.get()));
        ASSERT_TRUE(copy && copy->IMAGE && copy->DC) << c.form;
        EXPECT_EQ(copy->DC->target, copy->IMAGE) << c.form;
        EXPECT_NE(copy->IMAGE, source->IMAGE) << c.form;
        const platform::Surface expected = expected_copy(*source->IMAGE, c.expected);
        EXPECT_EQ(copy->IMAGE->width, 10) << c.form;
        EXPECT_EQ(copy->IMAGE->height, 9) << c.form;
        EXPECT_EQ(copy->IMAGE->pixels, expected.pixels) << c.form;
        EXPECT_EQ(copy->WIDTH, std::uint32_t(c.expected.dw)) << c.form;
        EXPECT_EQ(copy->HEIGHT, std::uint32_t(c.expected.dh)) << c.form;
        EXPECT_EQ(copy->KEYCOLOR, c.expected.key) << c.form;
        EXPECT_TRUE(copy->FILENAME.empty()) << c.form;
        const SurfacePtr original(patterned_surface(10, 9));
        EXPECT_EQ(source->IMAGE->pixels, original->pixels) << c.form << ": source changed";
    }
}

TEST(CopyBmp, KeyOneLeavesTheCopiedImageWhereTheSourceHasColourOne) {
    // Source rectangle column 0 holds colour 1 at row 0; the copy's own pixel there stays.
    BitmapPtr source(make_bitmap(platform::create_surface(4, 2), 0));
    source->IMAGE->pixels = {1, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x80};
    BitmapPtr copy(display::COPYBMP(source.get(), 0, 0, 2, 0, 2, 2, 1));
    const std::vector<platform::Colour> expected = {1, 0x20, 0x30, 0x20, 0x50, 0x60, 0x50, 0x60};
    EXPECT_EQ(copy->IMAGE->pixels, expected);
    // With any other key the rectangle is pre-filled, so the same blit copies exactly.
    source->IMAGE->pixels[0] = 0x10;
    BitmapPtr keyed(display::COPYBMP(source.get(), 0, 0, 2, 0, 2, 2, 0x10));
    const std::vector<platform::Colour> exact = {0x10, 0x20, 0x10, 0x20, 0x50, 0x60, 0x50, 0x60};
    EXPECT_EQ(keyed->IMAGE->pixels, exact);
    EXPECT_EQ(display::detail::BR.null, false) << "the copy replaces the shared brush";
    EXPECT_EQ(display::detail::BR.colour, 0x10u);
}

TEST(CopyBmp, WindowRecordTakesTheNoImagePath) {
    // The window record has no image of its own: its context draws on the window.
    SurfacePtr window(filled_surface(6, 4, 0x00445566));
    window->pixels[7] = 0x00ABCDEF;
    platform::Context window_context;
    window_context.target = window.get();
    display::BITMAPREC record;
    record.DC = &window_context;
    record.WIDTH = 6;
    record.HEIGHT = 4;
    record.KEYCOLOR = 1;
    BitmapPtr back(display::COPYBMP(&record));
    ASSERT_TRUE(back && back->IMAGE);
    EXPECT_EQ(back->IMAGE->width, 6);
    EXPECT_EQ(back->IMAGE->height, 4);
    EXPECT_EQ(back->IMAGE->pixels, window->pixels);
    EXPECT_EQ(back->KEYCOLOR, 1u);
}

TEST(CopyBmp, AbsurdRecordedSizesAllocateNothing) {
    struct Case {
        std::uint32_t width, height;
    } cases[] = {{100000, 100000}, {0xFFFFFFFFu, 4}, {4, 0x80000000u}, {0, 4}};
    for (const Case& c : cases) {
        BitmapPtr no_image(make_bitmap(nullptr, 0));
        no_image->WIDTH = c.width;
        no_image->HEIGHT = c.height;
        BitmapPtr copy(display::COPYBMP(no_image.get()));
        ASSERT_TRUE(copy);
        EXPECT_EQ(copy->IMAGE, nullptr) << c.width << "x" << c.height;
        BitmapPtr dest(make_bitmap(filled_surface(4, 4, BACKGROUND), 0));
        display::DRAWBMP(copy.get(), dest.get());
        for (platform::Colour p : dest->IMAGE->pixels) EXPECT_EQ(p, BACKGROUND);
    }
    EXPECT_EQ(display::COPYBMP(nullptr), nullptr);
}

// ---- LOADBMP ------------------------------------------------------------------------

std::vector<unsigned char> with_u32(std::vector<unsigned char> bytes, std::size_t at, std::uint32_t value) {
    for (int k = 0; k < 4; ++k) bytes[at + k] = static_cast<unsigned char>(value >> (8 * k));
    return bytes;
}

TEST(LoadBmp, HeaderGivesSizeAndKey) {
    TempDir dir;
    struct Case {
        const char* what;
        std::vector<unsigned char> bytes;
        std::uint32_t width, height;
        platform::Colour key;
    } cases[] = {
        {"bottom-up 24 bits", bmp_bytes(24, 7, 5, false, 0x00123456), 7, 5, 0x00123456},
        {"top-down 32 bits", bmp_bytes(32, 7, 5, true, 0x00000001), 7, 5, 1},
        {"palette, no key", bmp_bytes(8, 3, 9, false), 3, 9, 0},
    };
    for (const Case& c : cases) {
        const std::string path = dir.write("image.bmp", c.bytes);
        BitmapPtr bitmap(display::LOADBMP(path));
        ASSERT_TRUE(bitmap && bitmap->IMAGE && bitmap->DC) << c.what;
        EXPECT_EQ(bitmap->DC->target, bitmap->IMAGE) << c.what;
        EXPECT_EQ(bitmap->WIDTH, c.width) << c.what;
        EXPECT_EQ(bitmap->HEIGHT, c.height) << c.what;
        EXPECT_EQ(bitmap->KEYCOLOR, c.key) << c.what;
        EXPECT_EQ(bitmap->FILENAME, path) << c.what;
        EXPECT_EQ(bitmap->IMAGE->width, int(c.width)) << c.what;
    }
}

TEST(LoadBmp, KeyArgumentOverridesTheHeader) {
    TempDir dir;
    const std::string path = dir.write("image.bmp", bmp_bytes(24, 4, 4, false, 0x00123456));
    BitmapPtr bitmap(display::LOADBMP(path, 0x00000000));
    EXPECT_EQ(bitmap->KEYCOLOR, 0u);
    // The key then governs the short blit forms.
    BitmapPtr dest(make_bitmap(filled_surface(4, 4, BACKGROUND), 0));
    display::DRAWBMP(bitmap.get(), dest.get());
    EXPECT_EQ(at(*dest->IMAGE, 1, 0), pattern(1, 0));
}

TEST(LoadBmp, BackslashNameAndLongNameIsCut) {
    TempDir dir;
    const std::string folder(120, 'd'), file(120, 'f');
    dir.write(folder + "/" + folder + "/" + file + ".bmp", bmp_bytes(24, 2, 2, false));
    const std::string name = dir.path.string() + "\\" + folder + "\\" + folder + "\\" + file + ".bmp";
    ASSERT_GT(name.size(), 255u);
    BitmapPtr bitmap(display::LOADBMP(name));
    ASSERT_TRUE(bitmap->IMAGE);
    EXPECT_EQ(bitmap->FILENAME, name.substr(0, 255));
}

TEST(LoadBmp, MissingOrShortFilesThrowNamingTheFile) {
    TempDir dir;
    const std::vector<unsigned char> good = bmp_bytes(24, 4, 4, false);
    struct Case {
        const char* what;
        std::string path;
        std::string problem;
    } cases[] = {
        {"missing", (dir.path / "blank.bmp").string(), "cannot open: No such file or directory"},
        {"empty", dir.write("empty.bmp", {}), "file too short for a BMP header"},
        {"cut before the key field",
         dir.write("short.bmp", std::vector<unsigned char>(good.begin(), good.begin() + 53)),
         "file too short for a BMP header"},
        {"a folder", (dir.path / "folder.bmp").string(), "cannot read: Is a directory"},
    };
    std::filesystem::create_directory(dir.path / "folder.bmp");
    for (const Case& c : cases) {
        try {
            BitmapPtr bitmap(display::LOADBMP(c.path));
            ADD_FAILURE() << c.what << ": no error";
        } catch (const display::IoError& error) {
            EXPECT_EQ(std::string(error.what()), c.path + ": " + c.problem) << c.what;
        }
    }
}

TEST(LoadBmp, UndecodablePixelsGiveARecordWithoutImage) {
    TempDir dir;
    const std::vector<unsigned char> good = bmp_bytes(24, 4, 4, false, 0x00ABCDEF);
    struct Case {
        const char* what;
        std::vector<unsigned char> bytes;
        std::uint32_t width, height;
    } cases[] = {
        {"header only", std::vector<unsigned char>(good.begin(), good.begin() + 54), 4, 4},
        {"huge", with_u32(with_u32(good, 18, 100000), 22, 100000), 100000, 100000},
        {"negative width", with_u32(good, 18, static_cast<std::uint32_t>(-5)), static_cast<std::uint32_t>(-5), 4},
        {"not a BMP", with_u32(good, 0, 0x12345678), 4, 4},
    };
    for (const Case& c : cases) {
        BitmapPtr bitmap(display::LOADBMP(dir.write("bad.bmp", c.bytes)));
        ASSERT_TRUE(bitmap) << c.what;
        EXPECT_EQ(bitmap->IMAGE, nullptr) << c.what;
        EXPECT_EQ(bitmap->WIDTH, c.width) << c.what;
        EXPECT_EQ(bitmap->HEIGHT, c.height) << c.what;
        EXPECT_EQ(bitmap->KEYCOLOR, 0x00ABCDEFu) << c.what;
        // Copying and drawing such a record neither allocates its claimed size nor draws.
        BitmapPtr copy(display::COPYBMP(bitmap.get()));
        if (c.width > std::uint32_t{platform::MAX_SURFACE_SIDE}) {
            EXPECT_EQ(copy->IMAGE, nullptr) << c.what;
        }
        BitmapPtr dest(make_bitmap(filled_surface(4, 4, BACKGROUND), 0));
        display::DRAWBMP(bitmap.get(), dest.get());
        for (platform::Colour p : dest->IMAGE->pixels) EXPECT_EQ(p, BACKGROUND) << c.what;
    }
}

}  // namespace
