#include "support/panel_fixture.h"

namespace xj::test {
namespace {

class SpeakerVolumeTest : public PanelTest {
protected:
    qint32 volume() { return form->mixer.prSpeakerVolume(); }
    void setVolume(qint32 v) { form->mixer.prSpeakerVolume(v); }
    qint32 card() { return fake.mixer.controls[MixerLine::Speakers].value; }
};

TEST_F(SpeakerVolumeTest, OpensAtTheCardsVolumeAndTheSliderShowsIt) {
    fake.mixer.controls[MixerLine::Speakers] = {0, 65535, 50000};
    Form2& f = start();
    EXPECT_EQ(f.mixer.prMixerErr(), 0);
    EXPECT_EQ(f.mixer.prSpeakerMaxVolume(), 65535);
    EXPECT_EQ(volume(), 50000);
    EXPECT_EQ(f.mixer.prMicVolume(), 20000);
    EXPECT_EQ(f.HScroll1.Value, 25000);
    EXPECT_TRUE(fake.messages.shown.empty());
    // The first step up starts from what the card had, not from silence.
    f.MNUYINLIANGJIA.Click();
    EXPECT_EQ(volume(), 56553);
    EXPECT_EQ(card(), 56553);
    EXPECT_EQ(f.HScroll1.Value, 28276);
}

TEST_F(SpeakerVolumeTest, LouderAndSofterStepByATenthWithinTheBounds) {
    Form2& f = start();
    const std::pair<qint32, qint32> louder[] = {{60000, 65535}, {58982, 65535}, {58981, 65534}};
    for (auto [from, to] : louder) {
        setVolume(from);
        f.MNUYINLIANGJIA.Click();
        EXPECT_EQ(volume(), to) << from;
    }
    const std::pair<qint32, qint32> softer[] = {{6553, 0}, {6552, 0}, {30000, 23447}};
    for (auto [from, to] : softer) {
        setVolume(from);
        f.MNUYINLIANGJIAN.Click();
        EXPECT_EQ(volume(), to) << from;
    }
    // A minimum above 0 is where softer ends.
    fake.mixer.controls[MixerLine::Speakers] = {100, 65535, 6000};
    Form2& g = start();
    g.MNUYINLIANGJIAN.Click();
    EXPECT_EQ(volume(), 100);
    EXPECT_EQ(card(), 100);
}

TEST_F(SpeakerVolumeTest, TheListKeysStepByATwoHundredthAndTheSliderWritesTwiceItsValue) {
    Form2& f = start();
    setVolume(1000);
    f.List1_KeyDown(187);
    EXPECT_EQ(volume(), 1327);
    f.List1_KeyDown(189);
    f.List1_KeyDown(189);
    EXPECT_EQ(volume(), 673);
    setVolume(65500);
    f.List1_KeyDown(187);
    EXPECT_EQ(volume(), 65535);
    setVolume(300);
    f.List1_KeyDown(189);
    EXPECT_EQ(volume(), 0);
    EXPECT_EQ(f.HScroll1.Value, 0);

    f.HScroll1.Value = 32767;
    f.HScroll1.events().onChange();
    EXPECT_EQ(volume(), 65534);
    EXPECT_EQ(card(), 65534);
    f.HScroll1.Value = 100;
    f.HScroll1.events().onChange();
    EXPECT_EQ(card(), 200);
}

TEST_F(SpeakerVolumeTest, AMixerThatDoesNotOpenIsReportedOnceAndChangesNothing) {
    fake.mixer.openError = -2;
    Form2& f = start();
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.shown[0].text, "Could not open the mixer.");
    EXPECT_EQ(fake.messages.shown[0].title, "Volume Control");
    EXPECT_EQ(fake.messages.shown[0].icon, MsgIcon::Critical);
    EXPECT_EQ(f.mixer.prMixerErr(), -2);
    // The rest of the load went on.
    EXPECT_TRUE(f.Visible);
    f.MNUYINLIANGJIA.Click();
    EXPECT_EQ(volume(), 0);
    f.MNUYINLIANGJIAN.Click();
    EXPECT_EQ(volume(), 0);
    EXPECT_TRUE(fake.mixer.speakerWrites.empty());
    EXPECT_EQ(fake.messages.shown.size(), 1u);
}

} // namespace
} // namespace xj::test
