#pragma once

#include <QList>
#include <random>
#include <utility>

class AppContext;

// Changes the wallpaper once. For the local sources: moves CurWallPaper over
// PictureList by the chosen technique, loads that picture and composes it;
// then, with BubbleFileName, shows the chosen path for five seconds. For the
// internet source: steps to the next internet picture.
void NextWallpaper(AppContext& app);

// The sequence technique: the entry after CurWallPaper, wrapping to the first
// (also when the list has shrunk below the stored position).
void SelectSequence(AppContext& app);

// The random technique: a random entry other than the current one when there
// are two or more; the only entry again when there is one.
void SelectRandom(AppContext& app);

// Reorders the list at random in place: items are drawn one at a time from
// those left, each with equal chance.
template <typename T> void ShuffleCollection(QList<T>& list, std::mt19937& random) {
    QList<T> result;
    result.reserve(list.size());
    while (!list.isEmpty()) {
        std::uniform_int_distribution<qsizetype> pick(0, list.size() - 1);
        const qsizetype k = pick(random);
        result.append(std::move(list[k]));
        list.swapItemsAt(k, list.size() - 1);
        list.removeLast();
    }
    list = std::move(result);
}
