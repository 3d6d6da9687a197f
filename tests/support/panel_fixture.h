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
    Form1& player() { return form->form1(); }
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
