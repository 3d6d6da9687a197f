#pragma once

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

namespace xj {

class Form2;
class FrontEnd;

// The player as MPRIS2 sees it: the adaptors ask it for the values and hand it the commands,
// which enter the model through the front-end as the panel's own events do. After every
// mirror pass it tells the bus which values changed.
class Mpris : public QObject {
    Q_OBJECT
public:
    static constexpr double MinimumRate = 0.01;
    static constexpr double MaximumRate = 100;

    explicit Mpris(FrontEnd& front);
    ~Mpris() override;

    // Offers the service on `bus`; false, quietly, when there is no bus. The name is asked for
    // without waiting; when another has it, the service withdraws, as quietly.
    bool registerOn(const QDBusConnection& bus);

    // org.mpris.MediaPlayer2
    void raise();
    void quit();

    // org.mpris.MediaPlayer2.Player
    void play();
    void pause();
    void playPause();
    void stop();
    void next();
    void previous();
    void seek(qint64 offset);
    // A local file goes in as one handed over by a second start does; other schemes are
    // not played.
    void openUri(const QString& uri);
    void setPosition(const QString& trackId, qint64 position);
    // Values out of range are refused, left as they were: QtDBus answers a property write
    // before a setter could give an error.
    void setLoopStatus(const QString& status);
    void setShuffle(bool on);
    void setVolume(double volume);
    void setRate(double rate);

    // The player interface's values, Position aside (it is read, never signalled).
    QVariantMap playerValues();
    qint64 position();

signals:
    // The position in microseconds after a seek.
    void seeked(qint64 position);

private:
    void mirror();
    void engineSeeked();
    void withdraw();

    FrontEnd& front_;
    Form2& form_;
    QDBusConnection bus_{QString()};
    QVariantMap published_;
    QElapsedTimer lastSeeked_;
    QTimer seekedLater_;
};

} // namespace xj
