#include "collection/Selection.h"

#include <cmath>

qsizetype SelectSequence(qsizetype count, double current) {
    if (count <= 0) return 0;
    qsizetype position = 0;
    if (std::isfinite(current) && current >= 1)
        position = current >= double(count) ? count : qsizetype(std::floor(current));
    return position + 1 > count ? 1 : position + 1;
}

qsizetype SelectRandom(qsizetype count, double current, std::mt19937& random) {
    if (count <= 0) return 0;
    if (count == 1) return 1;
    std::uniform_int_distribution<qsizetype> draw(1, count);
    qsizetype k = 0;
    do {
        k = draw(random);
    } while (double(k) == current);
    return k;
}
