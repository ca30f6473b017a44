#pragma once

#include <QString>

// How many passes of draws to throw away before a pick, so that picks vary with the clock although
// the generator always starts the same way. v is a draw from 1..1000; seconds and minutes come
// from the time of day. The halves of seconds/2 + 1 and minutes/2 + 1 round to the even
// neighbour; the result lies in 0..10010.
int discardCount(int v, int seconds, int minutes);

// The seconds of a time-of-day text "hh:mm:ss": its last two characters.
int secondsOfTimeText(const QString &timeText);
// The minutes of a time-of-day text: the two characters before its last colon.
int minutesOfTimeText(const QString &timeText);
