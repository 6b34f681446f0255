#include "shell/sound_player.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QByteArray>
#include <QEventLoop>
#include <QIODevice>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <string_view>
#include <utility>

#include "platform/wave.h"

namespace orv {

namespace {

// How long a Sync sound may overrun its own length before the wait gives
// up: a stalled or suspended output must not freeze the program.
constexpr std::int64_t kSyncGraceMs = 1000;

QAudioFormat::SampleFormat QtSampleFormat(SampleFormat format) {
  switch (format) {
    case SampleFormat::UInt8: return QAudioFormat::UInt8;
    case SampleFormat::Int16: return QAudioFormat::Int16;
    case SampleFormat::Int32: return QAudioFormat::Int32;
    case SampleFormat::Float32: return QAudioFormat::Float;
  }
  return QAudioFormat::Unknown;
}

}  // namespace

// The samples of one sound as the audio output pulls them; a looping
// source starts over at the end and so never runs dry.
class PcmSource : public QIODevice {
 public:
  PcmSource(QByteArray pcm, bool loop) : pcm_(std::move(pcm)), loop_(loop) {}
  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override {
    const qint64 left = loop_ ? pcm_.size() : pcm_.size() - static_cast<qint64>(std::min<std::size_t>(position_, pcm_.size()));
    return left + QIODevice::bytesAvailable();
  }

 protected:
  qint64 readData(char* data, qint64 max) override {
    if (max <= 0) return 0;
    const std::string_view samples(pcm_.constData(), static_cast<std::size_t>(pcm_.size()));
    return static_cast<qint64>(ReadSamples(samples, position_, data, static_cast<std::size_t>(max), loop_));
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  QByteArray pcm_;
  std::size_t position_ = 0;
  bool loop_;
};

SoundPlayer::SoundPlayer() = default;

SoundPlayer::~SoundPlayer() { Stop(); }

bool SoundPlayer::IsPlaying() const { return sink_ && sink_->state() == QAudio::ActiveState; }

void SoundPlayer::Stop() {
  if (waiting_) waiting_->quit();
  if (sink_) sink_->stop();
  sink_.reset();
  source_.reset();
}

void SoundPlayer::Play(std::string_view wav, SoundMode mode) {
  if (mode == SoundMode::Sync && IsPlaying()) return;
  Stop();
  const auto sound = ParseWave(wav);
  if (!sound) return;
  // Asked every time: a headset may come or go while the program runs.
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) return;
  QAudioFormat format;
  format.setSampleRate(sound->sampleRate);
  format.setChannelCount(sound->channels);
  format.setSampleFormat(QtSampleFormat(sound->format));
  if (!device.isFormatSupported(format)) return;

  const QByteArray pcm(sound->samples.data(), static_cast<qsizetype>(sound->samples.size()));
  source_ = std::make_unique<PcmSource>(pcm, mode == SoundMode::Loop);
  source_->open(QIODevice::ReadOnly);
  sink_ = std::make_unique<QAudioSink>(device, format);
  sink_->start(source_.get());
  if (sink_->error() != QAudio::NoError) {
    Stop();
    return;
  }
  if (mode == SoundMode::Sync) WaitUntilFinished(sound->DurationMs());
}

void SoundPlayer::WaitUntilFinished(std::int64_t durationMs) {
  QEventLoop loop;
  QObject::connect(sink_.get(), &QAudioSink::stateChanged, &loop, [&loop](QAudio::State state) {
    if (state != QAudio::ActiveState) loop.quit();
  });
  QTimer::singleShot(std::chrono::milliseconds(durationMs + kSyncGraceMs), &loop, &QEventLoop::quit);
  // Input waits: a click during the sound must not start another move
  // underneath the caller, who expects the sound to be over on return.
  waiting_ = &loop;
  if (IsPlaying()) loop.exec(QEventLoop::ExcludeUserInputEvents);
  waiting_ = nullptr;
}

}  // namespace orv
