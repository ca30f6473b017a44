#include "TextToSpeechSpeaker.h"

#include "SpeechEngine.h"

#include <QThread>

TextToSpeechSpeaker::TextToSpeechSpeaker(const QString &module) : m_module(module) {}

TextToSpeechSpeaker::~TextToSpeechSpeaker()
{
    if (!m_thread)
        return;
    // The engine goes on its own thread, before the thread ends.
    QMetaObject::invokeMethod(m_home, [this] {
        delete m_engine;
        m_engine = nullptr;
    });
    QObject::connect(m_thread.get(), &QThread::finished, m_home, &QObject::deleteLater);
    m_thread->quit();
    m_thread->wait();
}

bool TextToSpeechSpeaker::available()
{
    if (!m_moduleLooked) {
        m_moduleLooked = true;
        const auto installed =
            reinterpret_cast<SpeechdInstalled>(m_module.resolve(kSpeechdInstalled));
        if (!installed)
            fail(m_module.errorString());
        else if (!installed())
            fail(QStringLiteral("Qt's speech-dispatcher plugin is not installed"));
    }
    return !m_failed;
}

void TextToSpeechSpeaker::say(const QString &english)
{
    if (english.isEmpty() || !available())
        return;
    if (!m_thread)
        start();
    if (!m_thread)
        return;
    QMetaObject::invokeMethod(m_home, [this, english] {
        if (m_engine && !m_failed)
            m_engine->say(english);
    });
}

void TextToSpeechSpeaker::start()
{
    const auto create = reinterpret_cast<CreateSpeechEngine>(m_module.resolve(kCreateSpeechEngine));
    if (!create) {
        fail(m_module.errorString());
        return;
    }
    m_thread = std::make_unique<QThread>();
    m_thread->setObjectName(QStringLiteral("speech"));
    m_home = new QObject;
    m_home->moveToThread(m_thread.get());
    m_thread->start();
    QMetaObject::invokeMethod(m_home, [this, create] {
        m_engine = create();
        if (const QString failure = m_engine->failure(); !failure.isEmpty())
            fail(failure);
        m_engine->onFailure = [this](const QString &reason) { fail(reason); };
    });
}

void TextToSpeechSpeaker::fail(const QString &reason)
{
    if (!m_failed.exchange(true))
        qWarning("Speaking is off: %s", qPrintable(reason));
}
