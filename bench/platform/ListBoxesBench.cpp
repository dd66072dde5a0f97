// Sorted list boxes at sizes no tournament reaches: filled at once, as the
// dialogs do, and one name at a time; and building the largest template.
#include "platform/DialogTemplate.h"
#include "platform/ListBoxes.h"

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <random>

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "platform_bench";
    static char* argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

QStringList names(int count) {
    QStringList out;
    std::mt19937 random(7);
    for (int i = 0; i < count; ++i) {
        out << QStringLiteral("Player %1").arg(random() % 1000000);
    }
    return out;
}

void FillSortedAtOnce(benchmark::State& state) {
    application();
    QStringList items = names(static_cast<int>(state.range(0)));
    std::stable_sort(items.begin(), items.end(), corvane::platform::sortsBefore);
    QListWidget list;
    corvane::platform::keepSorted(list);
    for (auto _ : state) {
        list.clear();
        list.addItems(items);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(FillSortedAtOnce)->RangeMultiplier(4)->Range(1 << 10, 1 << 16)->Complexity();

void AddSortedOneByOne(benchmark::State& state) {
    application();
    const QStringList items = names(static_cast<int>(state.range(0)));
    QListWidget list;
    corvane::platform::keepSorted(list);
    for (auto _ : state) {
        list.clear();
        for (const QString& item : items) {
            list.addItem(item);
        }
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(AddSortedOneByOne)->RangeMultiplier(4)->Range(1 << 10, 1 << 14)->Complexity();

void BuildGameResultsTemplate(benchmark::State& state) {
    application();
    for (auto _ : state) {
        QDialog dialog;
        benchmark::DoNotOptimize(corvane::platform::buildFromTemplate(dialog, 131));
    }
}
BENCHMARK(BuildGameResultsTemplate);

} // namespace
