#include "kit/Artwork.h"
#include "kit/ModuleArt.h"
#include "kit/ModuleArtLoading.h"
#include "platform/MemoryBitmap.h"
#include "platform/ResourcePack.h"
#include "tests/support/FakeApp.h"
#include "tests/support/Recorders.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace platform;

namespace {

const std::string kProgramDir = FISCOVA_PROGRAM_DIR "/";

struct ManifestRow {
    std::string pack;
    std::string name;
    int width;
    int height;
};

std::vector<ManifestRow> ReadManifest()
{
    std::ifstream in(FISCOVA_SOURCE_DIR "/tools/artgen/manifest.tsv");
    std::vector<ManifestRow> rows;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        ManifestRow row;
        std::string width, height;
        std::getline(fields, row.pack, '\t');
        std::getline(fields, row.name, '\t');
        std::getline(fields, width, '\t');
        std::getline(fields, height, '\t');
        row.width = std::stoi(width);
        row.height = std::stoi(height);
        rows.push_back(row);
    }
    return rows;
}

// The bytes of a small BMP file with the given depth and colours-used field.
std::string MakeBmp(int bits, int colorsUsed)
{
    const int width = 4, height = 2;
    const int stride = ((width * bits + 31) / 32) * 4;
    const int tableEntries = bits <= 8 ? (colorsUsed ? colorsUsed : 1 << bits) : 0;
    const int offset = 14 + 40 + tableEntries * 4;
    std::string b(static_cast<size_t>(offset + stride * height), '\0');
    auto put32 = [&](size_t at, std::uint32_t v) { std::memcpy(&b[at], &v, 4); };
    auto put16 = [&](size_t at, std::uint16_t v) { std::memcpy(&b[at], &v, 2); };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, static_cast<std::uint32_t>(b.size()));
    put32(10, static_cast<std::uint32_t>(offset));
    put32(14, 40);
    put32(18, width);
    put32(22, height);
    put16(26, 1);
    put16(28, static_cast<std::uint16_t>(bits));
    put32(46, static_cast<std::uint32_t>(colorsUsed));
    for (int i = 0; i < tableEntries; ++i)
        put32(static_cast<size_t>(54 + i * 4), static_cast<std::uint32_t>(i * 0x010101));
    return b;
}

class ArtworkTest : public ::testing::Test {
protected:
    FakeApp app{kProgramDir};
    MessageBoxRecorder boxes;
};

} // namespace

TEST_F(ArtworkTest, EveryNameOfTheManifestLoadsFromItsPack)
{
    const std::vector<ManifestRow> rows = ReadManifest();
    ASSERT_GT(rows.size(), 500u);
    std::string loadedPack;
    for (const ManifestRow& row : rows) {
        if (row.pack == "own") {
            app.Flags().currentModule = ModuleMainMenu;
        } else {
            app.Flags().currentModule = ModuleMoney;
            if (row.pack != loadedPack) {
                app.Art().LoadSectionModule(row.pack + ".dll");
                loadedPack = row.pack;
            }
        }
        Bitmap bitmap;
        const Size size = app.Art().LoadBitmapByName(bitmap, row.name);
        EXPECT_EQ(size, (Size{row.width, row.height})) << row.pack << " " << row.name;
        EXPECT_EQ(bitmap.BitsPerPixel(), 8) << row.name;
    }
    EXPECT_TRUE(boxes.boxes.empty()) << boxes.boxes.front().text;
}

