#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QVariantMap>

namespace xj {

class Mpris;

// org.mpris.MediaPlayer2.Player: the transport, the modes and what plays.
class MprisPlayer : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
    Q_PROPERTY(QString LoopStatus READ LoopStatus WRITE setLoopStatus)
    Q_PROPERTY(double Rate READ Rate WRITE setRate)
    Q_PROPERTY(bool Shuffle READ Shuffle WRITE setShuffle)
    Q_PROPERTY(QVariantMap Metadata READ Metadata)
    Q_PROPERTY(double Volume READ Volume WRITE setVolume)
    Q_PROPERTY(qlonglong Position READ Position)
    Q_PROPERTY(double MinimumRate READ MinimumRate)
    Q_PROPERTY(double MaximumRate READ MaximumRate)
    Q_PROPERTY(bool CanGoNext READ CanGoNext)
    Q_PROPERTY(bool CanGoPrevious READ CanGoPrevious)
    Q_PROPERTY(bool CanPlay READ CanPlay)
    Q_PROPERTY(bool CanPause READ CanPause)
    Q_PROPERTY(bool CanSeek READ CanSeek)
    Q_PROPERTY(bool CanControl READ CanControl)
public:
    explicit MprisPlayer(Mpris& mpris);

    QString PlaybackStatus() const { return value("PlaybackStatus").toString(); }
    QString LoopStatus() const { return value("LoopStatus").toString(); }
    void setLoopStatus(const QString& status);
    double Rate() const { return value("Rate").toDouble(); }
    void setRate(double rate);
    bool Shuffle() const { return value("Shuffle").toBool(); }
    void setShuffle(bool on);
    QVariantMap Metadata() const { return value("Metadata").toMap(); }
    double Volume() const { return value("Volume").toDouble(); }
    void setVolume(double volume);
    qlonglong Position() const;
    double MinimumRate() const;
    double MaximumRate() const;
    bool CanGoNext() const { return value("CanGoNext").toBool(); }
    bool CanGoPrevious() const { return value("CanGoPrevious").toBool(); }
    bool CanPlay() const { return value("CanPlay").toBool(); }
    bool CanPause() const { return value("CanPause").toBool(); }
    bool CanSeek() const { return value("CanSeek").toBool(); }
    bool CanControl() const { return true; }

public slots:
    void Play();
    void Pause();
    void PlayPause();
    void Stop();
    void Next();
    void Previous();
    void Seek(qlonglong offset);
    void SetPosition(const QDBusObjectPath& trackId, qlonglong position);
    void OpenUri(const QString& uri);

signals:
    void Seeked(qlonglong position);

private:
    QVariant value(const char* name) const;
    Mpris& mpris_;
};

} // namespace xj
