#pragma once

#include <QString>

// Speaks English words aloud for the learner. A speaker whose engine is missing or has failed
// says nothing and reports itself unavailable, so that the windows disable what would speak.
class Speaker
{
  public:
    virtual ~Speaker() = default;
    // False once the speaker knows it cannot speak; asking may look for the engine, never load it.
    virtual bool available() = 0;
    // Starts speaking the text at once, cutting off whatever is still being spoken.
    virtual void say(const QString &english) = 0;
};