TEST_F(ArtworkTest, MainMenuUsesOwnArtOtherModulesTheirSectionModule)
{
    Bitmap bitmap;
    app.Flags().currentModule = ModuleMainMenu;
    EXPECT_FALSE(app.Art().LoadBitmapByName(bitmap, "IDB_MENU1OFF").IsEmpty());
    EXPECT_FALSE(app.Art().LoadBitmapByName(bitmap, "idb_menu1off").IsEmpty()); // any letter case

    app.Flags().currentModule = ModuleMoney;
    app.Art().LoadSectionModule("manym.dll");
    EXPECT_FALSE(app.Art().LoadBitmapByName(bitmap, "IDB_man1ovr").IsEmpty());
    EXPECT_TRUE(boxes.boxes.empty());
    // Own artwork is not found while a learning module is current ...
    EXPECT_TRUE(app.Art().LoadBitmapByName(bitmap, "IDB_MENU1OFF").IsEmpty());
    EXPECT_TRUE(bitmap.IsEmpty());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Unable to load IDB_MENU1OFF");
    // ... except the field's calculator icon, spelt exactly so.
    EXPECT_EQ(app.Art().LoadBitmapByName(bitmap, "idb_calcul"), (Size{12, 14}));
    EXPECT_TRUE(app.Art().LoadBitmapByName(bitmap, "IDB_CALCUL").IsEmpty());
    EXPECT_EQ(boxes.boxes.back().text, "Unable to load IDB_CALCUL");

    // A module that cannot be loaded is not reported; its bitmaps are.
    boxes.boxes.clear();
    app.Art().LoadSectionModule("nosuch.dll");
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_TRUE(app.Art().LoadBitmapByName(bitmap, "IDB_man1ovr").IsEmpty());
    EXPECT_EQ(boxes.boxes.back().text, "Unable to load IDB_man1ovr");
}

TEST_F(ArtworkTest, PalettesComeFromTheColourTable)
{
    Bitmap eight;
    ASSERT_TRUE(eight.LoadFromBmp(MakeBmp(8, 0)));
    Palette p = PaletteForBitmap(eight);
    EXPECT_FALSE(p.halftone);
    ASSERT_EQ(p.entries.size(), 256u);
    EXPECT_EQ(p.entries[3], RGB(3, 3, 3));

    Bitmap sixteen;
    ASSERT_TRUE(sixteen.LoadFromBmp(MakeBmp(8, 16)));
    EXPECT_EQ(PaletteForBitmap(sixteen).entries.size(), 16u);

    Bitmap trueColour;
    ASSERT_TRUE(trueColour.LoadFromBmp(MakeBmp(24, 0)));
    EXPECT_TRUE(PaletteForBitmap(trueColour).halftone);

    app.Flags().currentModule = ModuleMoney;
    app.Art().LoadSectionModule("manym.dll");
    Bitmap reference;
    Palette module;
    ASSERT_TRUE(app.Art().LoadBitmapAndPalette("IDB_man1ovr", reference, module));
    EXPECT_EQ(module.entries.size(), 256u);
    EXPECT_FALSE(app.Art().LoadBitmapAndPalette("IDB_nothing", reference, module));
    EXPECT_EQ(boxes.boxes.back().text, "Get Bitmap&Pal Unable to load IDB_nothing");
}

