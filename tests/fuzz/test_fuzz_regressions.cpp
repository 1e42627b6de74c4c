// Every input the fuzz targets keep — the seed corpus and the inputs that once
// made a target fail — replayed through the same targets in the ordinary build.
#include "FuzzTarget.h"

#include <QDirIterator>
#include <cstdio>
#include <gtest/gtest.h>

TEST(FuzzRegressions, EveryKeptInputRunsCleanly) {
    const QString root = QStringLiteral(TESSALY_SOURCE_DIR "/tests/fuzz");
    ASSERT_GE(FuzzTargets().size(), 8u);
    int replayed = 0;
    for (const auto& [name, target] : FuzzTargets()) {
        for (const char* kind : {"corpus", "regressions"}) {
            QDirIterator it(root + QLatin1Char('/') + QString::fromLatin1(kind) + QLatin1Char('/') +
                                QString::fromStdString(name),
                            QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile f(it.next());
                ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
                const QByteArray bytes = f.readAll();
                // A target ends the process on a fault, so the input is named first.
                std::fprintf(stderr, "%s: %s\n", name.c_str(), qPrintable(f.fileName()));
                EXPECT_EQ(target(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                 size_t(bytes.size())),
                          0);
                ++replayed;
            }
        }
    }
    EXPECT_GT(replayed, 40);
}
