#pragma once

#include <QList>
#include <QtGlobal>
#include <random>
#include <utility>

// The two techniques of choosing the next picture of a list of `count`
// entries, from the current position `current` (counting from 1; 0 = none).
// Each returns the position of the next picture, from 1 to `count`, or 0
// when the list is empty.

// The sequence technique: the entry after the current one, wrapping to the
// first (also when the list has shrunk below the stored position). A
// hand-edited position that is negative, fractional, huge or not a number
// counts as the nearest position that holds a picture.
qsizetype SelectSequence(qsizetype count, double current);

// The random technique: a random entry other than the current one when there
// are two or more; the only entry again when there is one.
qsizetype SelectRandom(qsizetype count, double current, std::mt19937& random);

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
