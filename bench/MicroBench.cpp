// Speed of the small pieces every page leans on.
#include "data/CFinData.h"
#include "kit/ContentFiles.h"
#include "kit/NumberFormat.h"
#include "platform/Framework.h"
#include "tests/support/FakeApp.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_ParseAmount(benchmark::State& state)
{
    const std::string texts[] = {"$1,250", "12.50", "999999999", "", "1,000.00"};
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(CFinData::ParseAmount(texts[i++ % 5]));
}
BENCHMARK(BM_ParseAmount);

void BM_FormatThousands(benchmark::State& state)
{
    const std::string texts[] = {"1234567", "-1250", "999", "1234567890"};
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(FormatThousands(texts[i++ % 4]));
}
BENCHMARK(BM_FormatThousands);

void BM_LoadAndSave(benchmark::State& state)
{
    QTemporaryDir dir;
    SetSavedWorkDirectory(dir.path().toStdString() + "/");
    CFinData record;
    record.Reset();
    record.Save();
    for (auto _ : state) {
        benchmark::DoNotOptimize(record.Load());
        benchmark::DoNotOptimize(record.Save());
    }
}
BENCHMARK(BM_LoadAndSave);

void BM_ReadItemList(benchmark::State& state)
{
    FakeApp app(FISCOVA_PROGRAM_DIR "/");
    const std::string path = ContentFilePath("data\\", "spending.txt");
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadItemList(path));
}
BENCHMARK(BM_ReadItemList);

void BM_ReadLineList(benchmark::State& state)
{
    FakeApp app(FISCOVA_PROGRAM_DIR "/");
    const std::string path = ContentFilePath("top10\\", "cred2a4.txt");
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadLineList(path, 50));
}
BENCHMARK(BM_ReadLineList);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    platform::GuiSession session(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