TEST_F(ArtworkTest, TheModulePaletteComesBackWithoutDrawingAViewNotYetDrawn)
{
    app.Flags().currentModule = ModuleMoney;
    app.Art().LoadSectionModule("manym.dll");
    Bitmap reference;
    Palette expected;
    ASSERT_TRUE(app.Art().LoadBitmapAndPalette(ModuleArtOf(ModuleMoney).paletteBitmap, reference, expected));
    const auto takeMenuPalette = [&] {
        QImage elsewhere(1, 1, QImage::Format_RGB32);
        Dc dc(&elsewhere);
        app.Flags().currentModule = ModuleMainMenu;
        app.Art().RealizeBitmapPalette(dc, "IDB_menu3ovr");
        app.Flags().currentModule = ModuleMoney;
        ASSERT_FALSE(app.Art().ProgramPalette().IsEmpty());
        ASSERT_NE(app.Art().ProgramPalette().entries, expected.entries);
    };
    takeMenuPalette();

    app.Art().RealizeModulePalette();
    EXPECT_FALSE(app.view->HoldsPixels());
    EXPECT_EQ(app.Art().ProgramPalette().entries, expected.entries);

    // A view that has been drawn takes it on its own pixels.
    {
        ClientDc dc(app.view.get());
        dc.FillSolidRect({0, 0, 10, 10}, RGB(0, 0, 0));
    }
    ASSERT_TRUE(app.view->HoldsPixels());
    takeMenuPalette();
    app.Art().RealizeModulePalette();
    EXPECT_EQ(app.Art().ProgramPalette().entries, expected.entries);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(ArtworkTest, TransparentBlitLeavesKeyPixelsAlone)
{
    QImage source(4, 1, QImage::Format_RGB32);
    source.setPixel(0, 0, qRgb(255, 0, 0));
    source.setPixel(1, 0, qRgb(0, 255, 0));
    source.setPixel(2, 0, qRgb(255, 0, 0));
    source.setPixel(3, 0, qRgb(254, 0, 0));
    Bitmap bitmap;
    bitmap.SetImage(source);
    QImage target(6, 2, QImage::Format_RGB32);
    target.fill(qRgb(0, 0, 255));
    {
        Dc dc(&target);
        app.Art().DrawTransparentBitmap(dc, 1, 1, 4, 1, bitmap, 0, 0, RGB(255, 0, 0));
    }
    EXPECT_EQ(target.pixel(1, 1), qRgb(0, 0, 255));
    EXPECT_EQ(target.pixel(2, 1), qRgb(0, 255, 0));
    EXPECT_EQ(target.pixel(3, 1), qRgb(0, 0, 255));
    EXPECT_EQ(target.pixel(4, 1), qRgb(254, 0, 0));
    EXPECT_EQ(target.pixel(2, 0), qRgb(0, 0, 255));
}

// A background is drawn from its palette the first time and from a copy in
// the screen's format afterwards, a copy shared by the bitmaps showing it
// and let go when others have been drawn since; the screen must not tell
// the difference.
TEST_F(ArtworkTest, LargePalettePicturesDrawTheSameEveryTime)
{
    app.Flags().currentModule = ModuleMoney;
    app.Art().LoadSectionModule("manym.dll");
    const char* const names[] = {"IDB_Man_bak", "idb_man1stil", "idb_man2stil", "idb_man3stil",
                                 "idb_net_bak", "idb_net_flybk", "IDB_budrez"};
    std::vector<Bitmap> pictures(std::size(names));
    std::vector<QImage> expected;
    for (size_t i = 0; i < pictures.size(); ++i) {
        ASSERT_FALSE(app.Art().LoadBitmapByName(pictures[i], names[i]).IsEmpty()) << names[i];
        ASSERT_EQ(pictures[i].BitsPerPixel(), 8) << names[i];
        expected.push_back(pictures[i].Image().convertToFormat(QImage::Format_RGB32));
    }
    const auto draw = [&](const Bitmap& bitmap) {
        QImage target(bitmap.Image().size(), QImage::Format_RGB32);
        target.fill(qRgb(1, 2, 3));
        {
            Dc dc(&target);
            app.Art().DrawBitmap(dc, bitmap, 0, 0);
        }
        return target;
    };
    // Each drawn three times in a row, then all of them again in turn: by
    // then the first ones' copies have been let go of.
    for (size_t i = 0; i < pictures.size(); ++i) {
        for (int time = 0; time < 3; ++time)
            EXPECT_EQ(draw(pictures[i]), expected[i]) << names[i] << " " << time;
    }
    for (size_t i = 0; i < pictures.size(); ++i)
        EXPECT_EQ(draw(pictures[i]), expected[i]) << names[i];

    Bitmap again;
    app.Art().LoadBitmapByName(again, names[0]);
    EXPECT_EQ(draw(again), expected[0]);
    EXPECT_EQ(pictures[0].Image().format(), QImage::Format_Indexed8);
}

// The bitmap services: every name the program asks for exists in the pack
// the lookup rules select, palettes come from the reference bitmaps, and
// missing names are reported by name.
TEST_F(ArtworkTest, ModuleArtComesWithTheSectionModule)
{
    app.Flags().currentModule = ModuleHelp;
    app.Art().LoadSectionModule("how.dll");
    LoadModuleArt();
    EXPECT_TRUE(boxes.boxes.empty());
    // Contact and help has no print button: buttons 1 to 3 are numbers 12 to 14.
    EXPECT_TRUE(app.Nav().Button(0).BitmapOf(ImageButton::Over).IsEmpty());
    EXPECT_TRUE(app.Nav().Button(0).BitmapOf(ImageButton::Normal).IsEmpty());
    for (int i = 1; i < NavBar::kButtons; ++i)
        EXPECT_FALSE(app.Nav().Button(i).BitmapOf(ImageButton::Pressed).IsEmpty()) << i;
    EXPECT_EQ(app.Art().ModuleBackground().GetSize(), (Size{640, 480}));

    app.Flags().currentModule = ModuleCredit;
    app.Art().LoadSectionModule("cred.dll");
    LoadModuleArt();
    EXPECT_FALSE(app.Nav().Button(0).BitmapOf(ImageButton::Normal).IsEmpty());
    const COLORREF creditCorner = app.Art().ModuleBackground().PixelAt(5, 5);

    // The exit module loads no art: the background stays the credit one.
    app.Flags().currentModule = ModuleExit;
    app.Art().LoadSectionModule("ZEMExit.dll");
    LoadModuleArt();
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(app.Art().ModuleBackground().PixelAt(5, 5), creditCorner);
    EXPECT_FALSE(app.Nav().Button(0).BitmapOf(ImageButton::Normal).IsEmpty());
}

TEST_F(ArtworkTest, PicturesLoadedAgainMatchTheirPackEvenWhenThePackFileIsReplaced)
{
    QTemporaryDir dir;
    const QString pack = dir.path() + "/section.rcc";
    const std::string library = dir.path().toStdString() + "/section.dll";
    ASSERT_TRUE(QFile::copy(QString::fromStdString(kProgramDir + "fam1.rcc"), pack));
    ASSERT_TRUE(LoadModulePack(library));
    Bitmap first, again;
    ASSERT_TRUE(LoadPackBitmap(PackSource::Module, "IDB_fvd1_1", first));
    ASSERT_TRUE(LoadPackBitmap(PackSource::Module, "idb_FVD1_1", again));
    EXPECT_EQ(again.GetSize(), (Size{380, 275}));
    EXPECT_EQ(again.Image(), first.Image());
    EXPECT_EQ(again.ColorTable(), first.ColorTable());

    // Another pack in the same file: its own pictures, none of the old ones.
    ASSERT_TRUE(QFile::remove(pack));
    ASSERT_TRUE(QFile::copy(QString::fromStdString(kProgramDir + "fam2.rcc"), pack));
    ASSERT_TRUE(LoadModulePack(library));
    Bitmap replaced;
    EXPECT_FALSE(LoadPackBitmap(PackSource::Module, "IDB_fvd1_1", replaced));
    EXPECT_TRUE(replaced.IsEmpty());
    ASSERT_TRUE(LoadPackBitmap(PackSource::Module, "IDB_fvd2_1", replaced));
    EXPECT_EQ(replaced.GetSize(), (Size{476, 276}));
    FreeModulePack();
    EXPECT_FALSE(LoadPackBitmap(PackSource::Module, "IDB_fvd2_1", replaced));
}

TEST_F(ArtworkTest, ALargePalettePictureDrawsAndReadsTheSameAfterItsFirstDrawing)
{
    app.Flags().currentModule = ModuleMainMenu;
    Bitmap background;
    ASSERT_EQ(app.Art().LoadBitmapByName(background, "IDB_MMBACK"), (Size{640, 480}));
    const std::vector<COLORREF> table = background.ColorTable();
    ASSERT_EQ(table.size(), 256u);
    const COLORREF corner = background.PixelAt(3, 3);
    const COLORREF middle = background.PixelAt(320, 240);

    // Drawn twice: both copies show the picture's own pixels.
    for (int i = 0; i < 2; ++i) {
        MemoryBitmap target(640, 480);
        target.GetDc().BitBlt(0, 0, 640, 480, background, 0, 0);
        EXPECT_EQ(target.GetBitmap().PixelAt(3, 3), corner);
        EXPECT_EQ(target.GetBitmap().PixelAt(320, 240), middle);
    }
    // What the picture tells of itself is unchanged by being drawn.
    EXPECT_EQ(background.ColorTable(), table);
    EXPECT_EQ(background.BitsPerPixel(), 8);
    EXPECT_EQ(background.PixelAt(320, 240), middle);
    EXPECT_EQ(PaletteForBitmap(background).entries.size(), 256u);
}
