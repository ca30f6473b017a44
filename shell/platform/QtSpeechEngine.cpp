// The module kotohana-speech: the only part of the program that links Qt TextToSpeech.
#include "SpeechEngine.h"

#include <QLocale>
#include <QTextToSpeech>

#include <algorithm>

namespace {
const QString kEngine = QStringLiteral("speechd");
// espeak-ng's voice for the American English that Japanese schools teach; speech-dispatcher
// otherwise takes the first voice of the locale, which is espeak-ng's Caribbean one.
const QString kVoice = QStringLiteral("English (America)");

class QtSpeechEngine final : public SpeechEngine
{
  public:
    QtSpeechEngine() : m_engine(kEngine)
    {
        if (m_engine.state() == QTextToSpeech::Error)
            return;
        m_engine.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        const QList<QVoice> voices = m_engine.availableVoices();
        const auto chosen = std::find_if(voices.begin(), voices.end(), [](const QVoice &voice) {
            return voice.name() == kVoice;
        });
        if (chosen != voices.end())
            m_engine.setVoice(*chosen);
        QObject::connect(&m_engine, &QTextToSpeech::stateChanged, &m_engine,
                         [this](QTextToSpeech::State state) {
                             if (state == QTextToSpeech::Error && onFailure)
                                 onFailure(m_engine.errorString());
                         });
    }

    QString failure() const override
    {
        return m_engine.state() == QTextToSpeech::Error ? m_engine.errorString() : QString();
    }

    void say(const QString &english) override { m_engine.say(english); }

  private:
    QTextToSpeech m_engine;
};
} // namespace

extern "C" Q_DECL_EXPORT bool kotohanaSpeechdInstalled()
{
    return QTextToSpeech::availableEngines().contains(kEngine);
}

extern "C" Q_DECL_EXPORT SpeechEngine *kotohanaCreateSpeechEngine()
{
    return new QtSpeechEngine;
}
