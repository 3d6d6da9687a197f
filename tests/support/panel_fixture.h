#pragma once

#include "core/form2.h"
#include "player/form1.h"
#include "support/fakes.h"
#include "support/virtual_time.h"

#include <gtest/gtest.h>
#include <memory>

namespace xj::test {

// A panel on fake platform services in a temporary program folder, with virtual time.
// By default xp.txt holds "no xp" so start-up asks nothing.
class PanelTest : public ::testing::Test {
protected:
    PanelTest() { fake.writeFile("xp.txt", "no xp\r\n"); }

    Form2& start(const QString& commandLine = {}) {
        fake.platform.commandLine = commandLine;
        form = std::make_unique<Form2>(fake.platform);
        time = std::make_unique<VirtualTime>([this] { return form->timers(); }, &fake.engine);
        form->start();
        return *form;
    }
    // Starts with a playlist of playable files (sorted by name), each `seconds` long.
    Form2& startWith(const QStringList& paths, double seconds = 2.0) {
        QByteArray lines;
        for (const QString& path : paths) {
            fake.engine.addMedia(path, seconds);
            lines += path.toUtf8() + "\r\n";
        }
        fake.writeFile("xjge.txt", lines);
        return start();
    }
    // Double-clicks entry i.
    void playEntry(int i) {
        form->List1.setSelected(i, true);
        form->List1_DblClick();
    }
    Form1& player() { return form->form1(); }
    // Closes the panel, answering No to a save question; whether one was asked.
    bool asksOnClose() {
        const size_t before = fake.messages.shown.size();
        fake.messages.answers = {MsgResult::No};
        form->Form_Unload();
        return fake.messages.shown.size() > before;
    }
    void advance(int ms) { time->advance(ms); }
    QStringList entries() const {
        QStringList out;
        for (int i = 0; i < form->List1.ListCount(); ++i)
            out << form->List1.List(i);
        return out;
    }

    FakePlatform fake;
    std::unique_ptr<Form2> form;
    std::unique_ptr<VirtualTime> time;
};

} // namespace xj::test
