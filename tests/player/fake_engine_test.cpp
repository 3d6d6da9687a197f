#include "form/failure.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <vector>

namespace xj::test {
namespace {

class Recorder : public MediaListener {
public:
    void durationKnown() override {}
    void playbackEnded() override {}
    void stateChanged(PlaybackState state) override { states.push_back(state); }
    void seeked(double seconds) override { seeks.push_back(seconds); }
    void detailsKnown() override { ++described; }
    std::vector<PlaybackState> states;
    std::vector<double> seeks;
    int described = 0;
};

TEST(FakeEngineTest, StateDetailsAndNoticesFollowItsVirtualMedia) {
    FakeEngine engine;
    Recorder heard;
    engine.setListener(&heard);
    MediaDetails song;
    song.container = "mp3";
    song.audioCodec = "mp3";
    song.sampleRate = 44100;
    song.title = "Tide";
    engine.addMedia("/m/song.mp3", 2.0, song);
    engine.addMedia("/m/plain.wav", 1.0);
    EXPECT_EQ(engine.state(), PlaybackState::Empty);
    EXPECT_EQ(engine.details(), MediaDetails());

    engine.setFileName("/m/song.mp3");
    EXPECT_EQ(engine.state(), PlaybackState::Playing);
    MediaDetails expected = song;
    expected.duration = 2.0;
    EXPECT_EQ(engine.details(), expected);
    // Told from the event loop, as the real engine tells it: never inside the call.
    EXPECT_EQ(heard.described, 0);
    engine.advance(1);
    EXPECT_EQ(heard.described, 1);

    engine.pause();
    EXPECT_EQ(engine.state(), PlaybackState::Paused);
    engine.setPosition(1.5);
    engine.play();
    engine.stop();
    engine.play();
    engine.advance(2100); // plays out
    EXPECT_EQ(engine.state(), PlaybackState::Ended);
    EXPECT_EQ(engine.details(), MediaDetails());
    EXPECT_EQ(heard.seeks, (std::vector<double>{1.5, 0}));

    EXPECT_THROW(engine.setFileName("/m/missing.mp3"), Failure);
    engine.setFileName("/m/plain.wav");
    engine.advance(1);
    EXPECT_EQ(engine.details().duration, 1.0);
    EXPECT_TRUE(engine.details().title.isEmpty());
    engine.close();
    EXPECT_EQ(engine.state(), PlaybackState::Ended);
    EXPECT_EQ(heard.states,
              (std::vector<PlaybackState>{
                  PlaybackState::Loading, PlaybackState::Playing, PlaybackState::Paused,
                  PlaybackState::Playing, PlaybackState::Paused, PlaybackState::Playing,
                  PlaybackState::Ended, PlaybackState::Loading, PlaybackState::Ended,
                  PlaybackState::Loading, PlaybackState::Playing, PlaybackState::Ended}));
    EXPECT_EQ(heard.described, 2);
}

} // namespace
} // namespace xj::test
