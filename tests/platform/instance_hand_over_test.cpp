#include "platform/system.h"
#include "support/event_loop.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace xj {
namespace {

TEST(InstanceHandOver, ALaterStartHandsItsFileToTheInstanceHoldingTheLock) {
    test::application();
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("xingjing.lock"));

    // Nobody holds the lock: a hand-over goes nowhere and does not hang.
    LockFileInstance nobody(lock + QStringLiteral(".unused"));
    nobody.handOver(QStringLiteral("/m/lost.mp3"));

    LockFileInstance running(lock);
    QStringList received;
    running.setReceiver([&](const QString& path) { received << path; });
    ASSERT_FALSE(running.anotherRunning());

    LockFileInstance later(lock);
    ASSERT_TRUE(later.anotherRunning());
    const QString path = QString::fromUtf8("/音乐/a song.mp3");
    later.handOver(path);
    EXPECT_TRUE(test::processEventsUntil([&] { return !received.isEmpty(); }, 5000));
    EXPECT_EQ(received, QStringList{path});
}

} // namespace
} // namespace xj
